#include "font_tools/html_tokenizer.h"

#include "core/ascii.h"

namespace typecask::html {

using namespace ascii;

namespace {

void appendUtf8(std::string& out, char32_t c)
{
    char buf[4];
    int n = 0;
    if (c < 0x80) {
        buf[n++] = static_cast<char>(c);
    } else if (c < 0x800) {
        buf[n++] = static_cast<char>(0xC0 | (c >> 6));
        buf[n++] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        buf[n++] = static_cast<char>(0xE0 | (c >> 12));
        buf[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        buf[n++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        buf[n++] = static_cast<char>(0xF0 | (c >> 18));
        buf[n++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        buf[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        buf[n++] = static_cast<char>(0x80 | (c & 0x3F));
    }
    out.append(buf, static_cast<std::size_t>(n));
}

} // namespace

ElementKind elementKind(std::string_view name)
{
    if (name.empty())
        return ElementKind::Plain;
    switch (name[0]) {
    case 'a':
        return is(name, "area") ? ElementKind::Void : ElementKind::Plain;
    case 'b':
        return is(name, "br") || is(name, "base") ? ElementKind::Void : ElementKind::Plain;
    case 'c':
        return is(name, "col") ? ElementKind::Void : ElementKind::Plain;
    case 'd':
        return is(name, "dt") || is(name, "dd") ? ElementKind::ClosesSibling : ElementKind::Plain;
    case 'e':
        return is(name, "embed") ? ElementKind::Void : ElementKind::Plain;
    case 'h':
        return is(name, "hr") ? ElementKind::Void : ElementKind::Plain;
    case 'i':
        return is(name, "img") || is(name, "input") ? ElementKind::Void : ElementKind::Plain;
    case 'l':
        return is(name, "li")     ? ElementKind::ClosesSibling
               : is(name, "link") ? ElementKind::Link
                                  : ElementKind::Plain;
    case 'm':
        return is(name, "meta") ? ElementKind::Void : ElementKind::Plain;
    case 'n':
        return is(name, "noscript") ? ElementKind::RawText : ElementKind::Plain;
    case 'o':
        return is(name, "option") ? ElementKind::ClosesSibling : ElementKind::Plain;
    case 'p':
        return is(name, "p")       ? ElementKind::ClosesSibling
               : is(name, "param") ? ElementKind::Void
                                   : ElementKind::Plain;
    case 's':
        return is(name, "style") || is(name, "script") ? ElementKind::RawText
               : is(name, "source")                    ? ElementKind::Void
                                                       : ElementKind::Plain;
    case 't':
        return is(name, "td") || is(name, "th") || is(name, "tr") ? ElementKind::ClosesSibling
               : is(name, "track")                                ? ElementKind::Void
               : is(name, "title") || is(name, "textarea") || is(name, "template") ? ElementKind::RawText
                                                                                   : ElementKind::Plain;
    case 'w':
        return is(name, "wbr") ? ElementKind::Void : ElementKind::Plain;
    case 'x':
        return is(name, "xmp") ? ElementKind::RawText : ElementKind::Plain;
    default:
        return ElementKind::Plain;
    }
}

char32_t entityCharacter(std::string_view name)
{
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        char32_t code = 0;
        const std::size_t first = hex ? 2 : 1;
        if (first >= name.size() || name.size() - first > 8)
            return 0;
        for (std::size_t i = first; i < name.size(); ++i) {
            const char c = lower(name[i]);
            const int d = c >= '0' && c <= '9' ? c - '0' : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (d < 0)
                return 0;
            code = code * (hex ? 16 : 10) + static_cast<char32_t>(d);
        }
        return code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ? 0xFFFD : code;
    }
    static constexpr std::pair<std::string_view, char32_t> named[] = {
        {"amp", '&'},       {"lt", '<'},        {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
        {"nbsp", 0xA0},     {"copy", 0xA9},     {"reg", 0xAE},     {"shy", 0xAD},     {"laquo", 0xAB},
        {"raquo", 0xBB},    {"middot", 0xB7},   {"times", 0xD7},   {"ndash", 0x2013}, {"mdash", 0x2014},
        {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"bull", 0x2022},
        {"hellip", 0x2026}, {"trade", 0x2122},  {"larr", 0x2190},  {"rarr", 0x2192},  {"uarr", 0x2191},
        {"darr", 0x2193},   {"para", 0xB6},     {"sect", 0xA7},    {"deg", 0xB0},     {"euro", 0x20AC},
        {"yen", 0xA5},      {"pound", 0xA3},    {"cent", 0xA2},    {"iexcl", 0xA1},   {"iquest", 0xBF},
        {"auml", 0xE4},     {"ouml", 0xF6},     {"uuml", 0xFC},    {"szlig", 0xDF},   {"eacute", 0xE9},
        {"egrave", 0xE8},   {"aacute", 0xE1},   {"agrave", 0xE0},  {"ccedil", 0xE7},  {"ensp", 0x2002},
        {"emsp", 0x2003},   {"thinsp", 0x2009}, {"zwnj", 0x200C},  {"zwj", 0x200D},   {"dagger", 0x2020}};
    for (const auto& [n, c] : named)
        if (n == name)
            return c;
    return 0;
}

std::string decodeEntities(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            const std::size_t semi = s.find(';', i + 1);
            if (semi != std::string_view::npos && semi - i <= 12) {
                if (const char32_t c = entityCharacter(s.substr(i + 1, semi - i - 1))) {
                    appendUtf8(out, c);
                    i = semi;
                    continue;
                }
            }
        }
        out += s[i];
    }
    return out;
}

std::string_view parseTag(std::string& tag, std::vector<Attribute>& attributes)
{
    attributes.clear();
    const std::size_t n = tag.size();
    std::size_t i = 0;
    while (i < n && !isSpace(tag[i]) && tag[i] != '/') {
        tag[i] = lower(tag[i]);
        ++i;
    }
    const std::string_view name(tag.data(), i);
    while (i < n) {
        while (i < n && (isSpace(tag[i]) || tag[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < n && !isSpace(tag[i]) && tag[i] != '=' && tag[i] != '/') {
            tag[i] = lower(tag[i]);
            ++i;
        }
        if (i == nameStart) {
            ++i;
            continue;
        }
        Attribute a{std::string_view(tag.data() + nameStart, i - nameStart), {}};
        std::size_t j = i;
        while (j < n && isSpace(tag[j]))
            ++j;
        if (j < n && tag[j] == '=') {
            ++j;
            while (j < n && isSpace(tag[j]))
                ++j;
            if (j < n && (tag[j] == '"' || tag[j] == '\'')) {
                const char q = tag[j];
                const std::size_t end = tag.find(q, j + 1);
                const std::size_t stop = end == std::string::npos ? n : end;
                a.value = std::string_view(tag.data() + j + 1, stop - j - 1);
                i = stop + 1;
            } else {
                std::size_t end = j;
                while (end < n && !isSpace(tag[end]))
                    ++end;
                a.value = std::string_view(tag.data() + j, end - j);
                i = end;
            }
        }
        attributes.push_back(a);
    }
    return name;
}

std::string_view tagName(std::string& tag)
{
    std::size_t i = 0;
    while (i < tag.size() && !isSpace(tag[i]) && tag[i] != '/') {
        tag[i] = lower(tag[i]);
        ++i;
    }
    return std::string_view(tag.data(), i);
}

bool mayHoldStyle(const std::string& tag, std::size_t from)
{
    for (std::size_t i = from; i + 5 <= tag.size(); ++i)
        if ((tag[i] | 0x20) == 's' && startsWithNoCase(std::string_view(tag).substr(i, 5), "style"))
            return true;
    return false;
}

} // namespace typecask::html
