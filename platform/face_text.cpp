#include "platform/face_text.h"

#include "core/fontconfig_source.h"

#include <QImage>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_OUTLINE_H
#include <hb-ft.h>
#include <hb.h>

#include <cmath>

namespace typecask {

// One face opened at one pixel size, with HarfBuzz's view of it.
struct FaceTextRenderer::Sized
{
    FT_Face face = nullptr;
    hb_font_t* font = nullptr;
    ~Sized()
    {
        if (font)
            hb_font_destroy(font); // releases the face too
        else if (face)
            FT_Done_Face(face);
    }
};

namespace {

FT_Int32 loadFlagsFor(const GlyphRendering& r)
{
    FT_Int32 f = !r.antialias       ? FT_LOAD_TARGET_MONO
                 : r.hintStyle == 1 ? FT_LOAD_TARGET_LIGHT
                                    : FT_LOAD_TARGET_NORMAL;
    if (!r.hinting || r.hintStyle == 0)
        f |= FT_LOAD_NO_HINTING;
    if (r.autohint)
        f |= FT_LOAD_FORCE_AUTOHINT;
    return f;
}

qreal devicePixelSize(qreal pointSize, const QImage& image)
{
    return pointSize * image.logicalDpiY() / 72.0 * image.devicePixelRatio();
}

// Blends one rendered glyph into a premultiplied 32-bit image at (x, y) (its top left).
void blendGlyph(QImage& image, const FT_Bitmap& bitmap, int x, int y, QRgb colour)
{
    const int width = static_cast<int>(bitmap.width);
    const int rows = static_cast<int>(bitmap.rows);
    const int x0 = std::max(0, -x);
    const int x1 = std::min(width, image.width() - x);
    const int y0 = std::max(0, -y);
    const int y1 = std::min(rows, image.height() - y);
    if (x0 >= x1 || y0 >= y1 || !bitmap.buffer)
        return;
    const int cr = qRed(colour), cg = qGreen(colour), cb = qBlue(colour), ca = qAlpha(colour);
    for (int row = y0; row < y1; ++row) {
        const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y + row)) + x;
        for (int col = x0; col < x1; ++col) {
            int cover = 0;
            QRgb source = 0;
            switch (bitmap.pixel_mode) {
            case FT_PIXEL_MODE_GRAY:
                cover = src[col] * ca / 255;
                break;
            case FT_PIXEL_MODE_MONO:
                cover = (src[col >> 3] & (0x80 >> (col & 7))) ? ca : 0;
                break;
            case FT_PIXEL_MODE_BGRA: { // colour glyphs, already premultiplied
                const unsigned char* p = src + col * 4;
                source = qRgba(p[2], p[1], p[0], p[3]);
                cover = p[3];
                break;
            }
            default:
                return;
            }
            if (cover == 0)
                continue;
            if (bitmap.pixel_mode != FT_PIXEL_MODE_BGRA)
                source = qRgba(cr * cover / 255, cg * cover / 255, cb * cover / 255, cover);
            const QRgb d = dst[col];
            const int keep = 255 - cover;
            dst[col] = qRgba(qRed(source) + qRed(d) * keep / 255, qGreen(source) + qGreen(d) * keep / 255,
                             qBlue(source) + qBlue(d) * keep / 255, qAlpha(source) + qAlpha(d) * keep / 255);
        }
    }
}

} // namespace

FaceTextRenderer::FaceTextRenderer(qsizetype capacity, const GlyphRendering& rendering)
    : m_capacity(std::max<qsizetype>(capacity, 2)), m_loadFlags(loadFlagsFor(rendering)),
      // Qt places glyphs at quarter pixels, with advances unrounded, when hinting is light or
      // off; at whole pixels with hinted advances otherwise.
      m_subpixel(FT_LOAD_TARGET_MODE(m_loadFlags) == FT_RENDER_MODE_LIGHT ||
                 (m_loadFlags & FT_LOAD_NO_HINTING))
{
}

FaceTextRenderer::~FaceTextRenderer()
{
    clear();
    if (m_freetype)
        FT_Done_Library(m_freetype);
}

FaceTextRenderer& FaceTextRenderer::shared()
{
    // Antialiasing and hinting as fontconfig sets them for the desktop, read once as Qt reads
    // them for each font it opens (per-font rules are rare; a match costs what drawing a new
    // family does).
    static FaceTextRenderer renderer(DefaultCapacity, glyphRenderingFor(u"sans-serif"_qs));
    return renderer;
}

void FaceTextRenderer::clear()
{
    m_index.clear();
    m_order.clear();
}

FaceTextRenderer::Sized* FaceTextRenderer::sized(const FaceFile& file, qreal pixelSize)
{
    if (file.isNull() || !(pixelSize > 0) || pixelSize > 10000)
        return nullptr;
    const Key key{file.path, file.index, static_cast<int>(std::lround(pixelSize * 64))};
    if (const auto hit = m_index.constFind(key); hit != m_index.constEnd()) {
        m_order.splice(m_order.begin(), m_order, hit.value());
        return m_order.front().face.get();
    }
    if (!m_freetype)
        m_freetype = newBoundedFreeType();
    auto made = std::make_unique<Sized>();
    FT_Face face =
        m_freetype ? openBoundedFace(m_freetype, file.path, file.index, FaceReads::Mapped) : nullptr;
    if (face) {
        made->face = face;
        // Bitmap-only faces keep Qt's drawing, which picks among their strikes.
        if (FT_IS_SCALABLE(face) && FT_Set_Char_Size(face, 0, key.size26d6, 72, 72) == 0) {
            made->font = hb_ft_font_create_referenced(face);
            FT_Done_Face(face); // the HarfBuzz font holds its own reference
            hb_ft_font_set_load_flags(made->font, m_loadFlags | (m_subpixel ? FT_LOAD_NO_HINTING : 0));
        }
    }
    if (!made->font)
        made.reset();
    m_order.push_front({key, std::move(made)});
    m_index.insert(key, m_order.begin());
    while (static_cast<qsizetype>(m_order.size()) > m_capacity) {
        m_index.remove(m_order.back().key);
        m_order.pop_back();
    }
    return m_order.front().face.get();
}

std::optional<qreal> FaceTextRenderer::ascent(const FaceFile& file, qreal pointSize, const QImage& image)
{
    const Sized* s = sized(file, devicePixelSize(pointSize, image));
    if (!s)
        return std::nullopt;
    return s->face->size->metrics.ascender / 64.0 / image.devicePixelRatio();
}

bool FaceTextRenderer::draw(QImage& image, const QPointF& origin, QStringView text, const FaceFile& file,
                            const FaceFile& fallbackFile, qreal pointSize, const QColor& colour)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_RGB32)
        return false;
    const qreal pixelSize = devicePixelSize(pointSize, image);
    Sized* own = sized(file, pixelSize);
    if (!own)
        return false;
    // Opening the fallback may close faces; the own one was just used, so it stays.
    Sized* fallback =
        fallbackFile.isNull() || fallbackFile.path == file.path ? nullptr : sized(fallbackFile, pixelSize);
    if (!fallback)
        fallback = own;

    const qreal ratio = image.devicePixelRatio();
    const QRgb rgb = colour.rgba();
    double pen = origin.x() * ratio; // device pixels
    const int baseline = static_cast<int>(std::lround(origin.y() * ratio));
    const auto* utf16 = reinterpret_cast<const uint16_t*>(text.utf16());
    const int length = static_cast<int>(text.size());
    hb_buffer_t* buffer = hb_buffer_create();
    const FT_Render_Mode renderMode =
        FT_LOAD_TARGET_MODE(m_loadFlags) == FT_RENDER_MODE_MONO ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;

    // Characters sit where their own widths put them, as in the preview. Kerning off also keeps
    // HarfBuzz from FreeType's legacy kerning, which reads through a null pointer on some damaged
    // fonts (FreeType 2.12).
    static const hb_feature_t NoKerning{HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START,
                                        HB_FEATURE_GLOBAL_END};
    // Shapes and draws text[start, end) in one face, with the whole text as context.
    const auto drawRun = [&](Sized* s, int start, int end) {
        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf16(buffer, utf16, length, static_cast<unsigned>(start), end - start);
        hb_buffer_guess_segment_properties(buffer);
        hb_shape(s->font, buffer, &NoKerning, 1);
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
        // HarfBuzz gives the glyphs left to right whatever the direction.
        for (unsigned g = 0; g < count && pen < image.width(); ++g) {
            const double at = pen + pos[g].x_offset / 64.0;
            const double whole = m_subpixel ? std::floor(at) : std::round(at);
            if (FT_Load_Glyph(s->face, info[g].codepoint, m_loadFlags | FT_LOAD_COLOR) == 0) {
                const FT_GlyphSlot slot = s->face->glyph;
                if (m_subpixel && slot->format == FT_GLYPH_FORMAT_OUTLINE)
                    FT_Outline_Translate(&slot->outline, static_cast<FT_Pos>((at - whole) * 4) * 16, 0);
                if (FT_Render_Glyph(slot, renderMode) != 0) {
                    pen += pos[g].x_advance / 64.0;
                    continue;
                }
                const int x = static_cast<int>(whole) + slot->bitmap_left;
                const int y =
                    baseline - static_cast<int>(std::lround(pos[g].y_offset / 64.0)) - slot->bitmap_top;
                blendGlyph(image, slot->bitmap, x, y, rgb);
            }
            pen += pos[g].x_advance / 64.0;
        }
    };

    // Runs of characters in one face: the family's own glyphs, the fallback's for the rest.
    int start = 0;
    bool runOwn = true;
    int at = 0;
    while (at < length && pen < image.width()) {
        const bool pair =
            QChar::isHighSurrogate(utf16[at]) && at + 1 < length && QChar::isLowSurrogate(utf16[at + 1]);
        const char32_t c = pair ? QChar::surrogateToUcs4(utf16[at], utf16[at + 1]) : utf16[at];
        hb_codepoint_t glyph = 0;
        const bool inOwn = fallback == own || hb_font_get_nominal_glyph(own->font, c, &glyph);
        if (inOwn != runOwn) {
            if (at > start)
                drawRun(runOwn ? own : fallback, start, at);
            start = at;
            runOwn = inOwn;
        }
        at += pair ? 2 : 1;
    }
    if (at > start && pen < image.width())
        drawRun(runOwn ? own : fallback, start, at);
    hb_buffer_destroy(buffer);
    return true;
}

} // namespace typecask
