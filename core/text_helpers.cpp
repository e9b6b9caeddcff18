#include "core/text_helpers.h"

#include <algorithm>

namespace typecask {

QString replaceAll(const QString& text, const QString& find, const QString& replacement)
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

QString twoHexDigits(int value)
{
    return QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

QString leftCodePoints(const QString& text, int limit)
{
    qsizetype i = 0;
    for (int n = 0; n < limit && i < text.size(); ++n)
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    return text.left(i);
}

int codePointCount(const QString& text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return n;
}

QString limitInsertion(const QString& before, const QString& after, int limit, int& cursor)
{
    if (codePointCount(after) <= limit)
        return after;
    // The unchanged head and tail around the edit; neither may split a surrogate pair.
    qsizetype head = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    if (head > 0 && after[head - 1].isHighSurrogate())
        --head;
    if (tail > 0 && after[after.size() - tail].isLowSurrogate())
        --tail;
    const QString kept = after.left(head) + after.right(tail);
    const QString inserted = after.mid(head, after.size() - head - tail);
    const QString fits = leftCodePoints(inserted, std::max(0, limit - codePointCount(kept)));
    cursor = static_cast<int>(head + fits.size());
    return leftCodePoints(after.left(head) + fits + after.right(tail), limit);
}

} // namespace typecask
