#include "core/character_coverage.h"

#include <algorithm>
#include <bit>

namespace typecask {

namespace {

void setBit(std::vector<CharacterPages::Page>& pages, char32_t c)
{
    const std::uint32_t index = static_cast<std::uint32_t>(c) >> 8;
    if (pages.empty() || pages.back().index != index)
        pages.push_back({index, {}});
    pages.back().bits[(c & 0xFF) >> 5] |= std::uint32_t{1} << (c & 31);
}

} // namespace

CharacterPages CharacterPages::fromCharacters(std::span<const char32_t> characters)
{
    std::vector<char32_t> sorted(characters.begin(), characters.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<Page> pages;
    for (char32_t c : sorted)
        setBit(pages, c);
    return CharacterPages(std::move(pages));
}

CharacterPages CharacterPages::fromRanges(std::span<const CodePointRange> ranges)
{
    std::vector<Page> pages;
    for (const CodePointRange& r : ranges)
        for (std::uint32_t c = r.first; c <= r.last; ++c)
            setBit(pages, c);
    return CharacterPages(std::move(pages));
}

const CharacterPages::Page* CharacterPages::find(std::uint32_t index) const
{
    const auto it = std::lower_bound(m_pages.begin(), m_pages.end(), index,
                                     [](const Page& p, std::uint32_t i) { return p.index < i; });
    return it != m_pages.end() && it->index == index ? &*it : nullptr;
}

bool CharacterPages::contains(char32_t c) const
{
    const Page* p = find(static_cast<std::uint32_t>(c) >> 8);
    return p && (p->bits[(c & 0xFF) >> 5] & (std::uint32_t{1} << (c & 31)));
}

int CharacterPages::size() const
{
    int n = 0;
    for (const Page& p : m_pages)
        for (std::uint32_t w : p.bits)
            n += std::popcount(w);
    return n;
}

int countCovered(const CharacterPages& face, const CharacterPages& set)
{
    // Both lists ascend: one walk over the two.
    int n = 0;
    auto f = face.pages().begin();
    const auto fEnd = face.pages().end();
    for (const CharacterPages::Page& s : set.pages()) {
        while (f != fEnd && f->index < s.index)
            ++f;
        if (f == fEnd)
            break;
        if (f->index == s.index)
            for (std::size_t i = 0; i < s.bits.size(); ++i)
                n += std::popcount(f->bits[i] & s.bits[i]);
    }
    return n;
}

std::vector<char32_t> missingCharacters(const CharacterPages& face, const CharacterPages& set)
{
    std::vector<char32_t> missing;
    auto f = face.pages().begin();
    const auto fEnd = face.pages().end();
    for (const CharacterPages::Page& s : set.pages()) {
        while (f != fEnd && f->index < s.index)
            ++f;
        const bool shared = f != fEnd && f->index == s.index;
        for (std::size_t i = 0; i < s.bits.size(); ++i)
            for (std::uint32_t bits = s.bits[i] & ~(shared ? f->bits[i] : 0); bits; bits &= bits - 1)
                missing.push_back(static_cast<char32_t>((s.index << 8) + i * 32 + std::countr_zero(bits)));
    }
    return missing;
}

const std::vector<CharacterPages>& japaneseSetPages()
{
    static const std::vector<CharacterPages> pages = [] {
        std::vector<CharacterPages> v;
        for (const JapaneseSet& s : japaneseSets())
            v.push_back(CharacterPages::fromRanges(s.ranges));
        return v;
    }();
    return pages;
}

std::vector<int> japaneseCoverage(const CharacterPages& face)
{
    std::vector<int> counts;
    for (const CharacterPages& set : japaneseSetPages())
        counts.push_back(countCovered(face, set));
    return counts;
}

QString coverageLine(const JapaneseSet& set, int covered)
{
    return set.label + u' ' + QString::number(covered) + u" / " + QString::number(set.total);
}

} // namespace typecask
