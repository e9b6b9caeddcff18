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

// The elements before an open one under the same parent kept for sibling selectors.
constexpr std::size_t MaxSiblingsKept = 16;
// Ancestors and rules compared for one element before the rest are taken as not matching.
constexpr int MatchStepsPerElement = 50000;

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

struct CssFontCheck::SheetReading
{
    int left = MaxStyleSheets;
    std::set<QString> seen;
    CssFileResult* result = nullptr;
};

// The reading of one page: an HTML tokenizer just deep enough to tell tags, comments, text and
// the raw text of <style> and <script> apart, with the open elements as selectors see them and
// the list each one's text belongs to.
class CssFontCheck::Page
{
public:
    Page(CssFontCheck& check, QString baseDir, SheetReading& sheets);

    void feedLine(QByteArrayView line);
    void finish();

private:
    enum class State : unsigned char { Text, Tag, Comment, RawText };

    void text(QByteArrayView line, qsizetype& i);
    void tag(QByteArrayView line, qsizetype& i);
    void startTag();
    void comment(QByteArrayView line, qsizetype& i);
    void rawText(QByteArrayView line, qsizetype& i);
    void endTag();
    void addCharacter(char32_t c);
    void readSheet(std::string_view href);
    // After rules are added: the open elements' lists again, while they are only html, head
    // and body (the rules of a page's head style the root and the body that came before them).
    void rulesAdded();
    // The list of the element at path index at, from its attributes and its parent's list.
    int elementList(std::size_t at);
    int currentList() const { return m_lists[m_depth - 1]; }
    // The element at at from the tag's name and attributes.
    void fill(std::size_t at, std::string_view name);

    CssFontCheck& m_check;
    QString m_baseDir;
    SheetReading& m_sheets;
    State m_state = State::Text;
    std::string m_tag;
    char m_tagQuote = 0;
    char m_tagLast = 0; // the last character before, not a space
    bool m_tagOverflow = false;
    int m_dashes = 0;          // "-" just before, in a comment
    std::string m_rawEnd;      // "</style" or "</script" ... while in raw text
    bool m_rawIsStyle = false; // raw text that is CSS
    // A <style> block is kept whole up to a size and read only if it was not read before (a
    // page made of one page repeated, or one block per article, repeats it); a longer one is
    // read as it comes.
    std::string m_styleText;
    std::unique_ptr<CssDeclarationScanner> m_style; // while a long block is read as it comes
    void startStyle();
    void styleText(QByteArrayView css);
    void endStyle();
    // The open elements from the root down, with html and body always there as parsers
    // imply them, and the list each one's text belongs to (-1: the page's default font).
    std::vector<CascadeElement> m_path;
    std::vector<int> m_lists;
    std::vector<std::string> m_styleAttributes; // of each open element, for a body met late
    std::size_t m_depth = 2;                    // the open ones; those after are kept for reuse
    // The elements before each open one under its parent (while rules ask for them), and how
    // many came before it.
    CascadeSiblings m_siblings;
    std::vector<std::size_t> m_childCount;
    std::vector<Attribute> m_attributes;
};

CssFontCheck::Page::Page(CssFontCheck& check, QString baseDir, SheetReading& sheets)
    : m_check(check), m_baseDir(std::move(baseDir)), m_sheets(sheets)
{
    m_path.resize(2);
    m_path[0].name = "html";
    m_path[1].name = "body";
    m_lists = {-1, -1};
    m_styleAttributes.resize(2);
    m_siblings.resize(3);
    m_childCount.resize(3);
}

void CssFontCheck::Page::addCharacter(char32_t c)
{
    if (!needsGlyph(c))
        return;
    m_check.m_pageText.add(c);
    if (const int list = currentList(); list >= 0)
        m_check.m_lists[static_cast<std::size_t>(list)].text.add(c);
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
    else if (m_state == State::RawText && m_rawIsStyle)
        styleText("\n");
    else if (m_state == State::Comment)
        m_dashes = 0;
}

void CssFontCheck::Page::text(QByteArrayView line, qsizetype& i)
{
    const qsizetype n = line.size();
    const auto* p = reinterpret_cast<const unsigned char*>(line.data());
    const int list = currentList();
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
    startTag();
}

void CssFontCheck::Page::readSheet(std::string_view href)
{
    const QString path = relativeSheetPath(decodeEntities(href), m_baseDir);
    if (path.isEmpty())
        return;
    m_check.scanSheet(path, m_sheets);
    rulesAdded();
}

void CssFontCheck::Page::rulesAdded()
{
    if (m_depth > 3 || (m_depth == 3 && m_path[2].name != "head"))
        return;
    for (std::size_t at = 0; at < m_depth; ++at)
        m_lists[at] = elementList(at);
}

int CssFontCheck::Page::elementList(std::size_t at)
{
    const CascadeElement& e = m_path[at];
    const int parent = at == 0 ? -1 : m_lists[at - 1];
    FontValue own;
    bool ownImportant = false;
    if (!m_styleAttributes[at].empty()) {
        // The last font-family or font of the attribute wins, an important one over the rest.
        CssDeclarationScanner::Handler h;
        h.declaration = [&](const CssDeclaration& d) {
            const FontValue v = m_check.declaration(d, CssSource::StyleAttribute);
            if (v.kind != FontValue::Kind::None && (d.important || !ownImportant)) {
                own = v;
                ownImportant = d.important;
            }
        };
        CssDeclarationScanner scanner(std::move(h), true);
        const std::string& css = m_styleAttributes[at];
        scanner.feed(QByteArrayView(css.data(), static_cast<qsizetype>(css.size())));
        scanner.finish();
    }
    int face = -1;
    if (e.name == "font") {
        // <font face> is a hint below every style rule, as browsers rank it.
        if (const std::string* value = e.attribute("face")) {
            std::vector<CssFamily> families = parseFontFamilyValue(QString::fromUtf8(*value));
            std::erase_if(families,
                          [](const CssFamily& f) { return f.name.toUtf8().size() > MaxFontNameBytes; });
            if (!families.empty())
                face = m_check.addList(std::move(families),
                                       QByteArrayView(value->data(), static_cast<qsizetype>(value->size())),
                                       CssSource::StyleAttribute);
        }
    }
    return m_check.cascade(m_path, m_check.rulesNeedSiblings() ? &m_siblings : nullptr, at, parent, own,
                           ownImportant, face);
}

void CssFontCheck::Page::startTag()
{
    const bool selfClosing = m_tag.back() == '/';
    std::string_view name = tagName(m_tag);
    const ElementKind kind = elementKind(name);
    const bool font = is(name, "font");
    // html and body come before the rules, and their lang and classes count for all the page.
    if (kind == ElementKind::Link || font || is(name, "html") || is(name, "body") ||
        m_check.rulesNeedAttributes() || mayHoldStyle(m_tag, name.size()))
        name = parseTag(m_tag, m_attributes);
    else
        m_attributes.clear();

    if (kind == ElementKind::Link) {
        std::string_view rel, href;
        for (const Attribute& a : m_attributes) {
            if (a.name == "rel")
                rel = a.value;
            else if (a.name == "href")
                href = a.value;
        }
        // A sheet is read where it is linked: its rules style what follows.
        const std::string r = " " + lowered(rel) + " ";
        if (r.find(" stylesheet ") != std::string::npos)
            readSheet(href);
        return;
    }
    if (kind == ElementKind::RawText) {
        if (selfClosing)
            return;
        m_state = State::RawText;
        m_rawEnd = "</" + std::string(name);
        m_rawIsStyle = is(name, "style");
        m_styleText.clear();
        m_style.reset();
        return;
    }

    if (is(name, "html") || is(name, "body")) {
        // The element parsers imply anyway: its attributes now, for it and what follows.
        const std::size_t at = is(name, "html") ? 0 : 1;
        const std::string lang = at == 1 ? m_path[0].lang : std::string();
        fill(at, name);
        if (m_path[at].lang.empty())
            m_path[at].lang = lang;
        if (at == 0 && m_path[1].lang.empty())
            m_path[1].lang = m_path[0].lang;
        m_lists[at] = elementList(at);
        if (at == 0)
            m_lists[1] = elementList(1);
        return;
    }
    if (kind == ElementKind::ClosesSibling && m_depth > 2 && is(m_path[m_depth - 1].name, name))
        --m_depth;
    if (m_depth >= 4096)
        return;
    // The open elements' storage is kept and reused: a page opens millions of them.
    if (m_path.size() == m_depth) {
        m_path.emplace_back();
        m_lists.push_back(-1);
        m_styleAttributes.emplace_back();
        m_siblings.emplace_back();
        m_childCount.push_back(0);
    }
    const std::size_t at = m_depth++;
    fill(at, name);
    if (m_path[at].lang.empty())
        m_path[at].lang = m_path[at - 1].lang;
    // head stands under body here; it is no sibling of what the body holds.
    if (!is(name, "head")) {
        m_path[at].index = m_childCount[at]++;
        if (m_check.rulesNeedSiblings()) {
            std::vector<CascadeElement>& before = m_siblings[at];
            if (before.size() > MaxSiblingsKept)
                before.erase(before.begin());
            before.push_back(m_path[at]);
        }
    }
    // Its children start a list of their own.
    m_siblings[at + 1].clear();
    m_childCount[at + 1] = 0;
    m_lists[at] = elementList(at);
    if (selfClosing || kind == ElementKind::Void)
        --m_depth; // no text of its own; its style attribute's lists are the page's all the same
}

void CssFontCheck::Page::fill(std::size_t at, std::string_view name)
{
    CascadeElement& e = m_path[at];
    e.name.assign(name);
    e.id.clear();
    e.classes.clear();
    e.attributes.clear();
    e.lang.clear();
    e.index = 0;
    std::string& style = m_styleAttributes[at];
    style.clear();
    const bool otherAttributes = m_check.rulesTestAttributes();
    for (const Attribute& a : m_attributes) {
        if (a.name == "style") {
            style = decodeEntities(a.value);
        } else if (a.name == "id") {
            e.id = decodeEntities(a.value);
        } else if (a.name == "class") {
            e.classes = " ";
            for (char c : decodeEntities(a.value))
                if (!isSpace(c) || e.classes.back() != ' ')
                    e.classes += isSpace(c) ? ' ' : c;
            if (e.classes.back() != ' ')
                e.classes += ' ';
        } else if (a.name == "lang") {
            e.lang = lowered(decodeEntities(a.value));
        }
        if ((otherAttributes || a.name == "face") && e.attributes.size() < 32 && a.value.size() <= 1024)
            e.attributes.emplace_back(std::string(a.name), decodeEntities(a.value));
    }
}

void CssFontCheck::Page::endTag()
{
    std::size_t i = 1;
    while (i < m_tag.size() && !isSpace(m_tag[i]) && m_tag[i] != '/') {
        m_tag[i] = lower(m_tag[i]);
        ++i;
    }
    const std::string_view name(m_tag.data() + 1, i - 1);
    // html and body stay open, as parsers keep them.
    for (std::size_t k = m_depth; k-- > 2;)
        if (is(m_path[k].name, name)) {
            m_depth = k;
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
    if (m_rawIsStyle)
        styleText(line.sliced(start, stop - start));
    if (end < 0) {
        i = n;
        return;
    }
    if (m_rawIsStyle)
        endStyle();
    m_rawIsStyle = false;
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
    if (m_state == State::RawText && m_rawIsStyle)
        endStyle();
    m_rawIsStyle = false;
}

void CssFontCheck::Page::startStyle()
{
    CssDeclarationScanner::Handler h;
    h.declaration = [this](const CssDeclaration& d) { m_check.styleRule(d); };
    h.fontFaceEnd = [this] { m_check.fontFaceEnd(); };
    h.import = [this](QByteArrayView target) {
        readSheet(std::string_view(target.data(), static_cast<std::size_t>(target.size())));
    };
    m_style = std::make_unique<CssDeclarationScanner>(std::move(h), false);
}

void CssFontCheck::Page::styleText(QByteArrayView css)
{
    if (m_style) {
        m_style->feed(css);
        return;
    }
    m_styleText.append(css.data(), static_cast<std::size_t>(css.size()));
    if (static_cast<qsizetype>(m_styleText.size()) > MaxCssChunkBytes * 16) {
        startStyle();
        m_style->feed(QByteArrayView(m_styleText.data(), static_cast<qsizetype>(m_styleText.size())));
        m_styleText.clear();
    }
}

void CssFontCheck::Page::endStyle()
{
    if (!m_style) {
        if (!m_check.m_styleBlocks.insert(std::hash<std::string>{}(m_styleText)).second) {
            m_styleText.clear();
            return;
        }
        startStyle();
        m_style->feed(QByteArrayView(m_styleText.data(), static_cast<qsizetype>(m_styleText.size())));
        m_styleText.clear();
    }
    m_style->finish();
    m_style.reset();
    rulesAdded();
}

QStringList CssWebFont::localNames() const
{
    QStringList names;
    for (qsizetype at = src.indexOf(u"local(", 0, Qt::CaseInsensitive); at >= 0;
         at = src.indexOf(u"local(", at + 1, Qt::CaseInsensitive)) {
        if (at > 0 && (src[at - 1].isLetterOrNumber() || src[at - 1] == u'-'))
            continue;
        const qsizetype close = src.indexOf(u')', at);
        if (close < 0)
            break;
        const std::vector<CssFamily> f = parseFontFamilyValue(src.sliced(at + 6, close - at - 6));
        if (f.size() == 1)
            names += f.front().name;
    }
    return names;
}

CssFontCheck::FontValue CssFontCheck::declaration(const CssDeclaration& d, CssSource source)
{
    FontValue v;
    if (d.inFontFace) {
        if (d.property == "font-family") {
            const std::vector<CssFamily> f = parseFontFamilyValue(QString::fromUtf8(d.value));
            m_faceFamily = f.size() == 1 ? f.front().name : QString();
        } else if (d.property == "src") {
            m_faceSrc = QString::fromUtf8(d.value).simplified().left(512);
        }
        return v;
    }
    const bool family = d.property == "font-family";
    if (d.property.startsWith("--")) {
        // Custom properties are taken page-wide, the last declared winning: pages set their font
        // stacks once, on :root.
        if (m_custom.size() < 4096 || m_custom.contains(QString::fromUtf8(d.property)))
            m_custom.insert(QString::fromUtf8(d.property), QString::fromUtf8(d.value).left(4096));
        return v;
    }
    if (!family && d.property != "font")
        return v;
    v.shorthand = !family;
    const QString value = QString::fromUtf8(d.value).trimmed();
    const QString word = value.toLower();
    if (word == u"inherit" || word == u"unset") {
        v.kind = FontValue::Kind::Inherit;
    } else if (word == u"initial") {
        v.kind = FontValue::Kind::Initial;
    } else if (word == u"revert" || word == u"revert-layer") {
        v.kind = FontValue::Kind::Revert;
    } else if (word.contains(u"var(")) {
        v.kind = FontValue::Kind::Var;
        v.raw = value;
    } else {
        std::vector<CssFamily> families = family ? parseFontFamilyValue(value) : parseFontShorthand(value);
        if (!family && families.empty() && isSystemFontKeyword(value))
            families = {CssFamily{u"system-ui"_qs, true}};
        // One rule with the name check: a name longer than a font name may be is no font's.
        std::erase_if(families, [](const CssFamily& f) { return f.name.toUtf8().size() > MaxFontNameBytes; });
        if (families.empty())
            return v; // an invalid declaration: dropped, as browsers drop it
        v.list = addList(std::move(families), d.value, source);
        if (v.list >= 0)
            v.kind = FontValue::Kind::List;
    }
    return v;
}

void CssFontCheck::styleRule(const CssDeclaration& d)
{
    const FontValue v = declaration(d, CssSource::StyleSheet);
    if (v.kind == FontValue::Kind::None || d.selectors.isEmpty())
        return;
    // The same rule met again (a page repeated, a sheet linked twice) is kept once.
    std::string key(d.selectors.data(), static_cast<std::size_t>(d.selectors.size()));
    key += '\x1f';
    key.append(d.value.data(), static_cast<std::size_t>(d.value.size()));
    key += d.important ? "\x1f!" : "\x1f";
    key += v.shorthand ? "f" : "ff";
    if (static_cast<qsizetype>(m_rules.size()) >= MaxFontRules || !m_ruleKeys.insert(std::move(key)).second)
        return;
    for (CssSelector& selector : CssSelector::parseList(
             std::string_view(d.selectors.data(), static_cast<std::size_t>(d.selectors.size())))) {
        if (selector.neverMatches())
            continue;
        const auto index = static_cast<std::uint32_t>(m_rules.size());
        if (!selector.keyId().empty())
            m_byId[selector.keyId()].push_back(index);
        else if (!selector.keyClass().empty())
            m_byClass[selector.keyClass()].push_back(index);
        else if (!selector.keyTag().empty())
            m_byTag[selector.keyTag()].push_back(index);
        else
            m_anyElement.push_back(index);
        // Most tags of a page are not parsed further unless some rule asks for their attributes.
        m_rulesNeedAttributes = m_rulesNeedAttributes || selector.usesAttributes();
        m_rulesTestAttributes = m_rulesTestAttributes || selector.testsAttributes();
        m_rulesNeedSiblings = m_rulesNeedSiblings || selector.needsSiblings();
        m_rules.push_back({std::move(selector), m_order++, d.important, v});
    }
}

void CssFontCheck::fontFaceEnd()
{
    const CssWebFont face{m_faceFamily, m_faceSrc};
    m_faceFamily.clear();
    m_faceSrc.clear();
    if (!face.family.isEmpty() && std::find(m_webFonts.begin(), m_webFonts.end(), face) == m_webFonts.end())
        m_webFonts.push_back(face);
}

int CssFontCheck::defaultStyleList(const std::string& element)
{
    // The browser's own style sheet: monospace for code, the system font for form controls.
    const auto made = [this](int& list, const char* generic) {
        if (list == -2)
            list = addList({CssFamily{QString::fromLatin1(generic), true}}, generic, CssSource::DefaultStyle);
        return list;
    };
    static const std::set<std::string, std::less<>> monospace = {"code", "kbd",  "listing", "plaintext",
                                                                 "pre",  "samp", "tt",      "xmp"};
    static const std::set<std::string, std::less<>> controls = {"button", "input",    "select",
                                                                "option", "optgroup", "textarea"};
    if (monospace.contains(element))
        return made(m_monospaceList, "monospace");
    if (controls.contains(element))
        return made(m_systemList, "system-ui");
    return -2;
}

int CssFontCheck::valueList(const FontValue& v, int parent, const std::string& element)
{
    switch (v.kind) {
    case FontValue::Kind::List:
        return v.list;
    case FontValue::Kind::Inherit:
        return parent;
    case FontValue::Kind::Initial:
        return -1;
    case FontValue::Kind::Revert:
    case FontValue::Kind::None: {
        const int byDefault = defaultStyleList(element);
        return byDefault >= -1 ? byDefault : parent;
    }
    case FontValue::Kind::Var: {
        // var(--name) and var(--name, fallback), nested fallbacks too, replaced by their values.
        QString value = v.raw;
        for (int round = 0; round < 8 && value.contains(u"var(", Qt::CaseInsensitive); ++round) {
            const qsizetype at = value.indexOf(u"var(", 0, Qt::CaseInsensitive);
            qsizetype close = at + 4;
            for (int depth = 1; close < value.size(); ++close) {
                depth += value[close] == u'(' ? 1 : value[close] == u')' ? -1 : 0;
                if (depth == 0)
                    break;
            }
            if (close >= value.size())
                return parent; // invalid at computed time: the property inherits
            const QString inner = value.sliced(at + 4, close - at - 4);
            const qsizetype comma = inner.indexOf(u',');
            const QString name = (comma < 0 ? inner : inner.first(comma)).trimmed();
            QString replacement;
            if (const auto it = m_custom.constFind(name); it != m_custom.cend())
                replacement = *it;
            else if (comma >= 0)
                replacement = inner.sliced(comma + 1);
            else
                return parent;
            value.replace(at, close - at + 1, replacement);
        }
        const QByteArray bytes = value.toUtf8();
        CssDeclaration d;
        d.property = v.shorthand ? QByteArrayView("font") : QByteArrayView("font-family");
        d.value = bytes;
        const FontValue resolved = declaration(d, CssSource::StyleSheet);
        return resolved.kind == FontValue::Kind::Var || resolved.kind == FontValue::Kind::None
                   ? parent
                   : valueList(resolved, parent, element);
    }
    }
    return parent;
}

int CssFontCheck::cascade(const std::vector<CascadeElement>& path, const CascadeSiblings* siblings,
                          std::size_t at, int parent, const FontValue& own, bool ownImportant, int face)
{
    const CascadeElement& e = path[at];
    // The winner so far, ranked by importance, then a style attribute over rules, then
    // specificity, then order.
    const Rule* best = nullptr;
    const auto better = [](const Rule& a, const Rule* b) {
        if (!b)
            return true;
        if (a.important != b->important)
            return a.important;
        if (a.selector.specificity() != b->selector.specificity())
            return a.selector.specificity() > b->selector.specificity();
        return a.order > b->order;
    };
    // The work one element may cost: a page of deep nesting and many descendant rules would
    // otherwise take time by their product.
    int budget = MatchStepsPerElement;
    const auto consider = [&](const std::vector<std::uint32_t>& rules) {
        for (std::uint32_t i : rules) {
            const Rule& r = m_rules[i];
            if (better(r, best) && r.selector.matches(path, at, budget, siblings))
                best = &r;
        }
    };
    if (!m_rules.empty()) {
        if (!e.id.empty())
            if (const auto it = m_byId.find(e.id); it != m_byId.end())
                consider(it->second);
        if (!e.classes.empty() && !m_byClass.empty()) {
            std::size_t from = 1;
            while (from < e.classes.size()) {
                const std::size_t to = e.classes.find(' ', from);
                if (const auto it = m_byClass.find(e.classes.substr(from, to - from)); it != m_byClass.end())
                    consider(it->second);
                from = to + 1;
            }
        }
        if (const auto it = m_byTag.find(e.name); it != m_byTag.end())
            consider(it->second);
        consider(m_anyElement);
    }
    FontValue chosen;
    if (own.kind != FontValue::Kind::None && (ownImportant || !best || !best->important))
        chosen = own;
    else if (best)
        chosen = best->value;
    else if (face >= 0)
        chosen = FontValue{FontValue::Kind::List, face, false, {}};
    return valueList(chosen, parent, e.name);
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

void CssFontCheck::resetRules()
{
    // A page's rules style that page only; its lists, their text and the web fonts are kept.
    m_rules.clear();
    m_byId.clear();
    m_byClass.clear();
    m_byTag.clear();
    m_anyElement.clear();
    m_ruleKeys.clear();
    m_styleBlocks.clear();
    m_rulesNeedAttributes = m_rulesTestAttributes = m_rulesNeedSiblings = false;
    m_order = 0;
    m_custom.clear();
}

void CssFontCheck::scanText(QByteArrayView html, const QString& baseDir)
{
    resetRules();
    CssFileResult ignored;
    SheetReading sheets;
    sheets.result = &ignored;
    Page page(*this, baseDir, sheets);
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
}

CssFileResult CssFontCheck::scanFile(const QString& path, const std::function<void(qint64 line)>& progress)
{
    CssFileResult result;
    result.path = path;
    HtmlLineReader reader;
    if (!reader.open(path)) {
        result.status = CssFileResult::Status::Failed;
        result.error = reader.error();
        return result;
    }
    SheetReading sheets;
    sheets.result = &result;
    resetRules();
    auto page = std::make_unique<Page>(*this, QFileInfo(path).absolutePath(), sheets);
    for (qint64 lineNumber = 0;; ++lineNumber) {
        if (progress && lineNumber % 100 == 0)
            progress(lineNumber);
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
            // Lists met so far were read from the same bytes; the tags and rules are read again.
            resetRules();
            sheets = SheetReading{MaxStyleSheets, {}, &result};
            result.styleSheets.clear();
            result.unreadSheets.clear();
            page = std::make_unique<Page>(*this, QFileInfo(path).absolutePath(), sheets);
            continue;
        }
        page->feedLine(line);
    }
    page->finish();
    result.encoding = reader.encoding();
    return result;
}

void CssFontCheck::scanSheet(const QString& path, SheetReading& reading)
{
    if (reading.left <= 0 || !reading.seen.insert(path).second)
        return;
    --reading.left;
    CssFileResult& result = *reading.result;
    HtmlLineReader reader;
    if (!reader.open(path)) {
        result.unreadSheets += path + u": "_qs + reader.error();
        return;
    }
    result.styleSheets += path;
    const QString dir = QFileInfo(path).absolutePath();
    CssDeclarationScanner::Handler h;
    h.declaration = [this](const CssDeclaration& d) { styleRule(d); };
    h.fontFaceEnd = [this] { fontFaceEnd(); };
    h.import = [&](QByteArrayView target) {
        // Imported rules come before the importing sheet's own.
        const QString sheet =
            relativeSheetPath(std::string_view(target.data(), static_cast<std::size_t>(target.size())), dir);
        if (!sheet.isEmpty())
            scanSheet(sheet, reading);
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
            continue; // rules are kept once each: what was found before is found again
        }
        scanner.feed(line);
        scanner.feed("\n");
    }
    scanner.finish();
}

std::vector<CssFamilyList> CssFontCheck::lists() const
{
    return m_lists;
}

void CssFontCheck::clear()
{
    m_lists.clear();
    m_keys.clear();
    m_webFonts.clear();
    m_pageText = CharacterSet{};
    resetRules();
    m_monospaceList = m_systemList = -2;
}

} // namespace typecask
