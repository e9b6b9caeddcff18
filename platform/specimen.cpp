#include "platform/specimen.h"

#include "core/fontconfig_source.h"
#include "platform/own_bold.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace typecask {

// The vertical faces met so far and each glyph's coloured picture, so that drawing the same
// sample again only places pictures.
struct SpecimenPainter::Vertical
{
    struct FaceKey
    {
        QString family;
        bool bold = false;
        bool italic = false;
        friend bool operator==(const FaceKey&, const FaceKey&) = default;
        friend size_t qHash(const FaceKey& k, size_t seed = 0)
        {
            return qHashMulti(seed, k.family, k.bold, k.italic);
        }
    };
    QHash<FaceKey, std::optional<MatchedFace>> faces;
    struct Font
    {
        FaceKey key;
        double pixelSize = 0;
        std::unique_ptr<VerticalFont> font;
        QHash<quint64, QImage> pictures; // glyph and orientation -> picture in the colour below
        QRgb colour = 0;
    };
    // A few sizes and styles of a few families: the preview switches between them.
    static constexpr int Kept = 4;
    std::vector<std::unique_ptr<Font>> fonts; // most recently used last
    Font* current = nullptr;
};

SpecimenPainter::SpecimenPainter() : m_vertical(std::make_unique<Vertical>()) {}
SpecimenPainter::~SpecimenPainter() = default;

SpecimenResult SpecimenPainter::draw(QPainter& painter, const QRectF& area, const QString& family,
                                     const QString& text, const SpecimenStyle& style)
{
    if (isVerticalFamilyName(family))
        return drawVertical(painter, area, family, text, style);
    return drawHorizontal(painter, area, family, text, style);
}

SpecimenResult SpecimenPainter::drawHorizontal(QPainter& p, const QRectF& area, const QString& fontName,
                                               const QString& text, const SpecimenStyle& style)
{
    SpecimenResult result;
    QFont font(fontName);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setPointSize(style.pointSize);
    font.setKerning(false); // characters sit where their own widths put them
    // Characters the family lacks are drawn in the Japanese family of its kind (Mincho for serif
    // families, else Gothic), found once: Qt would sort every installed face for each new family.
    // Qt never merges other fonts into a symbol font; those keep Qt's own drawing.
    const QString fallbackFamily = typecask::japaneseFallbackFor(fontName);
    QFont fallback = font;
    if (!fallbackFamily.isEmpty()) {
        font.setStyleStrategy(QFont::NoFontMerging);
        fallback.setFamilies({fallbackFamily});
    }

    QPaintDevice* device = p.device();
    p.save();
    p.setPen(style.fore);
    const QFontMetricsF fm(font, device);
    const QFontMetricsF fallbackMetrics(fallback, device);
    const auto ownGlyph = [&](char32_t c) { return fallbackFamily.isEmpty() || fm.inFontUcs4(c); };
    const CharWidthFn widths =
        m_widths.widths({fontName, style.pointSize, style.bold, style.italic}, [&](char32_t c) {
            const QString one = QString::fromUcs4(&c, 1);
            return ownGlyph(c) ? fm.horizontalAdvance(one) : fallbackMetrics.horizontalAdvance(one);
        });
    result.lines = layoutPreview(text, area.width(), area.height(), fm.height(), widths);
    const qreal boldStroke = ownBoldStroke(font, device);
    const qreal fallbackBoldStroke = ownBoldStroke(fallback, device);
    for (qsizetype i = 0; i < result.lines.lines.size(); ++i) {
        const QString& line = result.lines.lines[i];
        const double baseline = area.top() + i * fm.height() + fm.ascent();
        // Runs of characters drawn in the same font, each where the widths before it end.
        double x = area.left();
        double runX = x;
        qsizetype runStart = 0;
        bool runOwn = true;
        qsizetype at = 0;
        const auto drawRun = [&](qsizetype end) {
            if (end > runStart) {
                p.setFont(runOwn ? font : fallback);
                drawSampleText(p, QPointF(runX, baseline), line.mid(runStart, end - runStart),
                               runOwn ? boldStroke : fallbackBoldStroke);
            }
        };
        while (at < line.size()) {
            const char32_t c = line.at(at).isHighSurrogate() && at + 1 < line.size()
                                   ? QChar::surrogateToUcs4(line.at(at), line.at(at + 1))
                                   : line.at(at).unicode();
            const bool own = ownGlyph(c);
            if (own != runOwn) {
                drawRun(at);
                runStart = at;
                runX = x;
                runOwn = own;
            }
            x += widths(c);
            at += QChar::requiresSurrogates(c) ? 2 : 1;
        }
        drawRun(line.size());
    }
    p.restore();
    result.drawn = true;
    return result;
}

VerticalFont* SpecimenPainter::verticalFont(const QString& family, double pixelSize,
                                            const SpecimenStyle& style)
{
    Vertical& v = *m_vertical;
    const Vertical::FaceKey key{family, style.bold, style.italic};
    for (auto it = v.fonts.begin(); it != v.fonts.end(); ++it) {
        if ((*it)->key == key && (*it)->pixelSize == pixelSize) {
            std::rotate(it, it + 1, v.fonts.end());
            v.current = v.fonts.back().get();
            return v.current->font.get();
        }
    }
    auto face = v.faces.constFind(key);
    if (face == v.faces.constEnd())
        face = v.faces.insert(key, matchedFace(family, style.bold, style.italic));
    if (!face.value())
        return nullptr;
    const MatchedFace& f = *face.value();
    auto font = std::make_unique<Vertical::Font>();
    font->key = key;
    font->pixelSize = pixelSize;
    // A face without the asked-for weight or slant gets FreeType's bold and oblique.
    font->font = std::make_unique<VerticalFont>(f.file, f.faceIndex, pixelSize, style.bold && !f.bold,
                                                style.italic && !f.italic);
    if (!font->font->isValid())
        return nullptr;
    if (static_cast<int>(v.fonts.size()) >= Vertical::Kept)
        v.fonts.erase(v.fonts.begin());
    v.fonts.push_back(std::move(font));
    v.current = v.fonts.back().get();
    return v.current->font.get();
}

SpecimenResult SpecimenPainter::drawVertical(QPainter& p, const QRectF& area, const QString& family,
                                             const QString& text, const SpecimenStyle& style)
{
    SpecimenResult result;
    result.vertical = true;
    QPaintDevice* device = p.device();
    // Glyphs are made in device pixels, so nothing is scaled after them.
    const qreal ratio = device ? device->devicePixelRatioF() : 1;
    const qreal dpi = device ? device->logicalDpiY() : 96;
    const double pixelSize = style.pointSize * dpi / 72 * ratio;
    VerticalFont* font = verticalFont(horizontalFamilyName(family), pixelSize, style);
    if (!font)
        return result;
    Vertical::Font& kept = *m_vertical->current;
    if (kept.colour != style.fore.rgba()) {
        kept.pictures.clear();
        kept.colour = style.fore.rgba();
    }
    result.columns = font->layout(text, area.width() * ratio, area.height() * ratio);
    p.save();
    // Device pixels from the area's top left, on a whole pixel as the glyphs were made. A turn the
    // painter has (the sample list runs a column along its row) is kept; its scale is not.
    const QTransform toDevice = p.deviceTransform();
    const QPointF origin = toDevice.map(area.topLeft());
    p.setTransform(QTransform(toDevice.m11() / ratio, toDevice.m12() / ratio, toDevice.m21() / ratio,
                              toDevice.m22() / ratio, std::round(origin.x()), std::round(origin.y())) *
                   QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRgb premultiplied = qPremultiply(style.fore.rgba());
    for (const PlacedGlyph& g : result.columns.glyphs) {
        const quint64 key = quint64{g.glyph} << 1 | (g.sideways ? 1 : 0);
        auto picture = kept.pictures.constFind(key);
        if (picture == kept.pictures.constEnd()) {
            const GlyphBitmap& b = font->bitmap(g.glyph, g.sideways);
            QImage image;
            if (b.width > 0 && b.height > 0) {
                image = QImage(b.width, b.height, QImage::Format_ARGB32_Premultiplied);
                for (int y = 0; y < b.height; ++y) {
                    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                    const std::uint8_t* cover = b.coverage.data() + static_cast<std::size_t>(y) * b.width;
                    for (int x = 0; x < b.width; ++x) {
                        const unsigned a = cover[x];
                        line[x] = qRgba(qRed(premultiplied) * a / 255, qGreen(premultiplied) * a / 255,
                                        qBlue(premultiplied) * a / 255, qAlpha(premultiplied) * a / 255);
                    }
                }
                image.setOffset(QPoint(b.left, b.top));
            }
            picture = kept.pictures.insert(key, image);
        }
        if (!picture->isNull())
            p.drawImage(
                QPointF(std::round(g.x) + picture->offset().x(), std::round(g.y) + picture->offset().y()),
                *picture);
    }
    p.restore();
    result.drawn = true;
    return result;
}

} // namespace typecask
