#include "floating/fixed_floating_window.h"

#include "platform/qt_units.h"

#include <QKeyEvent>
#include <QLabel>

namespace typecask {

namespace {
// The window's design size.
constexpr int DesignWidthTwips = 6000;
constexpr int DesignHeightTwips = 2160;
} // namespace

Form16::Form16(QWidget* parent) : FloatingWindow(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(u"Form16"_qs);
    setFixedSize(twipsToPixels(DesignWidthTwips), twipsToPixels(DesignHeightTwips));
    placeControls();
}

void Form16::setClientGeometry(const QRect& geometry)
{
    setFixedSize(geometry.size());
    FloatingWindow::setClientGeometry(geometry);
}

void Form16::placeControls()
{
    Picture1->resize(size());
    Label1->resize(size());
}

void Form16::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    FloatingWindow::keyPressEvent(event);
}

} // namespace typecask
