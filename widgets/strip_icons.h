// The small icons of the main window's strips, painted at every pixel ratio the screens use,
// so they stay sharp on HiDPI screens without image files.
#pragma once

#include <QIcon>

namespace typecask {

enum class StripIcon {
    TextColour,
    BackColour,
    Search,
    FontListPreview,
    SubWindow,
    Pin,
    HtmlBar,
    RtfBar,
    Favorites,
    FavoritesList,
    Edit,
    AlignLeft,
    AlignCentre,
    AlignRight,
    Gradient,
    RandomColour,
    Copy,
};

QIcon stripIcon(StripIcon kind);
// A short text (one or two characters) as an icon.
QIcon glyphIcon(const QString& text, bool bold = false);

} // namespace typecask
