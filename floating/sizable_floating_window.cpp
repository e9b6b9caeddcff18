#include "floating/sizable_floating_window.h"

#include "floating/floating_rules.h"
#include "platform/qt_units.h"

#include <QLabel>

namespace typecask {

Form15::Form15(QWidget* parent) : FloatingWindow(parent, Qt::Tool)
{
    setObjectName(u"Form15"_qs);
    setWindowTitle(u"サブウインドウ"_qs);
    // The picture's margin lies outside the client area, but the mouse on it acts as on the label.
    Picture1->installEventFilter(this);
    placeControls();
}

void Form15::placeControls()
{
    const int margin = twipsToPixels(SizablePictureMarginTwips);
    Picture1->resize(width() + margin, height() + margin);
    Label1->resize(size());
}

} // namespace typecask
