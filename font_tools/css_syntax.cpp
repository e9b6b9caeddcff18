#include "font_tools/css_syntax.h"

#include <QStringList>
#include <algorithm>
#include <string>

namespace typecask {

using namespace ascii;

namespace {

bool equalsNoCase(QStringView a, const char* b)
{
    return a.compare(QLatin1StringView(b), Qt::CaseInsensitive) == 0;
}

bool isOneOf(QStringView word, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return equalsNoCase(word, w); });
}

// ---- values ----

struct Token
{
    enum Kind { Ident, String, Number, Comma, Slash, Function, Other } kind;
    QString text;
};

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c.unicode() >= 0x80;
}

// A CSS escape after its backslash at v[i]: appends the character and moves i past it.
void readEscape(QStringView v, qsizetype& i, QString& out)
{
    if (i >= v.size())
        return;
    if (isHexDigit(v[i].unicode())) {
        char32_t code = 0;
        int digits = 0;
        while (i < v.size() && digits < 6 && isHexDigit(v[i].unicode())) {
            code = code * 16 + static_cast<char32_t>(QChar(v[i]).digitValue() >= 0
                                                         ? QChar(v[i]).digitValue()
                                                         : v[i].toLower().unicode() - u'a' + 10);
            ++i;
            ++digits;
        }
        if (i < v.size() && (v[i] == u' ' || v[i] == u'\t' || v[i] == u'\n'))
            ++i;
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            code = 0xFFFD;
        out += QString::fromUcs4(&code, 1);
        return;
    }
    if (v[i] != u'\n')
        out += v[i];
    ++i;
}

std::vector<Token> tokenize(QStringView v)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = v.size();
    while (i < n) {
        const QChar c = v[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'"' || c == u'\'') {
            QString s;
            ++i;
            while (i < n && v[i] != c) {
                if (v[i] == u'\\') {
                    ++i;
                    readEscape(v, i, s);
                } else {
                    s += v[i++];
                }
            }
            ++i;
            tokens.push_back({Token::String, s});
        } else if (c == u',') {
            tokens.push_back({Token::Comma, {}});
            ++i;
        } else if (c == u'/') {
            tokens.push_back({Token::Slash, {}});
            ++i;
        } else if (c.isDigit() ||
                   ((c == u'.' || c == u'+' || c == u'-') && i + 1 < n &&
                    (v[i + 1].isDigit() || (v[i + 1] == u'.' && i + 2 < n && v[i + 2].isDigit())))) {
            const qsizetype start = i++;
            while (i < n && (v[i].isLetterOrNumber() || v[i] == u'.' || v[i] == u'%'))
                ++i;
            tokens.push_back({Token::Number, v.sliced(start, i - start).toString()});
        } else if (isIdentChar(c) || c == u'\\') {
            QString s;
            while (i < n && (isIdentChar(v[i]) || v[i] == u'\\')) {
                if (v[i] == u'\\') {
                    ++i;
                    readEscape(v, i, s);
                } else {
                    s += v[i++];
                }
            }
            if (i < n && v[i] == u'(') {
                int depth = 0;
                for (; i < n; ++i) {
                    depth += v[i] == u'(' ? 1 : v[i] == u')' ? -1 : 0;
                    if (depth == 0) {
                        ++i;
                        break;
                    }
                }
                tokens.push_back({Token::Function, s});
            } else {
                tokens.push_back({Token::Ident, s});
            }
        } else {
            tokens.push_back({Token::Other, QString(c)});
            ++i;
        }
    }
    return tokens;
}

bool isCssWideKeyword(QStringView word)
{
    return isOneOf(word, {"inherit", "initial", "unset", "revert", "revert-layer", "default"});
}

std::vector<CssFamily> familyItems(const std::vector<Token>& tokens, std::size_t from)
{
    std::vector<CssFamily> families;
    std::size_t i = from;
    while (i <= tokens.size()) {
        std::size_t end = i;
        while (end < tokens.size() && tokens[end].kind != Token::Comma)
            ++end;
        if (end == i)
            return {}; // an empty item: the declaration is dropped
        CssFamily family;
        if (end - i == 1 && tokens[i].kind == Token::String) {
            family.name = tokens[i].text;
        } else {
            QStringList words;
            for (std::size_t k = i; k < end; ++k) {
                if (tokens[k].kind != Token::Ident)
                    return {};
                words += tokens[k].text;
            }
            if (words.size() == 1 && isCssWideKeyword(words.front()))
                return {};
            family.generic = words.size() == 1 && isGenericFamily(words.front());
            family.name = family.generic ? words.front().toLower() : words.join(u' ');
        }
        if (family.name.isEmpty())
            return {};
        families.push_back(std::move(family));
        i = end + 1;
    }
    return families;
}

// The target of an @import: url(x), url("x") or "x".
std::string importTarget(std::string_view rule)
{
    std::string_view s = trimmed(rule);
    if (startsWithNoCase(s, "url(")) {
        s.remove_prefix(4);
        const std::size_t close = s.find(')');
        s = trimmed(s.substr(0, close));
    }
    if (!s.empty() && (s.front() == '"' || s.front() == '\'')) {
        const std::size_t close = s.find(s.front(), 1);
        s = s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    } else {
        s = s.substr(0, std::min(s.find(' '), s.size()));
    }
    return std::string(s);
}

} // namespace

bool isGenericFamily(QStringView name)
{
    return isOneOf(name, {"serif", "sans-serif", "monospace", "cursive", "fantasy", "system-ui", "ui-serif",
                          "ui-sans-serif", "ui-monospace", "ui-rounded", "emoji", "math", "fangsong"});
}

bool isSystemFontKeyword(QStringView value)
{
    return isOneOf(value.trimmed(),
                   {"caption", "icon", "menu", "message-box", "small-caption", "status-bar"});
}

std::vector<CssFamily> parseFontFamilyValue(QStringView value)
{
    const std::vector<Token> tokens = tokenize(value);
    if (tokens.empty())
        return {};
    return familyItems(tokens, 0);
}

std::vector<CssFamily> parseFontShorthand(QStringView value)
{
    const std::vector<Token> tokens = tokenize(value);
    if (tokens.size() == 1 && tokens[0].kind == Token::Ident &&
        (isCssWideKeyword(tokens[0].text) ||
         isOneOf(tokens[0].text, {"caption", "icon", "menu", "message-box", "small-caption", "status-bar"})))
        return {};
    // The family follows the size and an optional "/ line-height"; what comes before is style,
    // weight, stretch and variant.
    std::size_t familyStart = 0;
    bool sized = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::String || t.kind == Token::Comma)
            break;
        // A size has a unit (or is a percentage); a bare number before it is a weight.
        const bool size = (t.kind == Token::Number && !t.text.back().isDigit() && t.text.back() != u'.') ||
                          t.kind == Token::Function ||
                          (t.kind == Token::Ident &&
                           isOneOf(t.text, {"xx-small", "x-small", "small", "medium", "large", "x-large",
                                            "xx-large", "xxx-large", "smaller", "larger"}));
        if (size) {
            sized = true;
            familyStart = i + 1;
        } else if (t.kind == Token::Slash && sized) {
            ++i; // the line height
            familyStart = i + 1;
        }
    }
    if (!sized || familyStart >= tokens.size())
        return {};
    return familyItems(tokens, familyStart);
}

// ---- CssDeclarationScanner ----

namespace {

// The screen media queries are judged for: a desktop browser window of 1280 by 720 CSS pixels,
// 16 pixels to the em, light colours, a mouse.
constexpr double ScreenWidth = 1280, ScreenHeight = 720, EmPixels = 16;

// Whether a media feature in parentheses holds on that screen; a feature not judged here holds.
bool featureHolds(std::string_view feature)
{
    const std::size_t colon = feature.find(':');
    if (colon == std::string_view::npos)
        return true;
    const std::string name(trimmed(feature.substr(0, colon)));
    const std::string value(trimmed(feature.substr(colon + 1)));
    if (name == "prefers-color-scheme")
        return value == "light";
    if (name == "orientation")
        return value == "landscape";
    const bool width = name.ends_with("width") && !name.ends_with("device-width");
    const bool height = name.ends_with("height") && !name.ends_with("device-height");
    if (!width && !height)
        return true;
    std::size_t used = 0;
    double length = 0;
    try {
        length = std::stod(value, &used);
    } catch (...) {
        return true;
    }
    const std::string unit = value.substr(used);
    if (unit == "em" || unit == "rem")
        length *= EmPixels;
    else if (unit != "px" && !(unit.empty() && length == 0))
        return true;
    const double size = width ? ScreenWidth : ScreenHeight;
    if (name.starts_with("min-"))
        return size >= length;
    if (name.starts_with("max-"))
        return size <= length;
    return size == length;
}

// Whether an @media query list holds a query that screen meets: media types other than screen
// and all ("print", "speech") exclude it, as do widths and heights it does not have.
bool appliesToScreens(std::string_view queries)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = queries.find(',', start);
        const std::string query = lowered(trimmed(queries.substr(start, comma - start)));
        const bool negated = query.starts_with("not ");
        bool holds = query.find("print") == std::string::npos && query.find("speech") == std::string::npos;
        for (std::size_t open = query.find('('); holds && open != std::string::npos;
             open = query.find('(', open + 1)) {
            const std::size_t close = query.find(')', open);
            if (close == std::string::npos)
                break;
            holds = featureHolds(std::string_view(query).substr(open + 1, close - open - 1));
        }
        if (holds != negated)
            return true;
        if (comma == std::string_view::npos)
            return false;
        start = comma + 1;
    }
}

bool isCssSpecial(char c)
{
    return c == '/' || c == '\\' || c == '"' || c == '\'' || c == '{' || c == '}' || c == ';';
}

} // namespace

CssDeclarationScanner::CssDeclarationScanner(Handler handler, bool declarationsOnly)
    : m_handler(std::move(handler)), m_declarationsOnly(declarationsOnly)
{
}

void CssDeclarationScanner::append(char c)
{
    if (static_cast<qsizetype>(m_buf.size()) >= MaxCssChunkBytes)
        m_overflow = true;
    else
        m_buf += c;
}

void CssDeclarationScanner::append(const char* run, qsizetype size)
{
    if (static_cast<qsizetype>(m_buf.size()) + size > MaxCssChunkBytes)
        m_overflow = true;
    else
        m_buf.append(run, static_cast<std::size_t>(size));
}

void CssDeclarationScanner::feed(QByteArrayView css)
{
    const qsizetype n = css.size();
    for (qsizetype i = 0; i < n; ++i) {
        // A run of plain characters goes into the buffer at once.
        if (m_state == State::Normal && !m_slash && !m_escape) {
            const qsizetype from = i;
            while (i < n && !isCssSpecial(css[i]))
                ++i;
            if (i > from)
                append(css.data() + from, i - from);
            if (i == n)
                break;
        }
        const char c = css[i];
        switch (m_state) {
        case State::Comment:
            if (m_star && c == '/') {
                m_state = State::Normal;
                append(' ');
            }
            m_star = c == '*';
            continue;
        case State::String:
            append(c);
            if (m_escape)
                m_escape = false;
            else if (c == '\\')
                m_escape = true;
            else if (c == m_quote || c == '\n')
                m_state = State::Normal; // a line end ends an unclosed string
            continue;
        case State::Normal:
            break;
        }
        if (m_slash) {
            m_slash = false;
            if (c == '*') {
                m_state = State::Comment;
                m_star = false;
                continue;
            }
            append('/');
        }
        if (m_escape) {
            append(c);
            m_escape = false;
            continue;
        }
        switch (c) {
        case '/':
            m_slash = true;
            break;
        case '\\':
            append(c);
            m_escape = true;
            break;
        case '"':
        case '\'':
            append(c);
            m_quote = c;
            m_state = State::String;
            break;
        case '{': {
            const std::string_view prelude = trimmed(std::string_view(m_buf));
            const bool inside = std::any_of(m_blocks.begin(), m_blocks.end(), [](Block b) {
                return b == Block::Rule || b == Block::FontFace || b == Block::Skipped;
            });
            Block block = Block::Skipped;
            if (m_overflow || inside || m_declarationsOnly)
                block = Block::Skipped;
            else if (startsWithNoCase(prelude, "@font-face"))
                block = Block::FontFace;
            else if (startsWithNoCase(prelude, "@media"))
                block = appliesToScreens(prelude.substr(6)) ? Block::Group : Block::Skipped;
            else if (startsWithNoCase(prelude, "@supports") || startsWithNoCase(prelude, "@layer") ||
                     startsWithNoCase(prelude, "@container") || startsWithNoCase(prelude, "@scope"))
                block = Block::Group;
            else if (!prelude.starts_with('@'))
                block = Block::Rule;
            m_blocks.push_back(block);
            m_rule.push_back(block == Block::Rule ? std::string(prelude) : std::string());
            m_buf.clear();
            m_overflow = false;
            break;
        }
        case ';':
        case '}':
            endStatement(c);
            break;
        default:
            append(c);
        }
    }
}

void CssDeclarationScanner::finish()
{
    if (m_slash)
        append('/');
    m_slash = false;
    m_state = State::Normal;
    endStatement(';');
}

void CssDeclarationScanner::endStatement(char terminator)
{
    const std::string_view text = trimmed(std::string_view(m_buf));
    const Block block = m_blocks.empty() ? Block::Group : m_blocks.back();
    const bool inDeclarations = m_declarationsOnly || block == Block::Rule || block == Block::FontFace;
    if (m_overflow || text.empty() || (!m_declarationsOnly && block == Block::Skipped)) {
        // dropped
    } else if (!inDeclarations) {
        if (startsWithNoCase(text, "@import") && m_handler.import) {
            const std::string target = importTarget(text.substr(7));
            m_handler.import(QByteArrayView(target.data(), static_cast<qsizetype>(target.size())));
        }
    } else if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        const std::string property = lowered(trimmed(text.substr(0, colon)));
        std::string_view value = trimmed(text.substr(colon + 1));
        // "!important" (any case, with spaces after the "!").
        bool important = false;
        if (const std::size_t bang = value.rfind('!'); bang != std::string_view::npos) {
            const std::string_view after = trimmed(value.substr(bang + 1));
            if (after.size() == 9 && startsWithNoCase(after, "important")) {
                value = trimmed(value.substr(0, bang));
                important = true;
            }
        }
        const std::string_view selectors =
            m_declarationsOnly || m_rule.empty() ? std::string_view() : std::string_view(m_rule.back());
        if (m_handler.declaration)
            m_handler.declaration({QByteArrayView(property.data(), static_cast<qsizetype>(property.size())),
                                   QByteArrayView(value.data(), static_cast<qsizetype>(value.size())),
                                   QByteArrayView(selectors.data(), static_cast<qsizetype>(selectors.size())),
                                   important, !m_declarationsOnly && block == Block::FontFace});
    }
    m_buf.clear();
    m_overflow = false;
    if (terminator == '}' && !m_blocks.empty()) {
        const bool fontFace = m_blocks.back() == Block::FontFace;
        m_blocks.pop_back();
        m_rule.pop_back();
        if (fontFace && m_handler.fontFaceEnd)
            m_handler.fontFaceEnd();
    }
}

} // namespace typecask
