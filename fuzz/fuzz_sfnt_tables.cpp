// The sfnt table reader on any bytes, as every face a collection could name: the directory, the
// OS/2 fields and GSUB's feature tags.
#include "core/font_classification.h"
#include "core/sfnt_tables.h"
#include "fuzz_support.h"

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView font(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static constexpr std::uint32_t VerticalAlternates[] = {0x76657274, 0x76727432}; // vert, vrt2
    for (int index = 0; index < 4; ++index) {
        // GSUB's feature list is read from the same bytes, its count and offsets all checked.
        (void)hasGsubFeature(readFromBytes(font), index, VerticalAlternates);
        const std::optional<SfntFace> face = readSfntFace(font, index);
        if (!face)
            continue;
        // Details come only from a face that has the fields they are made of.
        const std::optional<FontDetails> details = detailsFromTables(*face, index % 2 == 0);
        FUZZ_CHECK(!details || (face->outline && face->os2));
    }
    return 0;
}
