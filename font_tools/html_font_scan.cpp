#include "font_tools/html_font_scan.h"

#include "core/ascii.h"
#include "core/cp932.h"
#include "core/font_catalog.h"
#include "font_tools/html_line_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace typecask {

namespace {

// The next occurrence of one byte in a line, for searches whose start only moves forward: each
// byte of the line is looked at once however many searches there are.
class NextByte
{
public:
    NextByte(QByteArrayView line, char c) : m_line(line), m_c(c) {}
    qsizetype at(qsizetype from)
    {
        if (m_cached == None || m_cached >= from)
            return m_cached;
        if (from >= m_line.size())
            return m_cached = None;
        const void* hit = std::memchr(m_line.data() + from, m_c, static_cast<size_t>(m_line.size() - from));
        return m_cached = hit ? static_cast<const char*>(hit) - m_line.data() : None;
    }

private:
    static constexpr qsizetype None = -1;
    QByteArrayView m_line;
    char m_c;
    qsizetype m_cached = -2; // not searched yet
};

qsizetype earliest(std::initializer_list<qsizetype> positions)
{
    qsizetype best = -1;
    for (qsizetype p : positions)
        if (p >= 0 && (best < 0 || p < best))
            best = p;
    return best;
}

QString nameFromUtf8(QByteArrayView bytes)
{
    // fromUtf8 would drop a leading U+FEFF, which is part of the name here.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QChar(0xFEFF) + QString::fromUtf8(bytes.sliced(3));
    return QString::fromUtf8(bytes);
}

} // namespace

bool isHtmlPath(const QString& path)
{
    return path.endsWith(u"htm", Qt::CaseInsensitive) || path.endsWith(u"html", Qt::CaseInsensitive);
}

qsizetype findEqualsSign(QByteArrayView text, qsizetype start)
{
    qsizetype i = std::max<qsizetype>(start, 0);
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i < text.size() && text[i] == '=' ? i : -1;
}

void scanFaceAttribute(QByteArrayView line, QByteArrayView key, std::vector<QByteArrayView>& values)
{
    const qsizetype n = line.size();
    const qsizetype k = key.size();
    if (k == 0)
        return;
    const char first = ascii::lower(key[0]);
    const char firstUpper = first >= 'a' && first <= 'z' ? static_cast<char>(first - 32) : first;
    NextByte lower(line, first), upper(line, firstUpper), quote(line, '"'), gt(line, '>');
    const auto keyAt = [&](qsizetype at) {
        if (at + k > n)
            return false;
        for (qsizetype i = 0; i < k; ++i)
            if (ascii::lower(line[at + i]) != ascii::lower(key[i]))
                return false;
        return true;
    };
    qsizetype p = 0;
    while (p < n) {
        qsizetype at = -1;
        for (qsizetype from = p;;) {
            const qsizetype c = earliest({lower.at(from), upper.at(from)});
            if (c < 0 || keyAt(c)) {
                at = c;
                break;
            }
            from = c + 1;
        }
        if (at < 0)
            break;
        const qsizetype e = findEqualsSign(line, at + k);
        if (e < 0) {
            p = at + k;
            continue;
        }
        qsizetype j = e + 1;
        while (j < n && line[j] == ' ')
            ++j;
        if (j >= n)
            break; // only spaces after the "=": no value
        qsizetype start = j;
        qsizetype end = -1;
        if (line[j] == '"') {
            start = j + 1;
            end = quote.at(j + 1);
            if (end < 0)
                end = gt.at(j + 1);
        } else {
            end = gt.at(j + 1);
            if (end < 0)
                end = quote.at(j + 1);
        }
        if (end < 0)
            end = n;
        values.push_back(line.sliced(start, end - start));
        // A key inside the value counts too, when an "=" follows it.
        p = start;
    }
}

void scanFontFamily(QByteArrayView line, std::vector<QByteArrayView>& values)
{
    static constexpr char Key[] = "font-family:";
    constexpr qsizetype KeyLength = sizeof Key - 1;
    const qsizetype n = line.size();
    NextByte semicolon(line, ';'), gt(line, '>'), brace(line, '}'), quote(line, '"');
    qsizetype p = 0;
    while (p < n) {
        const void* hit = memmem(line.data() + p, static_cast<size_t>(n - p), Key, KeyLength);
        if (!hit)
            break;
        const qsizetype start = static_cast<const char*>(hit) - line.data() + KeyLength;
        const qsizetype end = earliest({semicolon.at(start), gt.at(start), brace.at(start), quote.at(start)});
        if (end < 0) {
            values.push_back(line.sliced(start)); // to the end of the line, which ends the scan
            break;
        }
        values.push_back(line.sliced(start, end - start));
        p = start;
    }
}

HtmlFontCheck::HtmlFontCheck(const FontCatalog& catalog) : m_catalog(catalog) {}

const QSet<QString>& HtmlFontCheck::catalogNames()
{
    // Every list is searched for an exact match; the order of the lists cannot change the
    // outcome, so one set stands for all eight.
    if (!m_catalogRead) {
        for (int list = 0; list < CatalogListCount; ++list)
            for (const QString& name : m_catalog.names(list))
                m_catalogNames.insert(name);
        m_catalogRead = true;
    }
    return m_catalogNames;
}

void HtmlFontCheck::clear()
{
    m_found.clear();
    m_missing.clear();
    m_foundSet.clear();
    m_missingSet.clear();
    m_seen.clear();
}

bool HtmlFontCheck::AddFoundFont(const QString& name, const QString& catalogName)
{
    if (name != catalogName)
        return false;
    m_found.append(name);
    m_foundSet.insert(name);
    return true;
}

void HtmlFontCheck::AddFontNames(QByteArrayView value)
{
    std::array<QByteArrayView, 3> parts;
    qsizetype start = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // Only as far as a name may reach: a longer one drops the value.
        const qsizetype reach = std::min(value.size(), start + MaxFontNameBytes + 1);
        const qsizetype comma = value.first(reach).indexOf(',', start);
        const qsizetype end = comma >= 0 ? comma : reach;
        if (end - start > MaxFontNameBytes)
            return;
        parts[i] = value.sliced(start, end - start);
        if (comma < 0)
            break;
        start = comma + 1;
    }
    for (QByteArrayView part : parts) {
        for (char c : part)
            if (c == ';' || c == '&' || c == '<' || c == '>' || c == '"')
                return; // markup or an entity, not a name
        // A page declared UTF-8 may hold other bytes: each is read as U+FFFD, three bytes, and
        // the name as read must fit too.
        if (part.size() * 3 > MaxFontNameBytes && !cp932::isValidUtf8(part) &&
            QString::fromUtf8(part).toUtf8().size() > MaxFontNameBytes)
            return;
    }
    for (QByteArrayView part : parts) {
        if (part.startsWith(' '))
            part = part.sliced(1);
        if (!part.isEmpty())
            fileName(part);
    }
}

void HtmlFontCheck::fileName(QByteArrayView bytes)
{
    // A name met before is in one of the lists already, and the catalog does not change.
    if (!m_seen.emplace(bytes.data(), static_cast<std::size_t>(bytes.size())).second)
        return;
    const QString name = nameFromUtf8(bytes);
    if (m_foundSet.contains(name))
        return;
    const QSet<QString>& names = catalogNames();
    if (const auto it = names.constFind(name); it != names.cend() && AddFoundFont(name, *it))
        return;
    // The catalog lists a family by one name (its Japanese one where it has one); a page may
    // name it in any language the font carries, IPAPGothic for IPA Pゴシック.
    if (FontSource* source = m_catalog.source()) {
        const QString family = source->resolveFamily(name);
        if (!family.isEmpty() && names.contains(family)) {
            const QStringList known = source->familyNames(family);
            if (const auto it = std::find(known.cbegin(), known.cend(), name);
                it != known.cend() && AddFoundFont(name, *it))
                return;
        }
    }
    if (!m_missingSet.contains(name)) {
        m_missing.append(name);
        m_missingSet.insert(name);
    }
}

HtmlReadResult HtmlFontCheck::readFile(const QString& path, const Progress& progress)
{
    HtmlReadResult result;
    if (!isHtmlPath(path))
        return result;
    HtmlLineReader reader;
    if (!reader.open(path)) {
        result.status = HtmlReadResult::Status::Failed;
        result.error = reader.error();
        return result;
    }
    // Where the lists stood before this file, should it have to be read again from the top.
    const qsizetype foundBefore = m_found.size();
    const qsizetype missingBefore = m_missing.size();
    std::vector<QByteArrayView> values;
    qint64 lineNumber = 0;
    for (;;) {
        QByteArrayView line;
        const HtmlLineReader::Next next = reader.next(line);
        if (next == HtmlLineReader::Next::End)
            break;
        if (next == HtmlLineReader::Next::Failed) {
            result.status = HtmlReadResult::Status::Failed;
            result.error = reader.error();
            result.encoding = reader.encoding();
            result.lines = lineNumber;
            return result;
        }
        if (next == HtmlLineReader::Next::Restarted) {
            for (qsizetype i = foundBefore; i < m_found.size(); ++i)
                m_foundSet.remove(m_found[i]);
            for (qsizetype i = missingBefore; i < m_missing.size(); ++i)
                m_missingSet.remove(m_missing[i]);
            m_found.resize(foundBefore);
            m_missing.resize(missingBefore);
            m_seen.clear();
            lineNumber = 0;
            continue;
        }
        values.clear();
        scanFaceAttribute(line, "face", values);
        scanFontFamily(line, values);
        for (QByteArrayView v : values)
            AddFontNames(v);
        if (progress && lineNumber % 100 == 0)
            progress(lineNumber);
        ++lineNumber;
    }
    result.status = HtmlReadResult::Status::Read;
    result.encoding = reader.encoding();
    result.lines = lineNumber;
    return result;
}

} // namespace typecask
