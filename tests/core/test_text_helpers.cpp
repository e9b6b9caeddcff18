#include "core/text_helpers.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(TextHelpers, replaceAll)
{
    EXPECT_EQ(replaceAll(u"a b  c"_qs, u" "_qs, QString()), u"abc");
    EXPECT_EQ(replaceAll(u"abc"_qs, u" "_qs, QString()), u"abc");
    EXPECT_EQ(replaceAll(u"x\r\ny\r\n"_qs, u"\r\n"_qs, QString()), u"xy");
    // Left to right, no overlap, case-sensitive.
    EXPECT_EQ(replaceAll(u"aaa"_qs, u"aa"_qs, u"b"_qs), u"ba");
    EXPECT_EQ(replaceAll(u"AaA"_qs, u"a"_qs, u"-"_qs), u"A-A");
    EXPECT_EQ(replaceAll(QString(), u" "_qs, u"x"_qs), QString());
}

TEST(CodePoints, CountAndCutKeepPairsWhole)
{
    const QString text = u"ab\U0001F600c"_qs;
    EXPECT_EQ(codePointCount(text), 4);
    EXPECT_EQ(leftCodePoints(text, 3), u"ab\U0001F600"_qs);
    EXPECT_EQ(leftCodePoints(text, 2), u"ab"_qs);
    EXPECT_EQ(leftCodePoints(text, 10), text);
}

TEST(TextHelpers, TwoHexDigitsAreUpperCaseAndPadded)
{
    EXPECT_EQ(twoHexDigits(0), u"00");
    EXPECT_EQ(twoHexDigits(10), u"0A");
    EXPECT_EQ(twoHexDigits(255), u"FF");
}

TEST(TextHelpers, AnInsertionIsCutToWhatFits)
{
    int cursor = 6;
    EXPECT_EQ(limitInsertion(u"abcd"_qs, u"ab1234cd"_qs, 6, cursor), u"ab12cd");
    EXPECT_EQ(cursor, 4);
    cursor = 5;
    EXPECT_EQ(limitInsertion(u"abc"_qs, u"12345"_qs, 4, cursor), u"1234"); // over a selection
    EXPECT_EQ(cursor, 4);
    cursor = 3;
    EXPECT_EQ(limitInsertion(u"ab"_qs, u"ab\U0001F600"_qs, 2, cursor), u"ab"); // no half pair
    EXPECT_EQ(cursor, 2);
    cursor = 2;
    EXPECT_EQ(limitInsertion(u"a"_qs, u"ab"_qs, 5, cursor), u"ab"); // within the limit: unchanged
    EXPECT_EQ(cursor, 2);
}
