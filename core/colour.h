// Colours are 0x00BBGGRR integers (red in the low byte); -1 means "no colour".
#pragma once

#include <QString>
#include <cstdint>

namespace typecask {

constexpr std::int32_t NoColour = -1;

// Leaves the outputs untouched for -1, as callers rely on their previous values.
void splitColour(std::int32_t colour, std::int32_t& red, std::int32_t& green, std::int32_t& blue);

// Six upper-case hexadecimal digits, red, green, blue; "000000" for -1.
QString colourToHex(std::int32_t colour);

constexpr std::int32_t Rgb(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

} // namespace typecask
