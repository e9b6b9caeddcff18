// The four palettes of 17 colours the colour picker and the random colour maker share.
#pragma once

#include <array>
#include <cstdint>

namespace typecask {

constexpr int PaletteCount = 4;
constexpr int PaletteCells = 17; // cell 16 is never shown but kept
constexpr int ShownPaletteCells = 16;
constexpr std::int32_t PaletteWhite = 16777215;

// Colours are 0x00BBGGRR; a fresh table is all white.
struct PaletteTable
{
    PaletteTable() { clear(); }
    void clear()
    {
        for (int p = 0; p < PaletteCount; ++p)
            clearPalette(p);
    }
    void clearPalette(int palette) { cells[palette].fill(PaletteWhite); }
    std::int32_t& at(int palette, int cell) { return cells[palette][cell]; }
    std::int32_t at(int palette, int cell) const { return cells[palette][cell]; }
    bool operator==(const PaletteTable&) const = default;

    std::array<std::array<std::int32_t, PaletteCells>, PaletteCount> cells;
};

} // namespace typecask
