// The favourites editor's duplicate removal, font check and progress text.
#include "core/font_catalog.h"
#include "dialogs/favorites_editing.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(FavoritesEditing, LastOfEachGroupSurvivesInItsPlace)
{
    const QStringList in{u"A"_qs, u"B"_qs, u"A"_qs, u"C"_qs, u"B"_qs};
    EXPECT_EQ(withoutDuplicateNames(in), (QStringList{u"A"_qs, u"C"_qs, u"B"_qs}));
    // Exact comparison: letter case and trailing spaces make different names.
    EXPECT_EQ(withoutDuplicateNames({u"Arial"_qs, u"arial"_qs, u"Arial "_qs, u"Arial"_qs}),
              (QStringList{u"arial"_qs, u"Arial "_qs, u"Arial"_qs}));
    EXPECT_EQ(withoutDuplicateNames({u"X"_qs, u"X"_qs, u"X"_qs}), QStringList{u"X"_qs});
    EXPECT_TRUE(withoutDuplicateNames({}).isEmpty());
}

TEST(FavoritesEditing, ReportsEveryNameOnceInOrder)
{
    QList<int> seen;
    withoutDuplicateNames({u"A"_qs, u"B"_qs, u"A"_qs}, [&](int i) { seen.append(i); });
    EXPECT_EQ(seen, (QList<int>{0, 1, 2}));

    FontCatalog catalog;
    seen.clear();
    installedNames({u"A"_qs, u"B"_qs}, catalog, [&](int i) { seen.append(i); });
    EXPECT_EQ(seen, (QList<int>{0, 1}));
}

TEST(FavoritesEditing, FontCheckKeepsExactlyInstalledNamesDuplicatesIncluded)
{
    FontCatalog catalog;
    catalog.add({u"IPAゴシック"_qs, 128, 4});
    catalog.add({u"Fixed"_qs, 0, 1});
    catalog.add({u"OpenSymbol"_qs, 2, 4});
    const QStringList in{u"IPAゴシック"_qs, u"Gone"_qs,       u"fixed"_qs, u"Fixed"_qs,
                         u"IPAゴシック"_qs, u"OpenSymbol"_qs, QString()};
    EXPECT_EQ(installedNames(in, catalog),
              (QStringList{u"IPAゴシック"_qs, u"Fixed"_qs, u"IPAゴシック"_qs, u"OpenSymbol"_qs}));
}

TEST(FavoritesEditing, ProgressIsTheWholePercentWithALeadingSpace)
{
    EXPECT_EQ(duplicatesProgressText(0, 3), u" 0%"_qs);
    EXPECT_EQ(duplicatesProgressText(1, 3), u" 50%"_qs);
    EXPECT_EQ(duplicatesProgressText(2, 3), u" 100%"_qs);
    // 100 x 1 / 6 = 16.67: the integer part.
    EXPECT_EQ(duplicatesProgressText(1, 7), u" 16%"_qs);
    // No overflow on a large list.
    EXPECT_EQ(duplicatesProgressText(30000000, 30000001), u" 100%"_qs);
}
