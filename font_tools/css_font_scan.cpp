#include "font_tools/css_font_scan.h"

#include "font_tools/html_font_scan.h"
#include "font_tools/html_line_reader.h"
#include "font_tools/html_tokenizer.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace typecask {

using namespace ascii;
using namespace html;

namespace {

// The local path of a stylesheet link relative to the page, empty when it leaves the disk
// (a scheme, a network path) or is not relative.
QString relativeSheetPath(std::string_view href, const QString& baseDir)
{
    QString ref = QString::fromUtf8(trimmed(href));
    if (ref.isEmpty() || baseDir.isEmpty() || ref.startsWith(u'/') || ref.startsWith(u'\\'))
        return {};
    const qsizetype colon = ref.indexOf(u':');
    const qsizetype slash = ref.indexOf(u'/');
    if (colon >= 0 && (slash < 0 || colon < slash))
        return {}; // http:, data:, file: ...
    const qsizetype cut = std::min<qsizetype>(ref.indexOf(u'?') < 0 ? ref.size() : ref.indexOf(u'?'),
                                              ref.indexOf(u'#') < 0 ? ref.size() : ref.indexOf(u'#'));
    ref = QUrl::fromPercentEncoding(ref.first(cut).toUtf8());
    if (ref.isEmpty())
        return {};
    return QDir::cleanPath(baseDir + u'/' + ref);
}

} // namespace

// ---- CssFontCheck ----

// The reading of one page: an HTML tokenizer just deep enough to tell tags, comments, text and
// the raw text of <style> and <script> apart, with the open elements and the list each one's
// text belongs to.
class CssFontCheck::Page
{
public:
    Page(CssFontCheck& check, QString baseDir) : m_check(check), m_baseDir(std::move(baseDir)) {}

    void feedLine(QByteArrayView line);
    void finish();
    const std::vector<QString>& sheets() const { return m_sheets; }

private:
    enum class State : unsigned char { Text, Tag, Comment, RawText };

    void text(QByteArrayView line, qsizetype& i);
    void tag(QByteArrayView line, qsizetype& i);
    void comment(QByteArrayView line, qsizetype& i);
    void rawText(QByteArrayView line, qsizetype& i);
    void endTag();
    void addCharacter(char32_t c);
    int styleAttributeList(std::string_view css);

    struct Element
    {
        std::string name;
        int list; // the list whose text this element's text is, -1: none
    };

    CssFontCheck& m_check;
    QString m_baseDir;
    State m_state = State::Text;
    std::string m_tag;
    char m_tagQuote = 0;
    char m_tagLast = 0; // the last character before, not a space
    bool m_tagOverflow = false;
    int m_dashes = 0;          // "-" just before, in a comment
    std::string m_rawEnd;      // "</style" or "</script" ... while in raw text
    bool m_rawIsStyle = false; // raw text that is CSS
    std::unique_ptr<CssDeclarationScanner> m_style;
    std::vector<Element> m_open;
    std::vector<Attribute> m_attributes;
    std::vector<QString> m_sheets;
    int m_lastStyleList = -1; // set while a style attribute is scanned
};

void CssFontCheck::Page::addCharacter(char32_t c)
{
    if (!needsGlyph(c))
        return;
    m_check.m_pageText.add(c);
    if (!m_open.empty() && m_open.back().list >= 0)
        m_check.m_lists[static_cast<std::size_t>(m_open.back().list)].text.add(c);
}

void CssFontCheck::Page::feedLine(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size()) {
        switch (m_state) {
        case State::Text:
            text(line, i);
            break;
        case State::Tag:
            tag(line, i);
            break;
        case State::Comment:
            comment(line, i);
            break;
        case State::RawText:
            rawText(line, i);
            break;
        }
    }
    // The line end.
    if (m_state == State::Tag && !m_tagOverflow)
        m_tag += '\n';
    else if (m_state == State::RawText && m_style)
        m_style->feed("\n");
    else if (m_state == State::Comment)
        m_dashes = 0;
}

void CssFontCheck::Page::text(QByteArrayView line, qsizetype& i)
{
    const qsizetype n = line.size();
    const auto* p = reinterpret_cast<const unsigned char*>(line.data());
    const int list = m_open.empty() ? -1 : m_open.back().list;
    CharacterSet& page = m_check.m_pageText;
    CharacterSet* own = list >= 0 ? &m_check.m_lists[static_cast<std::size_t>(list)].text : nullptr;
    // Plain ASCII, most of a page, gathers in a register first.
    std::uint64_t low = 0, high = 0;
    const auto flush = [&] {
        page.addAsciiBits(low, high);
        if (own)
            own->addAsciiBits(low, high);
        low = high = 0;
    };
    while (i < n) {
        while (i < n && p[i] < 0x80 && p[i] != '<' && p[i] != '&') {
            const unsigned char a = p[i++];
            (a < 64 ? low : high) |= std::uint64_t{1} << (a & 63);
        }
        if (i >= n)
            break;
        const unsigned char c = p[i];
        if (c == '<') {
            if (i + 1 < n &&
                (std::isalpha(p[i + 1]) || p[i + 1] == '/' || p[i + 1] == '!' || p[i + 1] == '?')) {
                if (p[i + 1] == '!' && i + 3 < n && p[i + 2] == '-' && p[i + 3] == '-') {
                    m_state = State::Comment;
                    m_dashes = 0;
                    i += 4;
                    flush();
                    return;
                }
                m_state = State::Tag;
                m_tag.clear();
                m_tagQuote = 0;
                m_tagLast = 0;
                m_tagOverflow = false;
                ++i;
                flush();
                return;
            }
        } else if (c == '&') {
            qsizetype semi = i + 1;
            while (semi < n && semi - i <= 12 && p[semi] != ';' && (std::isalnum(p[semi]) || p[semi] == '#'))
                ++semi;
            if (semi < n && p[semi] == ';') {
                if (const char32_t e = entityCharacter(
                        std::string_view(line.data() + i + 1, static_cast<std::size_t>(semi - i - 1)))) {
                    addCharacter(e);
                    i = semi + 1;
                    continue;
                }
            }
        }
        if (c < 0x80) {
            if (c > 0x20 && c != 0x7F) {
                page.addAscii(c);
                if (own)
                    own->addAscii(c);
            }
            ++i;
            continue;
        }
        // A UTF-8 sequence. The file reader hands out valid UTF-8, but text given straight to
        // scanText may not be: a broken sequence is one replacement character, as a browser shows it.
        const int len = c >= 0xF8 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        char32_t code = len == 4 ? c & 0x07 : len == 3 ? c & 0x0F : c & 0x1F;
        bool whole = len > 1 && i + len <= n;
        for (int k = 1; whole && k < len; ++k) {
            whole = (p[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        if (!whole || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            ++i;
            addCharacter(0xFFFD);
            continue;
        }
        i += len;
        addCharacter(code);
    }
    flush();
}

void CssFontCheck::Page::comment(QByteArrayView line, qsizetype& i)
{
    const qsizetype n = line.size();
    const char* d = line.data();
    while (i < n) {
        const void* gt = std::memchr(d + i, '>', static_cast<std::size_t>(n - i));
        const qsizetype end = gt ? static_cast<const char*>(gt) - d : n;
        // The dashes just before end, with those carried from before when they reach back.
        qsizetype k = end;
        while (k > i && d[k - 1] == '-')
            --k;
        const int dashes = static_cast<int>(end - k) + (k == i ? m_dashes : 0);
        if (!gt) {
            m_dashes = dashes;
            i = n;
            return;
        }
        i = end + 1;
        if (dashes >= 2) {
            m_state = State::Text;
            return;
        }
        m_dashes = 0;
    }
}

void CssFontCheck::Page::tag(QByteArrayView line, qsizetype& i)
{
    const qsizetype n = line.size();
    const qsizetype start = i;
    const char* d = line.data();
    while (i < n) {
        if (m_tagQuote) {
            const void* q = std::memchr(d + i, m_tagQuote, static_cast<std::size_t>(n - i));
            if (!q) {
                i = n;
                break;
            }
            i = static_cast<const char*>(q) - d + 1;
            m_tagQuote = 0;
            m_tagLast = '"';
            continue;
        }
        const qsizetype from = i;
        while (i < n && d[i] != '>' && d[i] != '"' && d[i] != '\'')
            ++i;
        // The last character before, not a space, for a quote that follows.
        for (qsizetype k = i; k-- > from;)
            if (!isSpace(d[k])) {
                m_tagLast = d[k];
                break;
            }
        if (i >= n || d[i] == '>')
            break;
        // A quote opens a value only after "=" (spaces may stand between).
        if (m_tagLast == '=')
            m_tagQuote = d[i];
        m_tagLast = d[i];
        ++i;
    }
    const qsizetype taken = i - start;
    if (!m_tagOverflow) {
        if (static_cast<qsizetype>(m_tag.size()) + taken > MaxCssChunkBytes)
            m_tagOverflow = true;
        else
            m_tag.append(line.data() + start, static_cast<std::size_t>(taken));
    }
    if (i >= n)
        return; // the tag goes on in the next line
    ++i;        // the ">"
    m_state = State::Text;
    if (m_tagOverflow) {
        // A tag too long to keep: its name is still known if it closes something.
        return;
    }
    if (m_tag.empty() || m_tag[0] == '!' || m_tag[0] == '?')
        return;
    if (m_tag[0] == '/') {
        endTag();
        return;
    }
    const bool selfClosing = m_tag.back() == '/';
    std::string_view name = tagName(m_tag);
    const ElementKind kind = elementKind(name);
    if (kind == ElementKind::Link || mayHoldStyle(m_tag, name.size()))
        name = parseTag(m_tag, m_attributes);
    else
        m_attributes.clear();
    if (kind == ElementKind::ClosesSibling && !m_open.empty() && is(m_open.back().name, name))
        m_open.pop_back();

    int list = m_open.empty() ? -1 : m_open.back().list;
    std::string_view rel, href;
    for (const Attribute& a : m_attributes) {
        if (a.name == "style") {
            if (const int own = styleAttributeList(decodeEntities(a.value)); own >= 0)
                list = own;
        } else if (a.name == "rel") {
            rel = a.value;
        } else if (a.name == "href") {
            href = a.value;
        }
    }
    if (kind == ElementKind::Link) {
        const std::string r = " " + lowered(rel) + " ";
        if (r.find(" stylesheet ") != std::string::npos) {
            const QString path = relativeSheetPath(decodeEntities(href), m_baseDir);
            if (!path.isEmpty())
                m_sheets.push_back(path);
        }
    }
    if (kind == ElementKind::RawText) {
        if (selfClosing)
            return;
        m_state = State::RawText;
        m_rawEnd = "</" + std::string(name);
        m_rawIsStyle = is(name, "style");
        if (m_rawIsStyle) {
            CssDeclarationScanner::Handler h;
            h.declaration = [this](QByteArrayView p, QByteArrayView v, bool f) {
                m_check.declaration(p, v, f, CssSource::StyleSheet);
            };
            h.fontFaceEnd = [this] { m_check.fontFaceEnd(); };
            h.import = [this](QByteArrayView target) {
                const QString path =
                    relativeSheetPath(std::string_view(target.data(), target.size()), m_baseDir);
                if (!path.isEmpty())
                    m_sheets.push_back(path);
            };
            m_style = std::make_unique<CssDeclarationScanner>(std::move(h), false);
        }
        return;
    }
    if (selfClosing || kind == ElementKind::Void)
        return;
    if (m_open.size() < 4096)
        m_open.push_back({std::string(name), list});
}

void CssFontCheck::Page::endTag()
{
    std::size_t i = 1;
    while (i < m_tag.size() && !isSpace(m_tag[i]) && m_tag[i] != '/') {
        m_tag[i] = lower(m_tag[i]);
        ++i;
    }
    const std::string_view name(m_tag.data() + 1, i - 1);
    for (std::size_t k = m_open.size(); k-- > 0;)
        if (is(m_open[k].name, name)) {
            m_open.resize(k);
            return;
        }
}

void CssFontCheck::Page::rawText(QByteArrayView line, qsizetype& i)
{
    const qsizetype n = line.size();
    const qsizetype start = i;
    qsizetype end = -1;
    for (qsizetype k = i; k < n; ++k) {
        const void* lt = std::memchr(line.data() + k, '<', static_cast<std::size_t>(n - k));
        if (!lt)
            break;
        k = static_cast<const char*>(lt) - line.data();
        if (k + 1 >= n || line[k + 1] != '/')
            continue;
        const qsizetype len = static_cast<qsizetype>(m_rawEnd.size());
        bool match = k + len <= n;
        for (qsizetype j = 2; match && j < len; ++j)
            match = lower(line[k + j]) == m_rawEnd[static_cast<std::size_t>(j)];
        if (match &&
            (k + len == n || isSpace(line[k + len]) || line[k + len] == '>' || line[k + len] == '/')) {
            end = k;
            break;
        }
    }
    const qsizetype stop = end < 0 ? n : end;
    if (m_rawIsStyle && m_style)
        m_style->feed(line.sliced(start, stop - start));
    if (end < 0) {
        i = n;
        return;
    }
    if (m_style) {
        m_style->finish();
        m_style.reset();
    }
    // The end tag itself is read as a tag.
    m_state = State::Tag;
    m_tag.clear();
    m_tagQuote = 0;
    m_tagLast = 0;
    m_tagOverflow = false;
    i = end + 1;
}

void CssFontCheck::Page::finish()
{
    if (m_style) {
        m_style->finish();
        m_style.reset();
    }
}

int CssFontCheck::declaration(QByteArrayView property, QByteArrayView value, bool inFontFace,
                              CssSource source)
{
    if (inFontFace) {
        if (property == "font-family") {
            const std::vector<CssFamily> f = parseFontFamilyValue(QString::fromUtf8(value));
            m_faceFamily = f.size() == 1 ? f.front().name : QString();
        } else if (property == "src") {
            m_faceSrc = QString::fromUtf8(value).simplified().left(512);
        }
        return -1;
    }
    std::vector<CssFamily> families;
    if (property == "font-family")
        families = parseFontFamilyValue(QString::fromUtf8(value));
    else if (property == "font")
        families = parseFontShorthand(QString::fromUtf8(value));
    // One rule with the name check: a name longer than a font name may be is no font's.
    std::erase_if(families, [](const CssFamily& f) { return f.name.toUtf8().size() > MaxFontNameBytes; });
    if (families.empty())
        return -1;
    return addList(std::move(families), value, source);
}

void CssFontCheck::fontFaceEnd()
{
    const CssWebFont face{m_faceFamily, m_faceSrc};
    m_faceFamily.clear();
    m_faceSrc.clear();
    if (!face.family.isEmpty() && std::find(m_webFonts.begin(), m_webFonts.end(), face) == m_webFonts.end())
        m_webFonts.push_back(face);
}

int CssFontCheck::Page::styleAttributeList(std::string_view css)
{
    m_lastStyleList = -1;
    CssDeclarationScanner::Handler h;
    h.declaration = [this](QByteArrayView p, QByteArrayView v, bool) {
        // The last font-family or font of the attribute wins.
        if (const int list = m_check.declaration(p, v, false, CssSource::StyleAttribute); list >= 0)
            m_lastStyleList = list;
    };
    CssDeclarationScanner scanner(std::move(h), true);
    scanner.feed(QByteArrayView(css.data(), static_cast<qsizetype>(css.size())));
    scanner.finish();
    return m_lastStyleList;
}

int CssFontCheck::addList(std::vector<CssFamily> families, QByteArrayView written, CssSource source)
{
    QString key;
    for (const CssFamily& f : families)
        key += (f.generic ? u"g:"_qs : u"n:"_qs) + f.name.toCaseFolded() + u'\x1f';
    if (const auto it = m_keys.constFind(key); it != m_keys.cend()) {
        const auto i = static_cast<std::size_t>(*it);
        m_lists[i].sources |= static_cast<unsigned char>(source);
        return *it;
    }
    if (static_cast<qsizetype>(m_lists.size()) >= MaxFamilyLists)
        return -1;
    CssFamilyList list;
    list.written = QString::fromUtf8(written).simplified();
    list.families = std::move(families);
    list.sources = static_cast<unsigned char>(source);
    m_lists.push_back(std::move(list));
    m_keys.insert(key, static_cast<int>(m_lists.size() - 1));
    return static_cast<int>(m_lists.size() - 1);
}

void CssFontCheck::scanText(QByteArrayView html, const QString& baseDir)
{
    Page page(*this, baseDir);
    qsizetype start = 0;
    while (start <= html.size()) {
        qsizetype end = start;
        while (end < html.size() && html[end] != '\n' && html[end] != '\r')
            ++end;
        page.feedLine(html.sliced(start, end - start));
        if (end < html.size() && html[end] == '\r' && end + 1 < html.size() && html[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    page.finish();
    CssFileResult ignored;
    std::set<QString> seen;
    int left = MaxStyleSheets;
    for (const QString& sheet : page.sheets())
        scanSheet(sheet, left, ignored, seen);
}

CssFileResult CssFontCheck::scanFile(const QString& path)
{
    CssFileResult result;
    result.path = path;
    HtmlLineReader reader;
    if (!reader.open(path)) {
        result.status = CssFileResult::Status::Failed;
        result.error = reader.error();
        return result;
    }
    auto page = std::make_unique<Page>(*this, QFileInfo(path).absolutePath());
    for (;;) {
        QByteArrayView line;
        const HtmlLineReader::Next next = reader.next(line);
        if (next == HtmlLineReader::Next::End)
            break;
        if (next == HtmlLineReader::Next::Failed) {
            result.status = CssFileResult::Status::Failed;
            result.error = reader.error();
            break;
        }
        if (next == HtmlLineReader::Next::Restarted) {
            // Lists met so far were read from the same bytes; the tags are read again.
            page = std::make_unique<Page>(*this, QFileInfo(path).absolutePath());
            continue;
        }
        page->feedLine(line);
    }
    page->finish();
    result.encoding = reader.encoding();
    std::set<QString> seen;
    int left = MaxStyleSheets;
    for (const QString& sheet : page->sheets())
        scanSheet(sheet, left, result, seen);
    return result;
}

void CssFontCheck::scanSheet(const QString& path, int& sheetsLeft, CssFileResult& result,
                             std::set<QString>& seen)
{
    if (sheetsLeft <= 0 || !seen.insert(path).second)
        return;
    --sheetsLeft;
    HtmlLineReader reader;
    if (!reader.open(path)) {
        result.unreadSheets += path + u": "_qs + reader.error();
        return;
    }
    result.styleSheets += path;
    std::vector<QString> imports;
    const QString dir = QFileInfo(path).absolutePath();
    CssDeclarationScanner::Handler h;
    h.declaration = [this](QByteArrayView p, QByteArrayView v, bool f) {
        declaration(p, v, f, CssSource::StyleSheet);
    };
    h.fontFaceEnd = [this] { fontFaceEnd(); };
    h.import = [&](QByteArrayView target) {
        const QString sheet =
            relativeSheetPath(std::string_view(target.data(), static_cast<std::size_t>(target.size())), dir);
        if (!sheet.isEmpty())
            imports.push_back(sheet);
    };
    CssDeclarationScanner scanner(std::move(h), false);
    for (;;) {
        QByteArrayView line;
        const HtmlLineReader::Next next = reader.next(line);
        if (next == HtmlLineReader::Next::End)
            break;
        if (next == HtmlLineReader::Next::Failed) {
            result.unreadSheets += path + u": "_qs + reader.error();
            break;
        }
        if (next == HtmlLineReader::Next::Restarted) {
            scanner = CssDeclarationScanner(CssDeclarationScanner::Handler{}, false);
            continue; // lists are kept once each: what was found before is found again
        }
        scanner.feed(line);
        scanner.feed("\n");
    }
    scanner.finish();
    for (const QString& sheet : imports)
        scanSheet(sheet, sheetsLeft, result, seen);
}

std::vector<CssFamilyList> CssFontCheck::lists() const
{
    std::vector<CssFamilyList> out = m_lists;
    for (CssFamilyList& l : out)
        if (l.sources & static_cast<unsigned char>(CssSource::StyleSheet))
            l.text.unite(m_pageText);
    return out;
}

void CssFontCheck::clear()
{
    m_lists.clear();
    m_keys.clear();
    m_webFonts.clear();
    m_pageText = CharacterSet{};
}

} // namespace typecask
