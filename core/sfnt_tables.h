// The few fields of an OpenType (sfnt) font file the details need, read from its bytes: the
// table directory of a face (in a collection, by index), the OS/2 fields and GSUB's feature tags. Every
// offset and length comes from the file, so every read is checked against what there is: damaged or hostile
// data gives none, never a read outside it.
#pragma once

#include <QByteArrayView>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace typecask {

// The OS/2 fields a face's family and cell width are classified by.
struct Os2Fields
{
    std::uint16_t version = 0;
    std::int16_t xAvgCharWidth = 0;
    std::int16_t sFamilyClass = 0;
    std::array<std::uint8_t, 10> panose{};
    std::uint16_t usWinAscent = 0;
    std::uint16_t usWinDescent = 0;
};

struct SfntFace
{
    bool outline = false;             // glyf, CFF or CFF2
    bool bitmapsOrVariations = false; // sbix (FreeType takes the face as bitmaps) or fvar
    std::optional<Os2Fields> os2;     // none without a table long enough for the fields
};

// Fills count bytes at offset; false when the source has not that many there.
using SfntRead = std::function<bool(std::uint64_t offset, std::size_t count, unsigned char* out)>;

// The face at index (0 outside a collection) of an sfnt file read through read; none when the
// file is not an sfnt, the index is not one of its faces or the directory cannot be read.
std::optional<SfntFace> readSfntFace(const SfntRead& read, int index);
// The same from the file's bytes in memory.
std::optional<SfntFace> readSfntFace(QByteArrayView font, int index);
// Reads from bytes in memory, refusing reads past their end.
SfntRead readFromBytes(QByteArrayView font);

// Whether the face's GSUB feature list names one of tags (vertical alternates: 'vert', 'vrt2'),
// read from the list's records alone; false for a face without GSUB or a damaged one.
bool hasGsubFeature(const SfntRead& read, int index, std::span<const std::uint32_t> tags);

} // namespace typecask
