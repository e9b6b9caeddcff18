// Which characters a face maps, and how many of a character set's it maps: counted page by
// page (256 code points a page, the form fontconfig keeps its character sets in), so that
// every family can be counted against a set of thousands of characters in little time.
#pragma once

#include "core/japanese_sets.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace typecask {

class CharacterPages
{
public:
    struct Page
    {
        std::uint32_t index = 0;             // code point >> 8
        std::array<std::uint32_t, 8> bits{}; // bit c & 255 set: c is in
    };

    CharacterPages() = default;
    // Pages in ascending order of index, none twice (fontconfig hands them out so).
    explicit CharacterPages(std::vector<Page> pages) : m_pages(std::move(pages)) {}
    static CharacterPages fromCharacters(std::span<const char32_t> characters);
    static CharacterPages fromRanges(std::span<const CodePointRange> ranges);

    bool contains(char32_t c) const;
    const std::vector<Page>& pages() const { return m_pages; }
    int size() const;

private:
    const Page* find(std::uint32_t index) const;
    std::vector<Page> m_pages;
};

// How many characters of set the face's characters hold.
int countCovered(const CharacterPages& face, const CharacterPages& set);
// The characters of set the face lacks, ascending.
std::vector<char32_t> missingCharacters(const CharacterPages& face, const CharacterPages& set);

// Each Japanese set (japaneseSets()'s order) in pages, made on first use.
const std::vector<CharacterPages>& japaneseSetPages();

// How many characters of each Japanese set the face maps, in japaneseSets()'s order.
std::vector<int> japaneseCoverage(const CharacterPages& face);

// "常用漢字 2136 / 2136": a set's line as the details window and the command line show it.
QString coverageLine(const JapaneseSet& set, int covered);

} // namespace typecask
