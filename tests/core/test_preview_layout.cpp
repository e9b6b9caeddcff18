// The preview's wrap and stop rules with made-up character widths, the width cache and the
// list's column rule.
#include "core/preview_layout.h"

#include <gtest/gtest.h>

using namespace typecask;

namespace {

// Every character 10 wide, except the ones listed.
CharWidthFn widths(QHash<char32_t, double> special = {})
{
    return [special](char32_t c) { return special.value(c, 10.0); };
}

} // namespace

TEST(PreviewLayout, WrapsWhenTheSumPassesTheWidth)
{
    // 30 fits a width of 30 exactly; the fourth character passes it.
    const PreviewLines r = layoutPreview(u"abcdefg"_qs, 30, 1000, 12, widths());
    EXPECT_EQ(r.lines, (QStringList{u"abc"_qs, u"def"_qs, u"g"_qs}));
    EXPECT_FALSE(r.cut);
}

TEST(PreviewLayout, EmptyTextDrawsOneEmptyLine)
{
    const PreviewLines r = layoutPreview(QString(), 100, 100, 12, widths());
    EXPECT_EQ(r.lines, QStringList{QString()});
}

TEST(PreviewLayout, OverWideCharactersGetLinesOfTheirOwn)
{
    // A first character wider than the area leaves an empty first line.
    const PreviewLines r = layoutPreview(u"WabWc"_qs, 25, 1000, 12, widths({{U'W', 40}}));
    EXPECT_EQ(r.lines, (QStringList{QString(), u"W"_qs, u"ab"_qs, u"W"_qs, u"c"_qs}));
}

TEST(PreviewLayout, StopsOnceTheNextLineWouldStartBelowTheHeight)
{
    // Lines start at 0, 10, 20; the one at 30 would lie below 25 and is not drawn.
    const PreviewLines r = layoutPreview(u"aabbccddee"_qs, 20, 25, 10, widths());
    EXPECT_EQ(r.lines, (QStringList{u"aa"_qs, u"bb"_qs, u"cc"_qs}));
    EXPECT_TRUE(r.cut);
    // A start exactly at the height is still drawn.
    EXPECT_EQ(layoutPreview(u"aabbcc"_qs, 20, 20, 10, widths()).lines.size(), 3);
}

TEST(PreviewLayout, OneLineAtLargeSizeInTheSmallArea)
{
    // 72 points at 96 DPI is 96 pixels a line; the small step is 1000 twips (66 pixels).
    const PreviewLines r = layoutPreview(QString(200, u'M'), 700, 66, 110, widths({{U'M', 80}}));
    EXPECT_EQ(r.lines.size(), 1);
    EXPECT_EQ(r.lines.first().size(), 8);
    EXPECT_TRUE(r.cut);
}

TEST(PreviewLayout, MeasuresCodePointsNotSurrogateHalves)
{
    QList<char32_t> asked;
    const CharWidthFn record = [&asked](char32_t c) {
        asked.append(c);
        return 10.0;
    };
    const QString text = u"a\U0001F600b\r\n"_qs;
    const PreviewLines r = layoutPreview(text, 20, 1000, 10, record);
    EXPECT_EQ(asked, (QList<char32_t>{U'a', U'\U0001F600', U'b', U'\r', U'\n'}));
    // The pair stays whole on its line; CR and LF are measured like any other character.
    EXPECT_EQ(r.lines, (QStringList{u"a\U0001F600"_qs, u"b\r"_qs, u"\n"_qs}));
}

TEST(CharWidthCache, MeasuresEachCharacterOncePerFont)
{
    CharWidthCache cache;
    int measured = 0;
    const auto measure = [&measured](char32_t) {
        ++measured;
        return 7.0;
    };
    const CharWidthCache::Key sans{u"Sans"_qs, 32, false, false};
    CharWidthFn f = cache.widths(sans, measure);
    layoutPreview(u"abcabc"_qs, 1000, 100, 10, f);
    EXPECT_EQ(measured, 3);
    // Another style is another font; the first font's function stays usable meanwhile.
    CharWidthFn bold = cache.widths({u"Sans"_qs, 32, true, false}, measure);
    for (int i = 0; i < 100; ++i)
        cache.widths({u"Other %1"_qs.arg(i), 32, false, false}, measure);
    layoutPreview(u"ab"_qs, 1000, 100, 10, bold);
    EXPECT_EQ(measured, 5);
    EXPECT_EQ(f(U'a'), 7.0);
    EXPECT_EQ(cache.widths(sans, measure)(U'c'), 7.0);
    EXPECT_EQ(measured, 5);
}

TEST(FontBrowserTables, ListColumnsFollowTheWidth)
{
    const std::pair<int, int> cases[] = {{0, 1},    {2999, 1}, {3000, 1}, {5999, 1},
                                         {6000, 2}, {9000, 3}, {9001, 3}};
    for (const auto& [twips, columns] : cases)
        EXPECT_EQ(listColumnCount(twips), columns) << twips;
}
