// Text drawn in one family the way the main preview draws it: the family's own glyphs with Qt's
// font merging off, and whatever the family lacks in the Japanese family of its kind (Mincho for
// serif families, else Gothic). A merging QFont makes Qt sort every installed face (FcFontSort)
// the first time a family lacks a character and keeps that list and its engines for the font's
// life: with thousands of families that costs seconds and gigabytes. Every window that draws
// many families in their own fonts shares one bounded cache of these.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <QString>
#include <QStringView>

#include <list>
#include <memory>

class QPainter;
class QPointF;

namespace typecask {

// One family at one size and style, with its fallback.
class FamilyFonts
{
public:
    FamilyFonts(const QString& family, const QString& fallbackFamily, int pointSize, bool bold, bool italic);

    const QFont& own() const { return m_own; }
    // The font of what own lacks; the same as own when the family keeps Qt's drawing (a symbol
    // font, or no Japanese family installed).
    const QFont& fallback() const { return m_fallback; }
    const QFontMetricsF& ownMetrics() const { return m_ownMetrics; }
    const QFontMetricsF& fallbackMetrics() const { return m_fallbackMetrics; }
    bool hasFallback() const { return m_hasFallback; }
    // Whether c is drawn in the family's own font.
    bool ownHas(char32_t c) const { return !m_hasFallback || m_ownMetrics.inFontUcs4(c); }

    // Calls run(text, own) for each stretch of text drawn in one of the two fonts, in order.
    template <typename Run> void forEachRun(QStringView text, Run&& run) const;

private:
    bool m_hasFallback;
    QFont m_own;
    QFont m_fallback;
    QFontMetricsF m_ownMetrics;
    QFontMetricsF m_fallbackMetrics;
};

// Draws text with its baseline starting at origin in the painter's pen, own glyphs in the
// family and the rest in its fallback, each run where the runs before it end. Returns the
// advance of the whole text.
qreal drawFamilyText(QPainter& painter, const QPointF& origin, QStringView text, const FamilyFonts& fonts);

// The fonts of recently drawn families, oldest dropped first so memory stays flat however many
// families are drawn.
class FamilyFontCache
{
public:
    explicit FamilyFontCache(qsizetype capacity = DefaultCapacity);

    // The one cache the windows share (GUI thread only).
    static FamilyFontCache& shared();

    std::shared_ptr<const FamilyFonts> fonts(const QString& family, int pointSize, bool bold = false,
                                             bool italic = false);
    qsizetype size() const { return static_cast<qsizetype>(m_order.size()); }
    qsizetype capacity() const { return m_capacity; }
    void clear();

    // Enough for several pages of the sample list in both directions at once.
    static constexpr qsizetype DefaultCapacity = 384;

private:
    struct Key
    {
        QString family;
        int pointSize;
        bool bold;
        bool italic;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) noexcept
    {
        return qHashMulti(seed, key.family, key.pointSize, key.bold, key.italic);
    }
    struct Entry
    {
        Key key;
        std::shared_ptr<const FamilyFonts> fonts;
    };

    qsizetype m_capacity;
    std::list<Entry> m_order; // most recently used first
    QHash<Key, std::list<Entry>::iterator> m_index;
};

// A one-line label that draws its text in its font's family as the preview does: what the family
// lacks in the Japanese family of its kind, never through Qt's font merging.
class FamilyTextLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

template <typename Run> void FamilyFonts::forEachRun(QStringView text, Run&& run) const
{
    if (!m_hasFallback) {
        if (!text.isEmpty())
            run(text, true);
        return;
    }
    qsizetype start = 0;
    bool runOwn = true;
    qsizetype at = 0;
    while (at < text.size()) {
        const bool pair = text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : text[at].unicode();
        const bool own = ownHas(c);
        if (own != runOwn) {
            if (at > start)
                run(text.mid(start, at - start), runOwn);
            start = at;
            runOwn = own;
        }
        at += pair ? 2 : 1;
    }
    if (at > start)
        run(text.mid(start, at - start), runOwn);
}

} // namespace typecask
