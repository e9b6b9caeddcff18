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

} // namespace typecask
