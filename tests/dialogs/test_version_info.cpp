// The version window's count table and the family its name is drawn in.
#include "core/font_catalog.h"
#include "dialogs/version_info.h"

#include <gtest/gtest.h>

using namespace typecask;

namespace {

FontCatalog catalogOf(std::initializer_list<EnumeratedFont> fonts)
{
    FontCatalog c;
    for (const EnumeratedFont& f : fonts)
        c.add(f);
    return c;
}

} // namespace

TEST(VersionInfo, CountsByCategoryAndTypeWithTheirTotals)
{
    const FontCatalog c = catalogOf({{u"J1"_qs, 128, 4},
                                     {u"J2"_qs, 128, 4},
                                     {u"J3"_qs, 128, 1},
                                     {u"W1"_qs, 0, 4},
                                     {u"W2"_qs, 0, 0},
                                     {u"W3"_qs, 0, 1},
                                     {u"S1"_qs, 2, 4},
                                     {u"O1"_qs, 161, 0}});
    // Label8..11 TrueType, 12..15 other, 16..19 row totals, 20..22 column totals and all.
    const std::array<int, VersionCountCount> expected{2, 1, 1, 0, 1, 2, 0, 1, 3, 3, 1, 1, 4, 4, 8};
    EXPECT_EQ(versionCounts(c), expected);
}

TEST(VersionInfo, EmptyListsCountZero)
{
    const std::array<int, VersionCountCount> zero{};
    EXPECT_EQ(versionCounts(FontCatalog{}), zero);
}

TEST(VersionInfo, EveryWesternTrueTypeFamilyCanBePickedTheLastOneToo)
{
    const FontCatalog c =
        catalogOf({{u"W1"_qs, 0, 4}, {u"J1"_qs, 128, 4}, {u"W2"_qs, 0, 4}, {u"Wbitmap"_qs, 0, 1}});
    EXPECT_EQ(versionNameFamily(c, 0.0), u"W1"_qs);
    EXPECT_EQ(versionNameFamily(c, 0.49), u"W1"_qs);
    EXPECT_EQ(versionNameFamily(c, 0.5), u"W2"_qs);
    EXPECT_EQ(versionNameFamily(c, 0.999999), u"W2"_qs);
    EXPECT_EQ(versionNameFamily(catalogOf({{u"J1"_qs, 128, 4}}), 0.3), QString());
}
