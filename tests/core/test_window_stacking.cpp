#include "core/window_stacking.h"

#include <gtest/gtest.h>

using namespace typecask;

namespace {
struct RecordingHost : StackingHost
{
    int mainTop = -1, check3 = -1, subTop = -1;
    void setMainWindowTopmost(bool v) override { mainTop = v; }
    void setAlwaysOnTopChecked(bool v) override { check3 = v; }
    void setSubWindowTopmost(bool v) override { subTop = v; }
};
} // namespace

TEST(WindowStacking, DroppingEitherDropsBoth)
{
    AppState st;
    RecordingHost host;
    st.SubWindowShown = true;
    setAlwaysOnTop(st, host, true);
    setWindowTopmost(st, host, true);
    EXPECT_TRUE(st.AlwaysOnTop);
    EXPECT_TRUE(st.SubWindowOnTop);
    EXPECT_EQ(host.check3, 1);

    // The floating window's drop takes the main window's with it and clears Check3.
    setWindowTopmost(st, host, false);
    EXPECT_FALSE(st.SubWindowOnTop);
    EXPECT_FALSE(st.AlwaysOnTop);
    EXPECT_EQ(host.check3, 0);
    EXPECT_EQ(host.mainTop, 0);
    EXPECT_EQ(host.subTop, 0);

    // Setting one does not set the other.
    setAlwaysOnTop(st, host, true);
    EXPECT_FALSE(st.SubWindowOnTop);
    setAlwaysOnTop(st, host, false);
    EXPECT_EQ(host.subTop, 0);
    EXPECT_FALSE(st.SubWindowOnTop);
}

TEST(WindowStacking, LoadRuleReleasesTheMainWindowOrKeepsTheNewWindowInFront)
{
    AppState st;
    RecordingHost host;
    EXPECT_FALSE(applyOnTopRule(st, &host, OnTopRule::LeaveAlwaysOnTop));
    EXPECT_EQ(host.mainTop, -1); // not in front: nothing to do

    setAlwaysOnTop(st, host, true);
    EXPECT_FALSE(applyOnTopRule(st, &host, OnTopRule::Keep));
    EXPECT_TRUE(st.AlwaysOnTop);
    EXPECT_FALSE(applyOnTopRule(st, &host, OnTopRule::LeaveAlwaysOnTop));
    EXPECT_FALSE(st.AlwaysOnTop);
    EXPECT_EQ(host.mainTop, 0);
    EXPECT_EQ(host.check3, 0);

    // Without a host to release the main window, the new window must keep itself in front.
    st.AlwaysOnTop = true;
    EXPECT_TRUE(applyOnTopRule(st, nullptr, OnTopRule::LeaveAlwaysOnTop));
    EXPECT_TRUE(st.AlwaysOnTop);
}
