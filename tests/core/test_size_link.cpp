#include "core/size_link.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(FontBrowserTables, HtmlSizesFollowThePreviewSize)
{
    const struct
    {
        int size;
        const char* tag;
        const char* pixels;
    } cases[] = {{8, "1", "12"},  {9, "2", "13"},  {10, "2", "15"}, {11, "3", "16"}, {12, "3", "18"},
                 {13, "4", "19"}, {14, "4", "21"}, {15, "5", "22"}, {22, "5", "33"}, {23, "6", "34"},
                 {30, "6", "45"}, {31, "7", "46"}, {32, "7", "48"}, {72, "7", "108"}};
    for (const auto& c : cases) {
        EXPECT_EQ(fontTagSizeFor(c.size), QString::fromLatin1(c.tag)) << c.size;
        EXPECT_EQ(pixelSizeFor(c.size), QString::fromLatin1(c.pixels)) << c.size;
    }
}
