#include "colour_tools/random_colour_text.h"

#include "colour_tools/colour_rules.h"
#include "core/colour.h"
#include "core/services.h"

#include <algorithm>

namespace typecask {

CellCaptions cellCaptions(const QString& sampleText)
{
    CellCaptions captions;
    const QStringList characters = splitCharacters(sampleText);
    for (int i = 0; i < RandomCellCount && i < characters.size(); ++i)
        captions[static_cast<std::size_t>(i)] = characters[i];
    return captions;
}

std::int32_t cellColour(std::int32_t colour)
{
    return colour >= 0 && colour <= 0xFFFFFF ? colour : 0;
}

CellColours randomCellColours(RandomSource& random, const PaletteRow* palette)
{
    CellColours colours{};
    random.reseedFromClock();
    for (std::int32_t& c : colours) {
        if (palette) {
            const int cell =
                std::clamp(static_cast<int>(random.next() * ShownPaletteCells), 0, ShownPaletteCells - 1);
            c = cellColour((*palette)[static_cast<std::size_t>(cell)]);
        } else {
            const int r = randomChannel(random.next());
            const int g = randomChannel(random.next());
            const int b = randomChannel(random.next());
            c = Rgb(r, g, b);
        }
    }
    return colours;
}

int selectedPalette(const std::array<bool, PaletteCount>& selected)
{
    for (int p = 0; p < PaletteCount - 1; ++p)
        if (selected[static_cast<std::size_t>(p)])
            return p;
    return PaletteCount - 1;
}

PaletteRow shownPalette(const PaletteTable& palettes, int palette)
{
    PaletteRow row{};
    for (int c = 0; c < ShownPaletteCells; ++c)
        row[static_cast<std::size_t>(c)] = palettes.at(palette, c);
    return row;
}

std::vector<ColouredCharacter> cellCharacters(const CellCaptions& captions, const CellColours& colours)
{
    std::vector<ColouredCharacter> out;
    out.reserve(RandomCellCount);
    for (std::size_t i = 0; i < RandomCellCount; ++i)
        out.push_back({captions[i], cellColour(colours[i])});
    return out;
}

QString randomColourHtml(const CellCaptions& captions, const CellColours& colours, const Sample& sample,
                         const HtmlTagOptions& options)
{
    return colouredHtml(cellCharacters(captions, colours), sample, options);
}

QByteArray randomColourRtf(const FontCatalog& catalog, const CellCaptions& captions,
                           const CellColours& colours, const Sample& sample)
{
    return colouredRtf(catalog, cellCharacters(captions, colours), sample);
}

QString cellText(const CellCaptions& captions)
{
    QString text;
    for (const QString& c : captions)
        text += c;
    return text;
}

} // namespace typecask
