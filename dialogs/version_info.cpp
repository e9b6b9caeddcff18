#include "dialogs/version_info.h"

#include "core/font_catalog.h"

#include <algorithm>

namespace typecask {

std::array<int, VersionCountCount> versionCounts(const FontCatalog& catalog)
{
    std::array<int, VersionCountCount> c{};
    for (int category = 0; category < 4; ++category) {
        const auto cat = static_cast<FontCategory>(category);
        const int trueType = catalog.count(catalogListIndex(cat, true));
        const int other = catalog.count(catalogListIndex(cat, false));
        c[static_cast<std::size_t>(category)] = trueType;
        c[static_cast<std::size_t>(4 + category)] = other;
        c[static_cast<std::size_t>(8 + category)] = trueType + other;
        c[12] += trueType;
        c[13] += other;
    }
    c[14] = c[12] + c[13];
    return c;
}

QString versionNameFamily(const FontCatalog& catalog, double r)
{
    const int list = catalogListIndex(FontCategory::Western, true);
    const int count = catalog.count(list);
    if (count == 0)
        return {};
    // Int(r x count): r below 1 never passes the last index.
    const int index = std::clamp(static_cast<int>(r * count), 0, count - 1);
    return catalog.name(list, index);
}

} // namespace typecask
