// ASCII character tests and case folding for the byte scanners (HTML, CSS) and for option
// values. Pages are scanned byte by byte, so all of it is inline; bytes past ASCII are never
// letters, digits or spaces here.
#pragma once

#include <string>
#include <string_view>

namespace typecask::ascii {

constexpr char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// White space as HTML and CSS count it.
constexpr bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

constexpr bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isHexDigit(char32_t c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

constexpr bool isLetterOrDigit(char32_t c)
{
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// Whether s starts with prefix in any letter case; prefix is given in lower case.
constexpr bool startsWithNoCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(s[i]) != prefix[i])
            return false;
    return true;
}

inline std::string lowered(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = lower(c);
    return out;
}

} // namespace typecask::ascii
