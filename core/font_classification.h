// How the catalog files a family: its charset from its language coverage, its font type from
// its format, which of its faces speaks for it, and the pitch-and-family byte and cell width of
// its details. Pure rules over values read elsewhere (fontconfig, the font's tables).
#pragma once

#include "core/font_catalog.h"
#include "core/sfnt_tables.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace typecask {

// The charset rule for a family's language coverage (exposed for tests).
struct LanguageCoverage
{
    std::function<bool(const char*)> has;
    bool symbol = false;
    bool empty = false;
    // The character map is an 8-bit code table under a Unicode label: it maps C1 control codes
    // (U+0080-U+009F), which no text font does, and nothing past U+00FF. The URW OpenType
    // Dingbats and Standard Symbols PS put their symbols at ASCII and Latin-1 codes this way,
    // so fontconfig credits them with Latin orthographies.
    bool byteTable = false;
};
int charsetForCoverage(const LanguageCoverage& coverage);

// The font-type rule for fontconfig's fontformat and outline values.
int fontTypeForFormat(const QByteArray& fontFormat, bool outline);

// What a family's record is chosen by, for one face of the listing.
struct ListedFace
{
    // Bytes as fontconfig has them (a listing shares them rather than copies them per face).
    QByteArray family; // first family name, UTF-8; empty faces belong to no family
    QByteArray format; // fontconfig fontformat
    bool outline = true;
    int weight = 80; // fontconfig's regular
    int slant = 0;
    int width = 100;
    QByteArray file;
    int index = 0;
};

// The face each family is classified from, as indexes into faces, one per family in the order
// the families first appear. A family installed in several formats (URW ships OpenType and
// Type 1) is classified from its TrueType/OpenType faces, as the desktop draws it, else from
// its other outline faces, else its bitmaps; among those the one closest to regular, then the
// first by file, so the listing order never decides.
std::vector<std::size_t> representativeFaces(const std::vector<ListedFace>& faces);

// The logical font record's pitch-and-family byte: family bits from the OS/2 PANOSE and family
// class (none: no OS/2 table), then fixed (1) or variable (2).
std::uint8_t pitchAndFamily(const Os2Fields* os2, bool fixed);

// Windows reports an enumerated outline family at a 16-pixel cell.
constexpr int OutlineCellHeight = 16;
// The cell width of an outline family whose average advance and cell height are in font units.
int outlineCellWidth(double averageAdvance, double cellUnits);

// The details of an ordinary outline face from its tables; none for anything out of the ordinary
// (no usable OS/2 table, bitmaps only, variations), which only a full read of the face answers.
std::optional<FontDetails> detailsFromTables(const SfntFace& face, bool fixed);

} // namespace typecask
