#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "core/font_list_model.h"
#include "fakes/fake_font_source.h"

#include <gtest/gtest.h>

using namespace typecask;
using fakes::catalogOf;
using fakes::FakeFontSource;

namespace {

int listOf(const FontCatalog& c, const QString& name)
{
    for (const auto& e : c.entries())
        if (e.font.faceName == name)
            return e.list;
    return -1;
}

} // namespace

TEST(FontCatalog, RoutesByCharsetAndType)
{
    FakeFontSource src;
    src.add(u"ＭＳ ゴシック"_qs, 128, 4)
        .add(u"@ＭＳ ゴシック"_qs, 128, 4)
        .add(u"Courier"_qs, 0, 1)
        .add(u"Device"_qs, 0, 2)
        .add(u"Greek"_qs, 161, 4)
        .add(u"Cyrillic"_qs, 204, 1)
        .add(u"Symbol"_qs, 2, 4)
        .add(u"Both bits"_qs, 0, 6);
    const FontCatalog c = catalogOf(src);
    EXPECT_EQ(listOf(c, u"ＭＳ ゴシック"_qs), catalogListIndex(FontCategory::Japanese, true));
    EXPECT_EQ(listOf(c, u"@ＭＳ ゴシック"_qs), catalogListIndex(FontCategory::Japanese, true));
    EXPECT_EQ(listOf(c, u"Courier"_qs), catalogListIndex(FontCategory::Western, false));
    EXPECT_EQ(listOf(c, u"Device"_qs), catalogListIndex(FontCategory::Western, false));
    EXPECT_EQ(listOf(c, u"Greek"_qs), catalogListIndex(FontCategory::Other, true));
    EXPECT_EQ(listOf(c, u"Cyrillic"_qs), catalogListIndex(FontCategory::Other, false));
    EXPECT_EQ(listOf(c, u"Symbol"_qs), catalogListIndex(FontCategory::Symbol, true));
    EXPECT_EQ(listOf(c, u"Both bits"_qs), catalogListIndex(FontCategory::Western, false)); // 6 is not 4
    EXPECT_EQ(c.count(0), 2);
    EXPECT_EQ(c.totalCount(), 8);
}

TEST(FontCatalog, KeepsOrderDuplicatesAndCutsAtNul)
{
    FakeFontSource src;
    src.add(u"Zeta"_qs, 0, 4).add(u"alpha"_qs, 0, 4).add(u"Zeta"_qs, 0, 4);
    src.add(QString(u"Cut"_qs + QChar(0) + u"Tail"_qs), 0, 4);
    src.add(u"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE"_qs, 0, 4); // 31 characters stay whole
    const FontCatalog c = catalogOf(src);
    const QStringList expected{u"Zeta"_qs, u"alpha"_qs, u"Zeta"_qs, u"Cut"_qs,
                               u"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE"_qs};
    EXPECT_EQ(c.names(catalogListIndex(FontCategory::Western, true)), expected);
}

TEST(FontCatalog, ListsStopAtTheirSixteenBitLimit)
{
    FontCatalog c;
    for (int i = 0; i < FontCatalog::MaxListSize + 5; ++i)
        FontEnumProc(c, EnumeratedFont{u"F"_qs + QString::number(i), 0, 4});
    EXPECT_EQ(c.count(catalogListIndex(FontCategory::Western, true)), FontCatalog::MaxListSize);
}

TEST(FontCatalog, DetailsAreReadOnceAndFoundByOtherNames)
{
    auto src = std::make_shared<FakeFontSource>();
    src->add(u"IPAゴシック"_qs, 128, 4, FontDetails{0x31, 16, 7, 1024});
    src->families.back().otherNames = {u"IPAGothic"_qs};
    src->add(u"NoDetails"_qs, 0, 4);
    FontCatalog c;
    c.setSource(src);
    enumerateFonts(c, *src);
    ASSERT_NE(c.details(u"IPAゴシック"_qs), nullptr);
    EXPECT_EQ(c.details(u"ipagothic"_qs)->pitchAndFamily, 0x31);
    EXPECT_EQ(c.details(u"IPAGothic"_qs)->averageWidthUnits, 1024);
    EXPECT_EQ(src->detailReads, 1);
    EXPECT_EQ(c.details(u"NoDetails"_qs), nullptr);
    EXPECT_EQ(c.details(u"NoDetails"_qs), nullptr);
    EXPECT_EQ(src->detailReads, 2);
    EXPECT_EQ(c.details(u"Unknown"_qs), nullptr);
}
