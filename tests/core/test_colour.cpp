#include "core/colour.h"
#include "core/window_stacking.h"

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

TEST(Colour, ReplaceAll)
{
    EXPECT_EQ(ReplaceAll(u"a b  c"_qs, u" "_qs, QString()), u"abc");
    EXPECT_EQ(ReplaceAll(u"abc"_qs, u" "_qs, QString()), u"abc");
    EXPECT_EQ(ReplaceAll(u"x\r\ny\r\n"_qs, u"\r\n"_qs, QString()), u"xy");
    // Left to right, no overlap, case-sensitive.
    EXPECT_EQ(ReplaceAll(u"aaa"_qs, u"aa"_qs, u"b"_qs), u"ba");
    EXPECT_EQ(ReplaceAll(u"AaA"_qs, u"a"_qs, u"-"_qs), u"A-A");
    EXPECT_EQ(ReplaceAll(QString(), u" "_qs, u"x"_qs), QString());
}

namespace {
struct RecordingHost : StackingHost
{
    int mainTop = -1, check3 = -1, subTop = -1;
    void setMainWindowTopmost(bool v) override { mainTop = v; }
    void setCheck3(bool v) override { check3 = v; }
    void setSubWindowTopmost(bool v) override { subTop = v; }
};
} // namespace

TEST(WindowStacking, DroppingEitherDropsBoth)
{
    AppState st;
    RecordingHost host;
    st.SubWindowShown = true;
    SetAlwaysOnTop(st, host, true);
    SetWindowTopmost(st, host, true);
    EXPECT_TRUE(st.AlwaysOnTop);
    EXPECT_TRUE(st.SubWindowOnTop);
    EXPECT_EQ(host.check3, 1);

    // The floating window's drop takes the main window's with it and clears Check3.
    SetWindowTopmost(st, host, false);
    EXPECT_FALSE(st.SubWindowOnTop);
    EXPECT_FALSE(st.AlwaysOnTop);
    EXPECT_EQ(host.check3, 0);
    EXPECT_EQ(host.mainTop, 0);
    EXPECT_EQ(host.subTop, 0);

    // Setting one does not set the other.
    SetAlwaysOnTop(st, host, true);
    EXPECT_FALSE(st.SubWindowOnTop);
    SetAlwaysOnTop(st, host, false);
    EXPECT_EQ(host.subTop, 0);
    EXPECT_FALSE(st.SubWindowOnTop);
}
