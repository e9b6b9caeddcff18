// The sfnt table reader on any bytes: the first byte picks the face, the rest is the file.
#include "core/font_classification.h"
#include "core/sfnt_tables.h"
#include "fuzz_support.h"

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int index = data[0] % 4;
    const QByteArrayView font(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const std::optional<SfntFace> face = readSfntFace(font, index);
    if (face) {
        // Details come only from a face that has the fields they are made of.
        const std::optional<FontDetails> details = detailsFromTables(*face, index % 2 == 0);
        FUZZ_CHECK(!details || (face->outline && face->os2));
    }
    return 0;
}
