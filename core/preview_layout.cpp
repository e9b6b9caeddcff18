#include "core/preview_layout.h"

#include <QHashFunctions>

namespace typecask {

PreviewLines layoutPreview(const QString& text, double width, double height, double lineHeight,
                           const CharWidthFn& charWidth)
{
    PreviewLines out;
    QString pending;
    double sum = 0;
    double y = 0;
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        const char32_t c = static_cast<char32_t>(cp);
        const double w = charWidth(c);
        sum += w;
        if (sum > width) {
            out.lines.append(pending);
            y += lineHeight;
            if (y > height) {
                out.cut = true;
                return out;
            }
            pending = QString::fromUcs4(&c, 1);
            sum = w;
        } else {
            pending += QString::fromUcs4(&c, 1);
        }
    }
    out.lines.append(pending);
    return out;
}

CharWidthFn CharWidthCache::widths(const Key& key, CharWidthFn measure)
{
    QHash<char32_t, double>* known = &m_fonts[key];
    return [known, measure = std::move(measure)](char32_t c) {
        auto it = known->constFind(c);
        if (it != known->cend())
            return *it;
        const double w = measure(c);
        known->insert(c, w);
        return w;
    };
}

size_t CharWidthCache::KeyHash::operator()(const Key& key) const
{
    return qHashMulti(0, key.family, key.size, key.bold, key.italic);
}

int listColumnCount(int widthTwips)
{
    return std::max(1, widthTwips / 3000);
}

} // namespace typecask
