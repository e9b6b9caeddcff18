// The pieces of HTML a scanner needs between its "<" and ">": which kind an element is, the
// name and attributes of a start tag, and character references. Kept free of any one scan's
// state so that each scanner of pages reads tags the same way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace typecask::html {

// Short names compared without a call: a page has a tag every few bytes.
inline bool is(std::string_view name, std::string_view word)
{
    if (name.size() != word.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] != word[i])
            return false;
    return true;
}

enum class ElementKind : unsigned char {
    Plain,
    Void,          // never has content
    ClosesSibling, // its start tag closes an open one of the same name, as HTML parsers do
    RawText,       // content up to its end tag is not markup
    Link
};

// What an element's start tag means for reading on (name in lower case).
ElementKind elementKind(std::string_view name);

// The character of an entity's name (between "&" and ";"), 0 when it is not one known here.
char32_t entityCharacter(std::string_view name);
// An attribute value with its character references replaced.
std::string decodeEntities(std::string_view s);

struct Attribute
{
    std::string_view name; // lower case in the tag buffer
    std::string_view value;
};

// The name and attributes of a start tag's text (between "<" and ">"); names are lowered in place.
std::string_view parseTag(std::string& tag, std::vector<Attribute>& attributes);
// The lower-cased name of a start tag's text, lowered in place.
std::string_view tagName(std::string& tag);
// Whether the attributes of a tag may include a style attribute: most tags of a page have
// none, and are not parsed further.
bool mayHoldStyle(const std::string& tag, std::size_t from);

} // namespace typecask::html
