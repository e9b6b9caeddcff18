#include "widgets/family_text.h"

#include "core/fontconfig_source.h"

#include <QPainter>
#include <QStyle>

namespace typecask {

namespace {
QFont sampleFont(const QString& family, int pointSize, bool bold, bool italic)
{
    QFont font;
    font.setFamilies({family}); // the name as it is, commas and all
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false); // characters sit where their own widths put them
    return font;
}
} // namespace

FamilyFonts::FamilyFonts(const QString& family, const QString& fallbackFamily, int pointSize, bool bold,
                         bool italic)
    : m_hasFallback(!fallbackFamily.isEmpty()), m_own(sampleFont(family, pointSize, bold, italic)),
      m_fallback(sampleFont(m_hasFallback ? fallbackFamily : family, pointSize, bold, italic)),
      m_ownMetrics(m_own), m_fallbackMetrics(m_fallback)
{
    if (m_hasFallback) {
        m_own.setStyleStrategy(QFont::NoFontMerging);
        m_ownMetrics = QFontMetricsF(m_own);
    }
}

qreal drawFamilyText(QPainter& painter, const QPointF& origin, QStringView text, const FamilyFonts& fonts)
{
    qreal x = origin.x();
    fonts.forEachRun(text, [&](QStringView run, bool own) {
        const QString part = run.toString();
        painter.setFont(own ? fonts.own() : fonts.fallback());
        painter.drawText(QPointF(x, origin.y()), part);
        x += (own ? fonts.ownMetrics() : fonts.fallbackMetrics()).horizontalAdvance(part);
    });
    return x - origin.x();
}

FamilyFontCache::FamilyFontCache(qsizetype capacity) : m_capacity(std::max<qsizetype>(capacity, 1)) {}

FamilyFontCache& FamilyFontCache::shared()
{
    static FamilyFontCache cache;
    return cache;
}

std::shared_ptr<const FamilyFonts> FamilyFontCache::fonts(const QString& family, int pointSize, bool bold,
                                                          bool italic)
{
    const Key key{family, pointSize, bold, italic};
    if (const auto hit = m_index.constFind(key); hit != m_index.constEnd()) {
        m_order.splice(m_order.begin(), m_order, hit.value());
        return m_order.front().fonts;
    }
    auto fonts =
        std::make_shared<const FamilyFonts>(family, japaneseFallbackFor(family), pointSize, bold, italic);
    m_order.push_front({key, fonts});
    m_index.insert(key, m_order.begin());
    while (size() > m_capacity) {
        m_index.remove(m_order.back().key);
        m_order.pop_back();
    }
    return fonts;
}

void FamilyFontCache::clear()
{
    m_index.clear();
    m_order.clear();
}

void FamilyTextLabel::paintEvent(QPaintEvent* event)
{
    const QFont& f = font();
    if (f.pointSize() <= 0 || text().contains(u'\n')) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    const auto fonts = FamilyFontCache::shared().fonts(f.family(), f.pointSize(), f.bold(), f.italic());
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QFontMetricsF& fm = fonts->ownMetrics();
    const qreal baseline = area.top() + (area.height() - fm.height()) / 2 + fm.ascent();
    p.setPen(palette().color(foregroundRole()));
    p.setClipRect(area);
    drawFamilyText(p, QPointF(area.left(), baseline), text(), *fonts);
}

} // namespace typecask
