// The sfnt table reader on any bytes, as every face a collection could name.
#include "core/font_classification.h"
#include "core/sfnt_tables.h"
#include "fuzz_support.h"

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView font(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (int index = 0; index < 4; ++index) {
        const std::optional<SfntFace> face = readSfntFace(font, index);
        if (!face)
            continue;
        // Details come only from a face that has the fields they are made of.
        const std::optional<FontDetails> details = detailsFromTables(*face, index % 2 == 0);
        FUZZ_CHECK(!details || (face->outline && face->os2));
    }
    return 0;
}
