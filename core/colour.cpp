#include "core/colour.h"

#include "core/text_helpers.h"

namespace typecask {

void splitColour(std::int32_t colour, std::int32_t& red, std::int32_t& green, std::int32_t& blue)
{
    if (colour == NoColour)
        return;
    red = colour % 256;
    green = ((colour - red) / 256) % 256;
    blue = (colour - red - green * 256) / 65536;
}

QString colourToHex(std::int32_t colour)
{
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(colour, r, g, b);
    return twoHexDigits(r) + twoHexDigits(g) + twoHexDigits(b);
}

} // namespace typecask
