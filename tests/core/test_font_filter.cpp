#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "fakes/fake_font_source.h"

#include <gtest/gtest.h>

using namespace typecask;
using fakes::catalogOf;
using fakes::FakeFontSource;

TEST(FontFilter, PassesCategoriesTypesAndVerticalNames)
{
    FakeFontSource src;
    src.add(u"jt"_qs, 128, 4)
        .add(u"@jt"_qs, 128, 4)
        .add(u"jo"_qs, 128, 1)
        .add(u"wt"_qs, 0, 4)
        .add(u"bitmap"_qs, 0, 1)
        .add(u"ot"_qs, 222, 4)
        .add(u"so"_qs, 2, 0);
    const FontCatalog c = catalogOf(src);
    FontFilter f; // Japanese and Western, TrueType only, no "@"
    EXPECT_EQ(filteredNames(c, f), (QStringList{u"jt"_qs, u"wt"_qs}));
    f.allFontTypes = true;
    EXPECT_EQ(filteredNames(c, f), (QStringList{u"jt"_qs, u"wt"_qs, u"jo"_qs, u"bitmap"_qs}));
    f.showVerticalFonts = true;
    EXPECT_EQ(filteredNames(c, f), (QStringList{u"jt"_qs, u"@jt"_qs, u"wt"_qs, u"jo"_qs, u"bitmap"_qs}));
    f.categories = {false, false, false, true};
    f.allFontTypes = false;
    EXPECT_EQ(filteredNames(c, f), QStringList{u"ot"_qs}); // no symbol TrueType font needed
    f.categories = {false, false, false, false};
    f.allFontTypes = true;
    EXPECT_TRUE(filteredNames(c, f).isEmpty());
}

TEST(FontFilter, PresortedListsEqualSortingTheFilteredNames)
{
    auto src = fakes::manyFamilies(3000);
    src->add(u"same"_qs, 0, 4).add(u"SAME"_qs, 128, 0).add(u"Same"_qs, 0, 4);
    FontCatalog c;
    enumerateFonts(c, *src);
    const SortedFontLists sorted(c);
    for (int mask = 0; mask < 64; ++mask) {
        FontFilter f;
        for (int i = 0; i < 4; ++i)
            f.categories[i] = mask & (1 << i);
        f.allFontTypes = mask & 16;
        f.showVerticalFonts = mask & 32;
        QStringList expected = filteredNames(c, f);
        sortIgnoringCase(expected);
        ASSERT_EQ(sorted.names(f), expected) << "mask " << mask;
    }
}
