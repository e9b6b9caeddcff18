#include "core/colour.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(Colour, SplitAndHex)
{
    std::int32_t r = -7, g = -7, b = -7;
    SplitColor(Rgb(0, 128, 255), r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(ColorToHex(Rgb(0, 128, 255)), u"0080FF");
    EXPECT_EQ(ColorToHex(Rgb(12, 11, 10)), u"0C0B0A");
    EXPECT_EQ(ColorToHex(Rgb(255, 255, 255)), u"FFFFFF");
    EXPECT_EQ(ColorToHex(NoColour), u"000000");

    // -1 leaves the outputs as they were.
    SplitColor(NoColour, r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 255);
}
