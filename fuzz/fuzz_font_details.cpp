// A font file on any bytes, through everything that reads it: the details from the sfnt tables
// read directly and from FreeType fed by the program's own buffered stream (TrueType, OpenType,
// collections, Type 1, PCF and whatever else FreeType recognises), and the catalog's record of
// the family from what fontconfig makes of the file (names, languages, character set, format).
#include "core/fontconfig_source.h"
#include "fuzz_support.h"

#include <fontconfig/fontconfig.h>
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
    int faces = 0;
    if (FcPattern* face =
            FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(file.constData()), 0, nullptr, &faces)) {
        const std::vector<FontconfigSource::Family> families = FontconfigSource::familiesOf(&face, 1);
        FUZZ_CHECK(families.size() <= 1);
        FcPatternDestroy(face);
    }
    return 0;
}
