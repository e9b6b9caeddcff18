// The gradient maker's rules: the colour of every character, the gradient bar, the HTML and
// RTF it copies and the preview's scroll steps.
#pragma once

#include "colour_tools/coloured_text.h"
#include "core/gradient_colours.h"

#include <vector>

namespace typecask {

// Copy and preview need at least this many characters.
constexpr int GradientMinimumCharacters = 2;
// Text1 holds at most this many characters.
constexpr int GradientTextLimit = 200;

// The three component tables for n characters: entry i (1..n) is the colour of character i;
// entries 0 and n + 1 are spare (0).
struct GradientTable
{
    std::vector<int> red, green, blue;
    int count() const { return static_cast<int>(red.size()) - 2; }
    std::int32_t colour(int i) const;
};

// Even steps with Int (floor) arithmetic. Two colours: character 1 is the start, character
// n the end. Three colours: the start first, the middle at character Int((n + 1) / 2), the end
// last (two characters: start and end). One character: the start.
GradientTable gradientTable(const GradientColours& colours, int n);

// The characters of text, each in its gradient colour.
std::vector<ColouredCharacter> gradientCharacters(const GradientColours& colours, const QString& text);

// What "コピー" puts on the clipboard in HTML mode: the text alone (no line end).
QString gradientHtml(const GradientColours& colours, const QString& text, const Sample& sample,
                     const HtmlTagOptions& options);
// The gradient RTF (the RTF copy and the drag-out).
QByteArray gradientRtf(const FontCatalog& catalog, const GradientColours& colours, const QString& text,
                       const Sample& sample);

// One band of the gradient bar: a box from (x, 1) to (x + 5, bottom).
struct GradientBarBox
{
    int x;
    std::int32_t colour;
};
// The bar's bands for an inner width in pixels, in drawing order: start to end, or start to
// middle over the first half and middle to end over the second.
std::vector<GradientBarBox> gradientBarBoxes(const GradientColours& colours, int width);

// The preview scroll bar's arrow keys: 100 a press, to the end when fewer than 110 remain.
int previewScrollStep(int value, int maximum, bool right);

} // namespace typecask
