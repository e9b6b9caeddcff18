#include "core/vertical_text.h"

#include "core/fontconfig_source.h"
#include "core/sfnt_tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_OUTLINE_H
#include <hb-ft.h>
#include <hb-ot.h>
#include <hb.h>

namespace typecask {

bool uprightInVertical(char32_t c)
{
    const CodePointRange* begin = UprightInVerticalRanges;
    const CodePointRange* end = begin + UprightInVerticalRangeCount;
    const auto* it =
        std::upper_bound(begin, end, c, [](char32_t v, const CodePointRange& r) { return v < r.first; });
    return it != begin && c <= (it - 1)->last;
}

bool hasVerticalAlternates(const QByteArray& file, int faceIndex)
{
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto readAt = [fd](std::uint64_t offset, std::size_t count, unsigned char* out) {
        return offset <= static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) &&
               ::pread(fd, out, count, static_cast<off_t>(offset)) == static_cast<ssize_t>(count);
    };
    static constexpr std::array<std::uint32_t, 2> Tags{HB_TAG('v', 'e', 'r', 't'),
                                                       HB_TAG('v', 'r', 't', '2')};
    const bool found = hasGsubFeature(readAt, faceIndex, Tags);
    ::close(fd);
    return found;
}

struct VerticalFont::Impl
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    hb_font_t* font = nullptr;
    std::vector<hb_feature_t> features; // for the upright runs
    bool emboldened = false;
    bool slanted = false;
    ~Impl()
    {
        if (font)
            hb_font_destroy(font);
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_Library(library);
    }
};

namespace {

// Unhinted, so advances are the font's own scaled exactly (as HarfBuzz's tools report them),
// and never the embedded bitmaps, which cannot be turned.
constexpr FT_Int32 LoadFlags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;

quint64 bitmapKey(std::uint32_t glyph, bool sideways)
{
    return quint64{glyph} << 1 | (sideways ? 1 : 0);
}

} // namespace

VerticalFont::VerticalFont(const QByteArray& file, int faceIndex, double pixelSize, bool emboldened,
                           bool slanted)
    : m(std::make_unique<Impl>()), m_pixelSize(pixelSize)
{
    m->emboldened = emboldened;
    m->slanted = slanted;
    if (pixelSize <= 0 || !(m->library = newBoundedFreeType()))
        return;
    // Through the program's own stream: FreeType's maps the file, and a damaged face can read
    // past its end.
    if (!(m->face = openBoundedFace(m->library, file, faceIndex, FaceReads::Mapped)))
        return;
    if (!FT_IS_SCALABLE(m->face) ||
        FT_Set_Char_Size(m->face, 0, static_cast<FT_F26Dot6>(std::lround(pixelSize * 64)), 72, 72) != 0) {
        FT_Done_Face(m->face);
        m->face = nullptr;
        return;
    }
    m->font = hb_ft_font_create_referenced(m->face);
    hb_ft_font_set_load_flags(m->font, LoadFlags);
    // HarfBuzz applies vert by itself top to bottom; a font that has only vrt2 gets that instead.
    hb_face_t* hbFace = hb_font_get_face(m->font);
    std::vector<hb_tag_t> tags(
        hb_ot_layout_table_get_feature_tags(hbFace, HB_OT_TAG_GSUB, 0, nullptr, nullptr));
    unsigned count = static_cast<unsigned>(tags.size());
    hb_ot_layout_table_get_feature_tags(hbFace, HB_OT_TAG_GSUB, 0, &count, tags.data());
    const auto has = [&tags](hb_tag_t tag) { return std::find(tags.begin(), tags.end(), tag) != tags.end(); };
    if (!has(HB_TAG('v', 'e', 'r', 't')) && has(HB_TAG('v', 'r', 't', '2')))
        m->features.push_back(
            {HB_TAG('v', 'r', 't', '2'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END});
}

VerticalFont::~VerticalFont() = default;

bool VerticalFont::isValid() const
{
    return m->font != nullptr;
}

int VerticalFont::unitsPerEm() const
{
    return m->face ? m->face->units_per_EM : 0;
}

double VerticalFont::columnWidth() const
{
    // From the font units: FreeType's size metrics round each to whole pixels, and the columns
    // would drift from the font's own by a pixel a column.
    if (!m->face)
        return 0;
    return (m->face->ascender - m->face->descender) * m_pixelSize / m->face->units_per_EM;
}

std::vector<ShapedGlyph> VerticalFont::shape(const QString& text) const
{
    std::vector<ShapedGlyph> out;
    if (!m->font || text.isEmpty())
        return out;
    hb_buffer_t* buffer = hb_buffer_create();
    const auto* units = reinterpret_cast<const std::uint16_t*>(text.utf16());
    const int length = static_cast<int>(text.size());
    // Runs of one orientation; a lone half of a surrogate pair goes with the run it is in.
    int runStart = 0;
    while (runStart < length) {
        const auto uprightAt = [&](int i) {
            return uprightInVertical(text.at(i).isHighSurrogate() && i + 1 < length
                                         ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                         : text.at(i).unicode());
        };
        const bool upright = uprightAt(runStart);
        int runEnd = runStart + (text.at(runStart).isHighSurrogate() && runStart + 1 < length ? 2 : 1);
        while (runEnd < length && uprightAt(runEnd) == upright)
            runEnd += text.at(runEnd).isHighSurrogate() && runEnd + 1 < length ? 2 : 1;

        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf16(buffer, units, length, static_cast<unsigned>(runStart), runEnd - runStart);
        hb_buffer_set_direction(buffer, upright ? HB_DIRECTION_TTB : HB_DIRECTION_LTR);
        hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
        hb_buffer_guess_segment_properties(buffer);
        hb_shape(m->font, buffer, upright ? m->features.data() : nullptr,
                 upright ? static_cast<unsigned>(m->features.size()) : 0);
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
        for (unsigned i = 0; i < count; ++i) {
            ShapedGlyph g;
            g.glyph = info[i].codepoint;
            g.cluster = info[i].cluster;
            g.sideways = !upright;
            if (upright) {
                g.advance = -pos[i].y_advance / 64.0;
                g.offsetX = pos[i].x_offset / 64.0;
                g.offsetY = -pos[i].y_offset / 64.0;
            } else {
                g.advance = pos[i].x_advance / 64.0;
                g.offsetX = pos[i].x_offset / 64.0;
                g.offsetY = -pos[i].y_offset / 64.0;
            }
            out.push_back(g);
        }
        runStart = runEnd;
    }
    hb_buffer_destroy(buffer);
    return out;
}

VerticalLayout VerticalFont::layout(const QString& text, double width, double height) const
{
    VerticalLayout result;
    result.columnWidth = columnWidth();
    const std::vector<ShapedGlyph> glyphs = shape(text);
    if (glyphs.empty() || result.columnWidth <= 0)
        return result;
    // Sideways glyphs sit on the central baseline: the middle of ascent and descent on the
    // column's centre line.
    const double sidewaysBaseline =
        -(m->face->ascender + m->face->descender) * m_pixelSize / m->face->units_per_EM / 2;

    std::size_t at = 0;
    int column = 0;
    double pen = 0;
    result.columns = 1;
    while (at < glyphs.size()) {
        // One cluster: the glyphs that share its cluster value stay in one column.
        std::size_t end = at + 1;
        double advance = glyphs[at].advance;
        while (end < glyphs.size() && glyphs[end].cluster == glyphs[at].cluster) {
            advance += glyphs[end].advance;
            ++end;
        }
        if (pen > 0 && pen + advance > height) {
            ++column;
            pen = 0;
            if (column * result.columnWidth > width) {
                result.cut = true;
                break;
            }
            ++result.columns;
        }
        const double centre = width - (column + 0.5) * result.columnWidth;
        for (std::size_t i = at; i < end; ++i) {
            const ShapedGlyph& g = glyphs[i];
            PlacedGlyph p;
            p.glyph = g.glyph;
            p.sideways = g.sideways;
            if (g.sideways) {
                // Turned clockwise: the baseline runs down the column, the glyph's top to the right.
                p.x = centre + sidewaysBaseline - g.offsetY;
                p.y = pen + g.offsetX;
            } else {
                p.x = centre + g.offsetX;
                p.y = pen + g.offsetY;
            }
            result.glyphs.push_back(p);
            pen += g.advance;
        }
        at = end;
    }
    return result;
}

const GlyphBitmap& VerticalFont::bitmap(std::uint32_t glyph, bool sideways)
{
    const quint64 key = bitmapKey(glyph, sideways);
    auto it = m_bitmaps.find(key);
    if (it != m_bitmaps.end())
        return it.value();
    GlyphBitmap bitmap;
    if (m->face && FT_Load_Glyph(m->face, glyph, LoadFlags) == 0 &&
        m->face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Outline* outline = &m->face->glyph->outline;
        if (m->emboldened) {
            // FreeType's own synthetic bold, as Qt's engine uses it for the horizontal text.
            const FT_Pos strength = FT_MulFix(m->face->units_per_EM, m->face->size->metrics.y_scale) / 24;
            FT_Outline_EmboldenXY(outline, strength, strength);
        }
        if (m->slanted) {
            // FreeType's oblique (FT_GlyphSlot_Oblique's slant), in the glyph's own frame.
            const FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
            FT_Outline_Transform(outline, &shear);
        }
        if (sideways) {
            const FT_Matrix clockwise{0, 0x10000, -0x10000, 0};
            FT_Outline_Transform(outline, &clockwise);
        }
        if (FT_Render_Glyph(m->face->glyph, FT_RENDER_MODE_NORMAL) == 0) {
            const FT_Bitmap& b = m->face->glyph->bitmap;
            bitmap.left = m->face->glyph->bitmap_left;
            bitmap.top = -m->face->glyph->bitmap_top;
            bitmap.width = static_cast<int>(b.width);
            bitmap.height = static_cast<int>(b.rows);
            bitmap.coverage.resize(static_cast<std::size_t>(bitmap.width) * bitmap.height);
            for (int row = 0; row < bitmap.height; ++row)
                std::copy_n(b.buffer + static_cast<std::ptrdiff_t>(row) * b.pitch, bitmap.width,
                            bitmap.coverage.data() + static_cast<std::size_t>(row) * bitmap.width);
        }
    }
    return m_bitmaps.insert(key, std::move(bitmap)).value();
}

} // namespace typecask
