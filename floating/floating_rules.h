// What the floating sample windows decide without widgets: the shared popup's captions and
// check mark, the sizable window's picture margin and the piece of the screen a background
// read copies.
#pragma once

#include <QRect>
#include <QString>
#include <array>

namespace typecask {

struct AppState;

// popupcopybar's items, by index; item 3 is the separator.
enum PopupCopyBarItem {
    ReadBackgroundItem = 0,
    SizeModeItem = 1,
    OnTopItem = 2,
    CloseItem = 4,
    PopupCopyBarItemCount = 5
};

// The popup as it opens for the current floating window.
struct PopupCopyBarView
{
    std::array<QString, PopupCopyBarItemCount> captions;
    bool onTopChecked = false;
};

// "サイズ固定" while the sizable Form15 is current, "サイズ変更" while the fixed Form16 is;
// "常に手前" checked exactly while SubWindowOnTop.
PopupCopyBarView popupcopybarView(const AppState& state);

// Form15's picture reaches this far beyond its client area to the right and below, so a
// window made a little larger still shows the captured background.
constexpr int SizablePictureMarginTwips = 600;

// The screen piece a background read copies into the picture: from the client area's
// top-left corner as far as the picture reaches, within the screen (global coordinates).
// Empty when the window lies wholly off the screen.
QRect backgroundReadArea(const QPoint& clientTopLeft, const QSize& pictureSize, const QRect& screen);

} // namespace typecask
