// Keeping the main window and the floating sample window above all others. Dropping the
// always-in-front state for either window drops it for both.
#pragma once

#include "core/app_state.h"

namespace typecask {

// What the stacking procedures act on; the main window provides it.
class StackingHost
{
public:
    virtual ~StackingHost() = default;
    virtual void setMainWindowTopmost(bool onTop) = 0;
    virtual void setAlwaysOnTopChecked(bool checked) = 0;
    // The open floating window (Form15 when SubWindowKind, else Form16).
    virtual void setSubWindowTopmost(bool onTop) = 0;
};

void setAlwaysOnTop(AppState& state, StackingHost& host, bool onTop);
void setWindowTopmost(AppState& state, StackingHost& host, bool onTop);

// What a window does to the always-in-front state as it loads.
enum class OnTopRule {
    Keep,            // nothing
    LeaveAlwaysOnTop // setAlwaysOnTop(False): the main window must not hide this window
};

// Applies rule for a window that is loading. Returns true when the window has to keep itself
// in front instead: the main window is always in front and no host is there to release it.
bool applyOnTopRule(AppState& state, StackingHost* host, OnTopRule rule);

} // namespace typecask
