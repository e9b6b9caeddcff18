// The distinct characters of a text as a bit set: cheap enough to fill from every character of a
// page, and bounded by the code space.
#pragma once

#include <QtGlobal>
#include <array>
#include <cstdint>
#include <set>
#include <vector>

namespace typecask {

class CharacterSet
{
public:
    void add(char32_t c);
    void addAscii(unsigned char c) { m_ascii[c >> 6] |= std::uint64_t{1} << (c & 63); }
    // ASCII characters as bits: low for 0-63, high for 64-127 (the controls and space are
    // taken out here).
    void addAsciiBits(std::uint64_t low, std::uint64_t high)
    {
        m_ascii[0] |= low & ~std::uint64_t{0x1FFFFFFFF};
        m_ascii[1] |= high & ~(std::uint64_t{1} << 63);
    }
    void unite(const CharacterSet& other);
    bool contains(char32_t c) const;
    bool isEmpty() const;
    qsizetype size() const;
    // Every character in ascending order.
    std::vector<char32_t> toVector() const;

private:
    std::array<std::uint64_t, 2> m_ascii{};
    std::vector<std::uint64_t> m_bmp; // U+0080..U+FFFF, allocated on first use
    std::set<char32_t> m_astral;
};

// Whether a character needs a glyph at all: white space, controls and default-ignorable format
// characters are drawn by no font.
bool needsGlyph(char32_t c);

} // namespace typecask
