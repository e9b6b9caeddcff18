// What the character map Form12 shows: its pages of 224 codes, each code's character in code
// page 932, the page list of a Japanese family, the caption, the column count and the copy.
#pragma once

#include "core/font_catalog.h"
#include "core/sample.h"
#include "core/services.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace typecask {

// Codes per page: 0x20 to 0xFF, or lead byte and 0x20 to 0xFF.
constexpr int CharacterPageSize = 224;
constexpr int CharacterPageFirst = 0x20;

// List2: the empty item (the single-byte page), then the lead bytes 80..A0 and E0..FF.
QStringList characterPageList();

// The page base of a List2 row (0 for the empty item and for no selection; else lead << 8).
int characterPageBase(int row);

// Whether a family with this charset offers the double-byte pages.
bool showsCharacterPages(int charset);

struct CharacterCell
{
    std::uint16_t code = 0;
    // The character of the code in code page 932. A code that is not exactly one character
    // there (a lone lead byte, an unassigned or malformed pair) is U+FFFD, always.
    QString text;
    bool valid = false;
};

// The 224 cells of the page with that base, in ascending code order.
std::vector<CharacterCell> characterPage(int base);

// One code's cell.
CharacterCell characterCell(std::uint16_t code);

// The window caption after a click on a cell: "文字一覧(20-FF)[" + character + the
// hexadecimal low byte of the code + "]".
QString characterMapCaption(const QString& character, int row);

// Columns of List1: one per 50 twips per point of its font size, plus one.
int characterMapColumns(int widthTwips, int fontSize);

// The main list's row after "←(&B)" (next false) or "→(&N)" (next true), wrapping at either
// end; -1 when the list is empty. selected is -1 when nothing is selected.
int steppedFontRow(int selected, int count, bool next);

// The sample text with one character appended at its end, kept within the box's limit.
QString appendedSampleText(const QString& text, const QString& character, int limit);

// What the copy puts on the clipboard: the character as RTF in the sample's font, size,
// colour and alignment, upright and not bold, and as plain text.
ClipboardContent characterCopy(const FontCatalog& catalog, const Sample& sample, const QString& character);

} // namespace typecask
