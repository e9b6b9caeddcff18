// A font file's details on any bytes, through both readers: the sfnt tables read directly, and
// FreeType fed by the program's own buffered stream (TrueType, OpenType, collections, Type 1,
// PCF and whatever else FreeType recognises).
#include "core/fontconfig_source.h"
#include "fuzz_support.h"

#include <ft2build.h>
#include FT_FREETYPE_H

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FT_Library freetype = [] {
        FT_Library lib = newBoundedFreeType();
        FUZZ_CHECK(lib);
        return lib;
    }();
    const QByteArray file = QFile::encodeName(fuzz::putFile(u"font"_qs, data, size));
    // The first face and a collection's second; faults are all this looks for.
    for (int index = 0; index < 2; ++index)
        for (bool readTables : {true, false})
            (void)fontFileDetails(freetype, file, index, index == 1, readTables);
    return 0;
}
