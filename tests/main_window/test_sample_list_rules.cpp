// The font sample list's rules over made-up sizes and names.
#include "main_window/sample_list_rules.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(SampleListRules, RowHeightAndRowCount)
{
    // 10-point line 13, 20-point line 27, and the gap.
    EXPECT_EQ(sampleListRowHeight(13, 27), 45);
    // 900 / 45 = 20 rows fit; two more exist.
    EXPECT_EQ(sampleListRowCount(900, 45), 22);
    EXPECT_EQ(sampleListRowCount(899, 45), 21);
}

TEST(SampleListRules, ScrollBarOnlyWhenNamesOutnumberTheRows)
{
    // 5 names, room for 10 rows: disabled, at 0, whatever the value was.
    SampleListScroll s = sampleListScroll(5, 450, 45, 3);
    EXPECT_FALSE(s.enabled);
    EXPECT_EQ(s.value, 0);
    EXPECT_EQ(s.largeChange, 10); // the page still draws all five
    // As many names as rows: still nothing to scroll.
    EXPECT_FALSE(sampleListScroll(10, 450, 45, 0).enabled);
    // A partial row does not count as room.
    EXPECT_TRUE(sampleListScroll(10, 449, 45, 0).enabled);

    // 30 names, 10 rows: the last page starts at name 20.
    s = sampleListScroll(30, 450, 45, 7);
    EXPECT_TRUE(s.enabled);
    EXPECT_EQ(s.maximum, 20);
    EXPECT_EQ(s.largeChange, 10);
    EXPECT_EQ(s.value, 7);
    // Growing the window pulls a value past the new end back to it.
    EXPECT_EQ(sampleListScroll(30, 900, 45, 19).value, 10);
}

TEST(SampleListRules, WindowLowerThanOneRowStillScrollsByOne)
{
    const SampleListScroll s = sampleListScroll(3, 20, 45, 0);
    EXPECT_TRUE(s.enabled);
    EXPECT_EQ(s.maximum, 3);
    EXPECT_EQ(s.largeChange, 1);
}

TEST(SampleListRules, LabelCountsFromOneAndSampleLosesOnlyCrLf)
{
    EXPECT_EQ(sampleListLabel(0, u"IPAゴシック"_qs), u"1: IPAゴシック"_qs);
    EXPECT_EQ(sampleListLabel(41, QString()), u"42: "_qs);
    EXPECT_EQ(sampleListLabel(2, u"Zx \u202Esnas"_qs), u"3: Zx [RLO]snas"_qs);
    EXPECT_EQ(sampleListText(u"ab\r\ncd\r\n"_qs), u"abcd"_qs);
    // Nothing else is touched: a lone CR or LF is drawn as it is, on the same line.
    EXPECT_EQ(sampleListText(u"a\rb\nc"_qs), u"a\rb\nc"_qs);
}

TEST(SampleListRules, PageStopsAtTheLastNameAndRowsPointIntoTheArray)
{
    const SampleListNames names(QStringList{u"A"_qs, u"B"_qs, u"C"_qs, u"D"_qs, u"E"_qs});
    EXPECT_EQ(names.count(), 5);
    EXPECT_EQ(names.page(0, 11), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(names.page(3, 4), (std::vector<int>{3, 4}));
    EXPECT_TRUE(names.page(5, 8).empty());

    // The trailing entry exists but is empty; beyond it nothing is picked.
    EXPECT_TRUE(names.holds(5));
    EXPECT_FALSE(names.holds(6));
    EXPECT_EQ(names.at(5), QString());
    EXPECT_EQ(names.pickedName(2, 1), u"D"_qs);
    EXPECT_EQ(names.pickedName(2, 3), QString());
    EXPECT_EQ(names.pickedName(2, 9), QString());

    const SampleListNames empty;
    EXPECT_EQ(empty.count(), 0);
    EXPECT_TRUE(empty.page(0, 3).empty());
    EXPECT_TRUE(empty.holds(0));
}
