#include "core/window_stacking.h"

namespace typecask {

void SetAlwaysOnTop(AppState& state, StackingHost& host, bool onTop)
{
    state.AlwaysOnTop = onTop;
    host.setMainWindowTopmost(onTop);
    host.setCheck3(onTop);
    if (!onTop && state.SubWindowShown)
        SetWindowTopmost(state, host, false);
}

void SetWindowTopmost(AppState& state, StackingHost& host, bool onTop)
{
    state.SubWindowOnTop = onTop;
    if (!onTop && state.AlwaysOnTop)
        SetAlwaysOnTop(state, host, false);
    host.setSubWindowTopmost(onTop);
}

bool applyOnTopRule(AppState& state, StackingHost* host, OnTopRule rule)
{
    if (rule != OnTopRule::LeaveAlwaysOnTop || !state.AlwaysOnTop)
        return false;
    if (!host)
        return true;
    SetAlwaysOnTop(state, *host, false);
    return false;
}

} // namespace typecask
