#include "core/colour.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(Colour, SplitAndHex)
{
    std::int32_t r = -7, g = -7, b = -7;
    splitColour(Rgb(0, 128, 255), r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(colourToHex(Rgb(0, 128, 255)), u"0080FF");
    EXPECT_EQ(colourToHex(Rgb(12, 11, 10)), u"0C0B0A");
    EXPECT_EQ(colourToHex(Rgb(255, 255, 255)), u"FFFFFF");
    EXPECT_EQ(colourToHex(NoColour), u"000000");

    // -1 leaves the outputs as they were.
    splitColour(NoColour, r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 255);
}
