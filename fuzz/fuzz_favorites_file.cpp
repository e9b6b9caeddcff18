// TypecaskBK.lst: any bytes load, save and load again to the same names.
#include "fuzz_support.h"
#include "storage/favorites_file.h"

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::putFile(u"TypecaskBK.lst"_qs, data, size);
    const QStringList lines = loadFavorites(fuzz::folder());
    FUZZ_CHECK(lines.size() <= MaxFavoriteLinesRead);
    const QStringList names = favoriteNames(lines);
    FUZZ_CHECK(saveFavorites(fuzz::folder(), names));
    FUZZ_CHECK(favoriteNames(loadFavorites(fuzz::folder())) == names);
    return 0;
}
