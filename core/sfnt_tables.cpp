#include "core/sfnt_tables.h"

#include <algorithm>
#include <vector>

namespace typecask {

namespace {

std::uint16_t u16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

std::uint32_t u32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

constexpr std::uint32_t Ttcf = 0x74746366, Otto = 0x4F54544F, True = 0x74727565;
// More tables than any real face has: a directory claiming more is damaged.
constexpr int MaxTables = 512;
constexpr std::size_t Os2FieldsSize = 78; // up to usWinDescent

struct TableRecord
{
    std::uint32_t tag;
    std::uint32_t offset;
    std::uint32_t length;
};

// The table directory of the face at index; none when it cannot be read.
std::optional<std::vector<TableRecord>> tableDirectory(const SfntRead& read, int index)
{
    if (index < 0)
        return std::nullopt;
    unsigned char header[12];
    std::uint64_t start = 0;
    if (!read(0, sizeof header, header))
        return std::nullopt;
    if (u32(header) == Ttcf) {
        unsigned char at[4];
        if (static_cast<std::uint32_t>(index) >= u32(header + 8) ||
            !read(12 + 4 * static_cast<std::uint64_t>(index), sizeof at, at) ||
            !read(start = u32(at), sizeof header, header))
            return std::nullopt;
    } else if (index != 0) {
        return std::nullopt;
    }
    const std::uint32_t version = u32(header);
    const int tables = u16(header + 4);
    if ((version != 0x00010000 && version != Otto && version != True) || tables <= 0 || tables > MaxTables)
        return std::nullopt;
    std::vector<unsigned char> directory(static_cast<std::size_t>(tables) * 16);
    if (!read(start + 12, directory.size(), directory.data()))
        return std::nullopt;
    std::vector<TableRecord> records(static_cast<std::size_t>(tables));
    for (int i = 0; i < tables; ++i) {
        const unsigned char* entry = directory.data() + 16 * i;
        records[i] = {u32(entry), u32(entry + 8), u32(entry + 12)};
    }
    return records;
}

} // namespace

std::optional<SfntFace> readSfntFace(const SfntRead& read, int index)
{
    const std::optional<std::vector<TableRecord>> directory = tableDirectory(read, index);
    if (!directory)
        return std::nullopt;
    SfntFace face;
    std::uint32_t os2Offset = 0, os2Length = 0;
    for (const TableRecord& table : *directory) {
        switch (table.tag) {
        case 0x676C7966: // glyf
        case 0x43464620: // CFF
        case 0x43464632: // CFF2
            face.outline = true;
            break;
        case 0x73626978: // sbix
        case 0x66766172: // fvar
            face.bitmapsOrVariations = true;
            break;
        case 0x4F532F32: // OS/2
            os2Offset = table.offset;
            os2Length = table.length;
            break;
        }
    }
    unsigned char os2[Os2FieldsSize];
    if (os2Length >= sizeof os2 && read(os2Offset, sizeof os2, os2)) {
        Os2Fields f;
        f.version = u16(os2);
        f.xAvgCharWidth = static_cast<std::int16_t>(u16(os2 + 2));
        f.sFamilyClass = static_cast<std::int16_t>(u16(os2 + 30));
        std::copy_n(os2 + 32, f.panose.size(), f.panose.begin());
        f.usWinAscent = u16(os2 + 74);
        f.usWinDescent = u16(os2 + 76);
        face.os2 = f;
    }
    return face;
}

SfntRead readFromBytes(QByteArrayView font)
{
    const auto size = static_cast<std::uint64_t>(font.size());
    return [font, size](std::uint64_t offset, std::size_t count, unsigned char* out) {
        if (offset > size || count > size - offset)
            return false;
        std::copy_n(font.data() + offset, count, out);
        return true;
    };
}

std::optional<SfntFace> readSfntFace(QByteArrayView font, int index)
{
    return readSfntFace(readFromBytes(font), index);
}

bool hasGsubFeature(const SfntRead& read, int index, std::span<const std::uint32_t> tags)
{
    const std::optional<std::vector<TableRecord>> directory = tableDirectory(read, index);
    if (!directory)
        return false;
    const auto gsub = std::find_if(directory->begin(), directory->end(),
                                   [](const TableRecord& t) { return t.tag == 0x47535542; }); // GSUB
    unsigned char header[10];
    if (gsub == directory->end() || gsub->length < sizeof header ||
        !read(gsub->offset, sizeof header, header))
        return false;
    // FeatureList: a count, then 6-byte records of tag and offset; it must lie inside the table.
    const std::uint32_t listOffset = u16(header + 6);
    unsigned char countBytes[2];
    if (listOffset + 2u > gsub->length || !read(gsub->offset + std::uint64_t{listOffset}, 2, countBytes))
        return false;
    const std::size_t count = u16(countBytes);
    if (listOffset + 2u + count * 6 > gsub->length)
        return false;
    std::vector<unsigned char> records(count * 6);
    if (count == 0 || !read(gsub->offset + std::uint64_t{listOffset} + 2, records.size(), records.data()))
        return false;
    for (std::size_t i = 0; i < count; ++i)
        if (std::find(tags.begin(), tags.end(), u32(records.data() + 6 * i)) != tags.end())
            return true;
    return false;
}

} // namespace typecask
