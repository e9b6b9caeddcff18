// The piece of the screen a background read copies (the popup's captions are checked through
// the real menu in test_sub_window).
#include "floating/floating_rules.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(FloatingRules, BackgroundReadStaysOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const QSize picture(400, 150);
    // Inside: the whole picture from the client area's corner.
    EXPECT_EQ(backgroundReadArea({100, 200}, picture, screen), QRect(100, 200, 400, 150));
    // Over the right and bottom edges: up to the edges.
    EXPECT_EQ(backgroundReadArea({1000, 900}, picture, screen), QRect(1000, 900, 280, 124));
    // Over the left and top edges: only the part on the screen.
    EXPECT_EQ(backgroundReadArea({-50, -20}, picture, screen), QRect(0, 0, 350, 130));
    // A second screen to the right keeps its own coordinates.
    EXPECT_EQ(backgroundReadArea({1300, 10}, picture, QRect(1280, 0, 1920, 1080)), QRect(1300, 10, 400, 150));
    EXPECT_TRUE(backgroundReadArea({2000, 10}, picture, screen).isEmpty());
}
