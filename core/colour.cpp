#include "core/colour.h"

namespace typecask {

void SplitColor(std::int32_t colour, std::int32_t& red, std::int32_t& green, std::int32_t& blue)
{
    if (colour == NoColour)
        return;
    red = colour % 256;
    green = ((colour - red) / 256) % 256;
    blue = (colour - red - green * 256) / 65536;
}

QString ColorToHex(std::int32_t colour)
{
    std::int32_t r = 0, g = 0, b = 0;
    SplitColor(colour, r, g, b);
    auto two = [](std::int32_t v) { return QString::number(v, 16).toUpper().rightJustified(2, u'0'); };
    return two(r) + two(g) + two(b);
}

QString ReplaceAll(const QString& text, const QString& find, const QString& replacement)
{
    if (find.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = text.indexOf(find, start, Qt::CaseSensitive);
        if (at < 0)
            break;
        result += QStringView(text).mid(start, at - start);
        result += replacement;
        start = at + find.size();
    }
    result += QStringView(text).mid(start);
    return result;
}

} // namespace typecask
