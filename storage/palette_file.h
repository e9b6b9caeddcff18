// "Color.dat": the four stored palettes of the colour tools and the random colour maker's
// sixteen character colours, one value a line, in a fixed order.
#pragma once

#include "core/palette_table.h"
#include "core/text_file.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace typecask {

constexpr int CharacterColourLines = 16;
constexpr int PaletteFileLineCount = CharacterColourLines + PaletteCount * PaletteCells; // 84
// A longer line is cut when read: the lines hold numbers.
constexpr qsizetype PaletteLineMaxBytes = 1024;

// What a window keeps of the file while it is open: lines 1-16 as the file had them (the
// picker does not interpret them) and the palettes.
struct PaletteFileContents
{
    QStringList characterLines; // always 16 entries
    PaletteTable palettes;
};

QString paletteFilePath(const QString& programFolder);

// 1-based line of a palette cell: 17 + 17 * palette + cell.
constexpr int paletteLine(int palette, int cell)
{
    return CharacterColourLines + 1 + PaletteCells * palette + cell;
}

// A value as the file holds it: a blank (or "-"), the digits, a blank.
QString formatPaletteValue(std::int32_t value);
// Blanks around the digits are ignored; anything else that is not a 32-bit decimal is none.
std::optional<std::int32_t> parsePaletteValue(const QString& line);
// A character colour line as the random colour maker reads it: empty or unreadable is black.
std::int32_t characterColourFromLine(const QString& line);

// Missing or unreadable file: 16 empty lines and every cell white. A short file fills what it
// has; a palette line that is not a number leaves its cell white.
PaletteFileContents loadPaletteFile(const QString& programFolder);
// Writes all 84 lines; when the file cannot be written the old one is intact and the result says why.
SaveResult savePaletteFile(const QString& programFolder, const PaletteFileContents& contents);

} // namespace typecask
