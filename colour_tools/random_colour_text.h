// The random colour maker's rules: the sixteen cells and their colours, the random draws, the
// drag-and-drop rules and the HTML and RTF it copies.
#pragma once

#include "colour_tools/coloured_text.h"
#include "core/palette_table.h"

#include <array>

namespace typecask {

class RandomSource;

constexpr int RandomCellCount = 16;
// The cells' font size is the preview size up to this many points.
constexpr int RandomCellMaximumPoints = 20;

using CellCaptions = std::array<QString, RandomCellCount>;
using CellColours = std::array<std::int32_t, RandomCellCount>;
using PaletteRow = std::array<std::int32_t, ShownPaletteCells>;

// The first 16 characters of the sample text, one a cell; the rest empty.
CellCaptions cellCaptions(const QString& sampleText);

// A colour a cell can hold: values outside 0-16777215 (a damaged "Color.dat") are black, so
// the RTF never gets a negative or oversized component.
std::int32_t cellColour(std::int32_t colour);

// One press of "ランダム作成": the generator is reseeded from the clock once, then each cell
// is an independent draw, so a coarse clock cannot give all cells one colour. Without a
// palette each channel is 0-254; with one, each cell takes one of its 16 shown colours.
CellColours randomCellColours(RandomSource& random, const PaletteRow* palette = nullptr);

// The palette a clear or a drop acts on: the first of options 0-2 that is selected, else 3.
int selectedPalette(const std::array<bool, PaletteCount>& selected);
// The 16 colours palette p shows.
PaletteRow shownPalette(const PaletteTable& palettes, int palette);

// What a drag inside the window carries: the source's text and background colours.
struct ColourDrag
{
    std::int32_t fore = 0;
    std::int32_t back = 0;
    bool fromCell = false;
    // What a cell, a palette box, the current colour box or a scroll bar takes: a character
    // cell gives its text colour, every other source its background.
    std::int32_t dropped() const { return fromCell ? fore : back; }
};

std::vector<ColouredCharacter> cellCharacters(const CellCaptions& captions, const CellColours& colours);

// What "コピー" puts on the clipboard in HTML mode (no line end).
QString randomColourHtml(const CellCaptions& captions, const CellColours& colours, const Sample& sample,
                         const HtmlTagOptions& options);
// The RTF of the 16 cells: always 16 colour entries, \cf1 to \cf16.
QByteArray randomColourRtf(const FontCatalog& catalog, const CellCaptions& captions,
                           const CellColours& colours, const Sample& sample);
// The plain text beside the RTF: the captions joined.
QString cellText(const CellCaptions& captions);

} // namespace typecask
