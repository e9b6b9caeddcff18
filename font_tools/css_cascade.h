// The part of the CSS cascade that decides which font-family an element gets: selectors of the
// kinds pages style fonts with, matched against an element and its ancestors while the page
// streams past (no document tree is kept), and rules ranked by importance, specificity and
// order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace typecask {

// An element as selectors see it.
struct CascadeElement
{
    std::string name; // lower case
    std::string id;
    std::string classes; // each class with a space before and after: " a b "
    std::vector<std::pair<std::string, std::string>> attributes; // names in lower case
    std::string lang;      // its own lang attribute or the nearest ancestor's, lower case
    std::size_t index = 0; // among its parent's elements, from 0

    const std::string* attribute(std::string_view name) const;
    bool hasClass(std::string_view c) const;
};

// The elements before each open element under the same parent, nearest last, ending with the
// open element itself; siblings[at] belongs to path[at]. Only the nearest few are kept.
using CascadeSiblings = std::vector<std::vector<CascadeElement>>;

// One complex selector: compound selectors joined by descendant, child and sibling combinators.
// Selectors with parts a static page never matches (:hover, ::before) or that need the
// element's later siblings or children (:last-child, :nth-last-child()) are kept as never
// matching.
class CssSelector
{
public:
    // Every selector of a comma-separated list; an invalid list gives none.
    static std::vector<CssSelector> parseList(std::string_view text);

    // Whether path[at] matches, path holding its ancestors from the root down before it (and
    // siblings, when given, what came before each). Each element compared takes one step of
    // budget; none left, nothing matches.
    bool matches(const std::vector<CascadeElement>& path, std::size_t at, int& budget,
                 const CascadeSiblings* siblings = nullptr) const;
    // Whether it needs the elements before one under the same parent (+, ~, :first-child).
    bool needsSiblings() const { return m_siblings; }
    // Ids, then classes, attributes and pseudo-classes, then types, packed to compare as one.
    std::uint32_t specificity() const { return m_specificity; }
    bool neverMatches() const { return m_never; }
    // Whether it asks for more of an element than its name (ids, classes, attributes).
    bool usesAttributes() const { return m_attributes; }
    // Whether it tests attributes other than id and class ([href], :lang(), :link).
    bool testsAttributes() const { return m_otherAttributes; }
    // What an index keys the selector by (the rightmost compound's id, else a class, else
    // its type); empty strings when it has none of that kind.
    const std::string& keyId() const;
    const std::string& keyClass() const;
    const std::string& keyTag() const;

    struct Attribute
    {
        std::string name;
        char op = 0; // 0 present, '=', '~', '|', '^', '$', '*'
        std::string value;
        bool ignoreCase = false;
    };
    struct Compound
    {
        std::string tag; // empty: any
        std::string id;
        std::vector<std::string> classes;
        std::vector<Attribute> attributes;
        std::vector<std::string> langs; // :lang()
        std::vector<Compound> nots;     // :not() of simple compounds
        bool root = false;
        bool firstChild = false;
    };

private:
    // Where an element is: path[at] (sibling -1) or siblings[at][sibling].
    struct Place
    {
        std::size_t at;
        std::ptrdiff_t sibling;
    };
    struct Context
    {
        const std::vector<CascadeElement>& path;
        const CascadeSiblings* siblings;
        int& budget;
        const CascadeElement& element(Place p) const;
    };
    static bool matchesCompound(const Compound& c, const Context& ctx, Place p);
    bool matchFrom(std::size_t compound, Place p, const Context& ctx) const;

    std::vector<Compound> m_compounds; // left to right
    std::vector<char> m_combinators;   // ' ', '>', '+' or '~' between compound i and i + 1
    std::uint32_t m_specificity = 0;
    bool m_never = false;
    bool m_attributes = false;
    bool m_otherAttributes = false;
    bool m_siblings = false;
};

} // namespace typecask
