// The colour picker's rules that need no window: the colour field's pixels, the shade strip's
// bands, the step buttons and the numeric input.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace typecask {

using Channels = std::array<int, 3>; // red, green, blue, 0-255 each

// The sixteen standard colours of the colour windows as (red, green, blue).
constexpr std::array<Channels, 16> StandardColours{{{0, 0, 0},
                                                    {0, 0, 128},
                                                    {0, 128, 0},
                                                    {0, 128, 128},
                                                    {128, 0, 0},
                                                    {128, 0, 128},
                                                    {128, 128, 0},
                                                    {192, 192, 192},
                                                    {128, 128, 128},
                                                    {0, 0, 255},
                                                    {0, 255, 0},
                                                    {0, 255, 255},
                                                    {255, 0, 0},
                                                    {255, 0, 255},
                                                    {255, 255, 0},
                                                    {255, 255, 255}}};

constexpr int ColourFieldWidth = 168;
constexpr int ColourFieldHeight = 126;

// The colour field: hue once round the circle across the width (red at both ends), each column
// fading from the saturated hue at the top to grey (127, 127, 127) at the bottom.
std::int32_t colourFieldPixel(int x, int y);
// Row-major, ColourFieldWidth * ColourFieldHeight colours.
std::vector<std::int32_t> colourFieldPixels();

// One band of the shade strip: a wide line from (0, y) to (strip width, y + 5).
struct ShadeLine
{
    int y;
    std::int32_t colour;
};

// The bands for a strip innerHeight pixels high, in drawing order: black to the colour over the
// upper half, then the colour to white over the lower half.
std::vector<ShadeLine> shadeStripLines(const Channels& colour, int innerHeight);

enum class ColourStep { Darker10, Darker1, Lighter1, Lighter10, Invert };

Channels applyStep(const Channels& colour, ColourStep step);
// A channel from a uniform number in [0, 1): 0-254, never 255.
int randomChannel(double uniform);

// Full-width letters, digits, signs and spaces become their half-width forms.
QString narrowForm(const QString& text);

// The numeric input's reading of its (already narrowed) text: "r,g,b" in decimal, or the last six
// characters as RRGGBB in hexadecimal. Values are limited to 0-255. None when the text cannot
// be read (the window then stays open).
std::optional<Channels> parseNumericColour(const QString& narrowText);

} // namespace typecask
