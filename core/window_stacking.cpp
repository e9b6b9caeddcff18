#include "core/window_stacking.h"

namespace typecask {

void setAlwaysOnTop(AppState& state, StackingHost& host, bool onTop)
{
    state.AlwaysOnTop = onTop;
    host.setMainWindowTopmost(onTop);
    host.setAlwaysOnTopChecked(onTop);
    if (!onTop && state.SubWindowShown)
        setWindowTopmost(state, host, false);
}

void setWindowTopmost(AppState& state, StackingHost& host, bool onTop)
{
    state.SubWindowOnTop = onTop;
    if (!onTop && state.AlwaysOnTop)
        setAlwaysOnTop(state, host, false);
    host.setSubWindowTopmost(onTop);
}

bool applyOnTopRule(AppState& state, StackingHost* host, OnTopRule rule)
{
    if (rule != OnTopRule::LeaveAlwaysOnTop || !state.AlwaysOnTop)
        return false;
    if (!host)
        return true;
    setAlwaysOnTop(state, *host, false);
    return false;
}

} // namespace typecask
