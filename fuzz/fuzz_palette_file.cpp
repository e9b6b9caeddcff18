// Color.dat: any bytes load, save and load again to the same palettes and character lines.
#include "fuzz_support.h"
#include "storage/palette_file.h"

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::putFile(u"Color.dat"_qs, data, size);
    const PaletteFileContents first = loadPaletteFile(fuzz::folder());
    FUZZ_CHECK(first.characterLines.size() == CharacterColourLines);
    FUZZ_CHECK(savePaletteFile(fuzz::folder(), first));
    const PaletteFileContents second = loadPaletteFile(fuzz::folder());
    FUZZ_CHECK(second.characterLines == first.characterLines);
    FUZZ_CHECK(second.palettes == first.palettes);
    return 0;
}
