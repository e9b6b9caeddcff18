#include "colour_tools/colour_rules.h"
#include "core/colour.h"

#include <gtest/gtest.h>

using namespace typecask;

namespace {
Channels split(std::int32_t c)
{
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(c, r, g, b);
    return {r, g, b};
}
} // namespace

TEST(ColourField, HueRunsFromRedToRedAndFadesToGrey)
{
    const std::vector<std::int32_t> px = colourFieldPixels();
    ASSERT_EQ(px.size(), size_t(ColourFieldWidth * ColourFieldHeight));
    EXPECT_EQ(split(px[0]), (Channels{253, 2, 2}));
    EXPECT_EQ(split(px[ColourFieldWidth - 1]), (Channels{253, 2, 2}));
    // A third of the way across is green, two thirds blue.
    const Channels green = split(colourFieldPixel(56, 0));
    EXPECT_TRUE(green[1] == 253 && green[0] <= 5 && green[2] <= 5);
    const Channels blue = split(colourFieldPixel(111, 0));
    EXPECT_TRUE(blue[2] == 253 && blue[0] <= 5 && blue[1] <= 5);
    for (int x = 0; x < ColourFieldWidth; ++x) {
        const Channels top = split(colourFieldPixel(x, 0));
        EXPECT_EQ(*std::max_element(top.begin(), top.end()), 253) << x;
        EXPECT_EQ(*std::min_element(top.begin(), top.end()), 2) << x;
        EXPECT_EQ(split(colourFieldPixel(x, ColourFieldHeight - 1)), (Channels{127, 127, 127})) << x;
    }
    // Halfway down a column is halfway to grey.
    EXPECT_EQ(split(colourFieldPixel(0, 63)), (Channels{189, 65, 65}));
}

TEST(ShadeStrip, BandsRunFromBlackThroughTheColourToWhite)
{
    const std::vector<ShadeLine> lines = shadeStripLines({200, 100, 0}, 126);
    ASSERT_EQ(lines.size(), 32u); // y = 2, 6 .. 62 above, h + 1, h + 5 .. h + 61 below (h = 63)
    EXPECT_EQ(lines[0].y, 2);
    EXPECT_EQ(split(lines[0].colour), (Channels{7, 4, 0})); // rounded up
    EXPECT_EQ(lines[15].y, 62);
    EXPECT_EQ(split(lines[15].colour), (Channels{197, 99, 0}));
    EXPECT_EQ(lines[16].y, 64);
    EXPECT_EQ(split(lines[16].colour), (Channels{201, 103, 5}));
    EXPECT_EQ(lines[31].y, 124);
    EXPECT_EQ(split(lines[31].colour), (Channels{254, 251, 247}));
    EXPECT_TRUE(shadeStripLines({1, 2, 3}, 1).empty());
    for (const ShadeLine& l : shadeStripLines({255, 255, 255}, 126)) {
        if (l.y > 63) {
            EXPECT_EQ(l.colour, 0xFFFFFF);
        }
    }
}

TEST(ColourSteps, ButtonsClampAtTheEnds)
{
    EXPECT_EQ(applyStep({240, 250, 5}, ColourStep::Lighter10), (Channels{250, 255, 15}));
    EXPECT_EQ(applyStep({10, 11, 200}, ColourStep::Darker10), (Channels{0, 1, 190}));
    EXPECT_EQ(applyStep({0, 128, 255}, ColourStep::Invert), (Channels{255, 127, 0}));
    EXPECT_EQ(applyStep({0, 1, 255}, ColourStep::Darker1), (Channels{0, 0, 254}));
    EXPECT_EQ(applyStep({0, 254, 255}, ColourStep::Lighter1), (Channels{1, 255, 255}));
    EXPECT_EQ(applyStep({244, 245, 0}, ColourStep::Lighter10), (Channels{254, 255, 10}));
    EXPECT_EQ(randomChannel(0.0), 0);
    EXPECT_EQ(randomChannel(0.999999999), 254);
}

TEST(NumericInput, NarrowFormTurnsFullWidthIntoHalfWidth)
{
    EXPECT_EQ(narrowForm(u"１２，３４　＃ＦＦａｂ"_qs), u"12,34 #FFab");
    EXPECT_EQ(narrowForm(u"－５"_qs), u"-5");
    EXPECT_EQ(narrowForm(u"あ1"_qs), u"あ1");
}

struct NumericCase
{
    const char16_t* text;
    std::optional<Channels> expected;
};

TEST(NumericInput, DecimalAndHexadecimalForms)
{
    const NumericCase cases[] = {
        {u"12,34,56", Channels{12, 34, 56}},
        {u"300,-5,20", Channels{255, 0, 20}},
        {u" 1 , 2 , 3 ", Channels{1, 2, 3}},
        {u"0.5,1.5,2.5", Channels{0, 2, 2}}, // halves go to the even neighbour
        {u"254.5,254.6,-0.4", Channels{254, 255, 0}},
        {u"32767,0,0", Channels{255, 0, 0}},
        {u"12,34", std::nullopt},
        {u",1,2", std::nullopt},
        {u"1,2,", std::nullopt},
        {u"1,x,2", std::nullopt},
        {u"1,2,3,4", std::nullopt},
        {u"32768,0,0", std::nullopt},   // beyond a 16-bit integer
        {u"0,32767.5,0", std::nullopt}, // rounds beyond it
        {u"#FF8000", Channels{255, 128, 0}},
        {u"FF8000", Channels{255, 128, 0}},
        {u"xx#00ff80", Channels{0, 255, 128}},
        {u"#abc", std::nullopt},
        {u"abcdeg", Channels{171, 205, 14}}, // reading stops at "g"
        {u"F#80 Z", Channels{15, 128, 0}},   // a pair not starting with a digit is 0
        {u"", std::nullopt},
    };
    for (const NumericCase& c : cases)
        EXPECT_EQ(parseNumericColour(QString::fromUtf16(c.text)), c.expected)
            << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(parseNumericColour(narrowForm(u"１２,３４,５６"_qs)), (Channels{12, 34, 56}));
}
