// Japanese vertical text (縦書き) as a browser sets `writing-mode: vertical-rl` with mixed
// orientation: shaped by HarfBuzz top to bottom, so the font's vertical alternates and vertical
// metrics apply, characters that Unicode lays sideways (Latin letters, digits) shaped
// horizontally and turned 90 degrees clockwise, columns from the right, wrapped at a height.
// Glyphs come out as coverage bitmaps from FreeType; the windows only colour and place them.
#pragma once

#include "core/japanese_sets.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace typecask {

// A name that begins with "@" is the vertical-writing variant of the family named by the rest.
inline bool isVerticalFamilyName(QStringView name)
{
    return name.startsWith(u'@');
}
inline QString horizontalFamilyName(const QString& name)
{
    return isVerticalFamilyName(name) ? name.mid(1) : name;
}

extern const CodePointRange UprightInVerticalRanges[];
extern const int UprightInVerticalRangeCount;

// Whether c stands upright in mixed vertical text (Vertical_Orientation U, Tu or Tr); the
// others (R) are laid sideways.
bool uprightInVertical(char32_t c);

// One glyph as shaped: in pixels, y growing downwards, relative to the pen of its run.
struct ShapedGlyph
{
    std::uint32_t glyph = 0;
    std::uint32_t cluster = 0; // index of its first UTF-16 unit in the text
    double advance = 0;        // along the column
    double offsetX = 0;        // across the column (upright) or along the baseline (sideways)
    double offsetY = 0;
    bool sideways = false;
};

// A glyph placed in the area: its outline origin (the horizontal origin, on the baseline) in
// pixels from the area's top left.
struct PlacedGlyph
{
    std::uint32_t glyph = 0;
    double x = 0;
    double y = 0;
    bool sideways = false;
};

struct VerticalLayout
{
    std::vector<PlacedGlyph> glyphs;
    int columns = 0;        // columns started, the last maybe beyond the left edge
    double columnWidth = 0; // distance between column centres
    bool cut = false;       // the text went on past the left edge and was not laid out
};

// A coverage bitmap (0 = none, 255 = full) and where its top left lies from the glyph origin.
struct GlyphBitmap
{
    int left = 0;
    int top = 0; // downwards from the origin to the first row
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage; // width * height
};

// One face at one pixel size, with FreeType's bolding and slant when asked for (the same
// synthetic bold the horizontal text gets from Qt's FreeType engine: a 24th of the em).
class VerticalFont
{
public:
    VerticalFont(const QByteArray& file, int faceIndex, double pixelSize, bool emboldened = false,
                 bool slanted = false);
    ~VerticalFont();
    VerticalFont(const VerticalFont&) = delete;
    VerticalFont& operator=(const VerticalFont&) = delete;

    bool isValid() const;
    double pixelSize() const { return m_pixelSize; }
    int unitsPerEm() const;
    // The column width: the font's ascent plus descent.
    double columnWidth() const;

    // The text's glyphs in text order: runs of upright characters shaped top to bottom with
    // the font's vertical alternates (vert, or vrt2 when it has only that), runs of sideways
    // characters shaped left to right.
    std::vector<ShapedGlyph> shape(const QString& text) const;

    // Columns of at most height pixels, the first at the right edge of an area width wide.
    // A cluster never splits; a column holds at least one. Laying out stops when the next
    // column would start beyond the left edge.
    VerticalLayout layout(const QString& text, double width, double height) const;

    // The glyph drawn upright or turned 90 degrees clockwise, kept after the first time.
    const GlyphBitmap& bitmap(std::uint32_t glyph, bool sideways);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
    double m_pixelSize;
    QHash<quint64, GlyphBitmap> m_bitmaps;
};

// Whether the face's GSUB carries vert or vrt2, read from its feature list alone.
bool hasVerticalAlternates(const QByteArray& file, int faceIndex);

} // namespace typecask
