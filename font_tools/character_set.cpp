#include "font_tools/character_set.h"

#include <bit>

namespace typecask {

void CharacterSet::add(char32_t c)
{
    if (c < 0x80) {
        addAscii(static_cast<unsigned char>(c));
    } else if (c < 0x10000) {
        if (m_bmp.empty())
            m_bmp.resize(0x10000 / 64);
        m_bmp[c >> 6] |= std::uint64_t{1} << (c & 63);
    } else {
        m_astral.insert(c);
    }
}

void CharacterSet::unite(const CharacterSet& other)
{
    m_ascii[0] |= other.m_ascii[0];
    m_ascii[1] |= other.m_ascii[1];
    if (!other.m_bmp.empty()) {
        if (m_bmp.empty())
            m_bmp.resize(other.m_bmp.size());
        for (std::size_t i = 0; i < m_bmp.size(); ++i)
            m_bmp[i] |= other.m_bmp[i];
    }
    m_astral.insert(other.m_astral.begin(), other.m_astral.end());
}

bool CharacterSet::contains(char32_t c) const
{
    if (c < 0x80)
        return m_ascii[c >> 6] & (std::uint64_t{1} << (c & 63));
    if (c < 0x10000)
        return !m_bmp.empty() && (m_bmp[c >> 6] & (std::uint64_t{1} << (c & 63)));
    return m_astral.contains(c);
}

bool CharacterSet::isEmpty() const
{
    return size() == 0;
}

qsizetype CharacterSet::size() const
{
    qsizetype n = std::popcount(m_ascii[0]) + std::popcount(m_ascii[1]);
    for (std::uint64_t w : m_bmp)
        n += std::popcount(w);
    return n + static_cast<qsizetype>(m_astral.size());
}

std::vector<char32_t> CharacterSet::toVector() const
{
    std::vector<char32_t> out;
    const auto words = [&](const std::uint64_t* w, std::size_t count, char32_t base) {
        for (std::size_t i = 0; i < count; ++i)
            for (std::uint64_t bits = w[i]; bits; bits &= bits - 1)
                out.push_back(base + static_cast<char32_t>(i * 64 + std::countr_zero(bits)));
    };
    words(m_ascii.data(), m_ascii.size(), 0);
    if (!m_bmp.empty())
        words(m_bmp.data() + 2, m_bmp.size() - 2, 0x80);
    out.insert(out.end(), m_astral.begin(), m_astral.end());
    return out;
}

bool needsGlyph(char32_t c)
{
    if (c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD)
        return false;
    if ((c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F))
        return false;
    if (c == 0xFEFF || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFFF9 && c <= 0xFFFB) ||
        (c >= 0xE0000 && c <= 0xE0FFF))
        return false;
    return true;
}

} // namespace typecask
