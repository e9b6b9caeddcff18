#include "font_tools/css_cascade.h"

#include "core/ascii.h"

#include <algorithm>

namespace typecask {

using namespace ascii;

namespace {

// Compounds a selector may have; pages never need more, and matching stays bounded.
constexpr std::size_t MaxCompounds = 32;

const std::string Empty;

bool isNameChar(char c)
{
    return isLetterOrDigit(static_cast<unsigned char>(c)) || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80 || c == '\\';
}

// An identifier at s[i] with its escapes resolved (a backslash keeps the next character).
std::string readName(std::string_view s, std::size_t& i)
{
    std::string out;
    while (i < s.size() && isNameChar(s[i])) {
        if (s[i] == '\\') {
            if (++i >= s.size())
                break;
        }
        out += s[i++];
    }
    return out;
}

void skipSpaces(std::string_view s, std::size_t& i)
{
    while (i < s.size() && isSpace(s[i]))
        ++i;
}

// The text up to the bracket that closes the one just before i, nesting counted, strings kept.
std::string_view readUntilClose(std::string_view s, std::size_t& i, char open, char close)
{
    const std::size_t start = i;
    int depth = 1;
    char quote = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == open) {
            ++depth;
        } else if (c == close && --depth == 0) {
            return s.substr(start, i++ - start);
        }
    }
    return {};
}

bool parseAttribute(std::string_view inner, CssSelector::Attribute& a)
{
    std::size_t i = 0;
    skipSpaces(inner, i);
    a.name = lowered(readName(inner, i));
    if (a.name.empty())
        return false;
    skipSpaces(inner, i);
    if (i >= inner.size())
        return true;
    if (inner[i] == '=') {
        a.op = '=';
        ++i;
    } else if (i + 1 < inner.size() && inner[i + 1] == '=' &&
               std::string_view("~|^$*").find(inner[i]) != std::string_view::npos) {
        a.op = inner[i];
        i += 2;
    } else {
        return false;
    }
    skipSpaces(inner, i);
    if (i < inner.size() && (inner[i] == '"' || inner[i] == '\'')) {
        const char q = inner[i++];
        while (i < inner.size() && inner[i] != q) {
            if (inner[i] == '\\' && i + 1 < inner.size())
                ++i;
            a.value += inner[i++];
        }
        if (i >= inner.size())
            return false;
        ++i;
    } else {
        a.value = readName(inner, i);
        if (a.value.empty())
            return false;
    }
    skipSpaces(inner, i);
    if (i < inner.size() && (inner[i] == 'i' || inner[i] == 'I')) {
        a.ignoreCase = true;
        ++i;
    } else if (i < inner.size() && (inner[i] == 's' || inner[i] == 'S')) {
        ++i;
    }
    skipSpaces(inner, i);
    return i == inner.size();
}

enum class Parsed { Ok, Never, Invalid };

// One compound selector from s[i]; counts its specificity into ids, classes and types.
Parsed parseCompound(std::string_view s, std::size_t& i, CssSelector::Compound& c, std::uint32_t& ids,
                     std::uint32_t& classes, std::uint32_t& types)
{
    Parsed result = Parsed::Ok;
    bool any = false;
    if (i < s.size() && s[i] == '*') {
        ++i;
        any = true;
    } else if (i < s.size() && isNameChar(s[i])) {
        c.tag = lowered(readName(s, i));
        ++types;
        any = true;
    }
    while (i < s.size()) {
        const char k = s[i];
        if (k == '#' || k == '.') {
            ++i;
            std::string name = readName(s, i);
            if (name.empty())
                return Parsed::Invalid;
            if (k == '#') {
                // An element has one id: a second, different one matches nothing.
                if (!c.id.empty() && c.id != name)
                    result = Parsed::Never;
                c.id = std::move(name);
                ++ids;
            } else {
                c.classes.push_back(std::move(name));
                ++classes;
            }
        } else if (k == '[') {
            ++i;
            const std::string_view inner = readUntilClose(s, i, '[', ']');
            CssSelector::Attribute a;
            if (!parseAttribute(inner, a))
                return Parsed::Invalid;
            c.attributes.push_back(std::move(a));
            ++classes;
        } else if (k == ':') {
            ++i;
            const bool element = i < s.size() && s[i] == ':';
            if (element)
                ++i;
            const std::string name = lowered(readName(s, i));
            if (name.empty())
                return Parsed::Invalid;
            std::string_view argument;
            if (i < s.size() && s[i] == '(') {
                ++i;
                argument = readUntilClose(s, i, '(', ')');
            }
            if (element || name == "before" || name == "after" || name == "first-line" ||
                name == "first-letter") {
                // Generated content and parts of lines: not the element's own text.
                result = Parsed::Never;
                ++types;
            } else if (name == "root") {
                c.root = true;
                ++classes;
            } else if (name == "first-child") {
                c.firstChild = true;
                ++classes;
            } else if (name == "link" || name == "any-link") {
                c.attributes.push_back({"href", 0, {}, false});
                ++classes;
            } else if (name == "lang" && !argument.empty()) {
                c.langs.push_back(lowered(trimmed(argument)));
                ++classes;
            } else if (name == "not" && !argument.empty()) {
                // :not() of one simple compound; its specificity counts.
                std::size_t j = 0;
                std::string_view arg = trimmed(argument);
                CssSelector::Compound inner;
                const Parsed p = parseCompound(arg, j, inner, ids, classes, types);
                if (p == Parsed::Invalid || j != arg.size())
                    result = Parsed::Never; // a list or a complex argument: not judged here
                else if (p == Parsed::Ok)
                    c.nots.push_back(std::move(inner));
            } else {
                // :hover, :focus, :visited (state a page at rest does not have), and
                // :last-child, :nth-child() ... (not judged here).
                result = Parsed::Never;
                ++classes;
            }
        } else {
            break;
        }
        any = true;
    }
    return any ? result : Parsed::Invalid;
}

bool attributeMatches(const CssSelector::Attribute& a, const CascadeElement& e)
{
    const std::string* v = e.attribute(a.name);
    if (!v)
        return false;
    if (a.op == 0)
        return true;
    std::string value = *v;
    std::string want = a.value;
    if (a.ignoreCase) {
        value = lowered(value);
        want = lowered(want);
    }
    switch (a.op) {
    case '=':
        return value == want;
    case '~':
        return !want.empty() && (" " + value + " ").find(" " + want + " ") != std::string::npos;
    case '|':
        return value == want || value.starts_with(want + "-");
    case '^':
        return !want.empty() && value.starts_with(want);
    case '$':
        return !want.empty() && value.ends_with(want);
    case '*':
        return !want.empty() && value.find(want) != std::string::npos;
    }
    return false;
}

} // namespace

const std::string* CascadeElement::attribute(std::string_view n) const
{
    for (const auto& [name, value] : attributes)
        if (name == n)
            return &value;
    return nullptr;
}

bool CascadeElement::hasClass(std::string_view c) const
{
    // A class with an escaped space in it (".a\ b" in a style sheet) is no class of an element:
    // the attribute's classes are separated by spaces.
    if (c.empty() || c.find(' ') != std::string_view::npos || classes.size() < c.size() + 2)
        return false;
    for (std::size_t at = classes.find(c); at != std::string::npos; at = classes.find(c, at + 1))
        if (at > 0 && classes[at - 1] == ' ' && at + c.size() < classes.size() &&
            classes[at + c.size()] == ' ')
            return true;
    return false;
}

std::vector<CssSelector> CssSelector::parseList(std::string_view text)
{
    std::vector<CssSelector> out;
    std::size_t i = 0;
    for (;;) {
        CssSelector sel;
        std::uint32_t ids = 0, classes = 0, types = 0;
        skipSpaces(text, i);
        for (;;) {
            Compound c;
            const Parsed p = parseCompound(text, i, c, ids, classes, types);
            if (p == Parsed::Invalid)
                return {}; // one invalid selector drops the whole rule, as browsers do
            sel.m_never = sel.m_never || p == Parsed::Never;
            sel.m_attributes = sel.m_attributes || !c.id.empty() || !c.classes.empty() ||
                               !c.attributes.empty() || !c.langs.empty() || !c.nots.empty();
            sel.m_otherAttributes = sel.m_otherAttributes || !c.attributes.empty() || !c.nots.empty();
            sel.m_siblings =
                sel.m_siblings || c.firstChild ||
                std::any_of(c.nots.begin(), c.nots.end(), [](const Compound& n) { return n.firstChild; });
            sel.m_compounds.push_back(std::move(c));
            const std::size_t before = i;
            skipSpaces(text, i);
            if (i >= text.size() || text[i] == ',')
                break;
            char combinator = ' ';
            if (text[i] == '>' || text[i] == '+' || text[i] == '~') {
                combinator = text[i++];
                skipSpaces(text, i);
            } else if (i == before) {
                return {}; // something no selector holds
            }
            sel.m_siblings = sel.m_siblings || combinator == '+' || combinator == '~';
            sel.m_combinators.push_back(combinator);
        }
        if (sel.m_compounds.size() > MaxCompounds)
            sel.m_never = true;
        sel.m_specificity = std::min<std::uint32_t>(ids, 1023) << 20 |
                            std::min<std::uint32_t>(classes, 1023) << 10 |
                            std::min<std::uint32_t>(types, 1023);
        out.push_back(std::move(sel));
        if (i >= text.size())
            return out;
        ++i; // the comma
    }
}

const std::string& CssSelector::keyId() const
{
    return m_compounds.empty() ? Empty : m_compounds.back().id;
}

const std::string& CssSelector::keyClass() const
{
    return m_compounds.empty() || m_compounds.back().classes.empty() ? Empty
                                                                     : m_compounds.back().classes.front();
}

const std::string& CssSelector::keyTag() const
{
    return m_compounds.empty() ? Empty : m_compounds.back().tag;
}

const CascadeElement& CssSelector::Context::element(Place p) const
{
    return p.sibling < 0 ? path[p.at] : (*siblings)[p.at][static_cast<std::size_t>(p.sibling)];
}

bool CssSelector::matchesCompound(const Compound& c, const Context& ctx, Place p)
{
    const CascadeElement& e = ctx.element(p);
    if (!c.tag.empty() && c.tag != e.name)
        return false;
    if (!c.id.empty() && c.id != e.id)
        return false;
    if (c.root && p.at != 0)
        return false;
    if (c.firstChild && (p.at == 0 || e.index != 0))
        return false;
    for (const std::string& k : c.classes)
        if (!e.hasClass(k))
            return false;
    for (const Attribute& a : c.attributes)
        if (!attributeMatches(a, e))
            return false;
    for (const std::string& l : c.langs)
        if (e.lang != l && !e.lang.starts_with(l + "-"))
            return false;
    for (const Compound& n : c.nots)
        if (matchesCompound(n, ctx, p))
            return false;
    return true;
}

bool CssSelector::matchFrom(std::size_t compound, Place p, const Context& ctx) const
{
    if (--ctx.budget < 0 || !matchesCompound(m_compounds[compound], ctx, p))
        return false;
    if (compound == 0)
        return true;
    const char combinator = m_combinators[compound - 1];
    if (combinator == '+' || combinator == '~') {
        // The elements before it under the same parent, as far as they are kept.
        if (!ctx.siblings || p.at >= ctx.siblings->size() || (*ctx.siblings)[p.at].empty())
            return false;
        const auto own = static_cast<std::ptrdiff_t>((*ctx.siblings)[p.at].size()) - 1;
        const std::ptrdiff_t before = p.sibling < 0 ? own : p.sibling;
        if (combinator == '+')
            return before > 0 && matchFrom(compound - 1, {p.at, before - 1}, ctx);
        for (std::ptrdiff_t k = before; k-- > 0;)
            if (matchFrom(compound - 1, {p.at, k}, ctx))
                return true;
        return false;
    }
    if (p.at == 0)
        return false;
    if (combinator == '>')
        return matchFrom(compound - 1, {p.at - 1, -1}, ctx);
    for (std::size_t k = p.at; k-- > 0;)
        if (matchFrom(compound - 1, {k, -1}, ctx))
            return true;
    return false;
}

bool CssSelector::matches(const std::vector<CascadeElement>& path, std::size_t at, int& budget,
                          const CascadeSiblings* siblings) const
{
    if (m_never || at >= path.size() || m_compounds.empty())
        return false;
    return matchFrom(m_compounds.size() - 1, {at, -1}, Context{path, siblings, budget});
}

} // namespace typecask
