#include "platform/qt_units.h"

#include "core/colour.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace typecask {

namespace {

double logicalDpi()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

int twipsToPixels(int twips)
{
    return qRound(twips * logicalDpi() / 1440.0);
}

int pixelsToTwips(int pixels)
{
    return qRound(pixels * 1440.0 / logicalDpi());
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void placeTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

QColor toQColor(std::int32_t colour)
{
    std::int32_t r = 0, g = 0, b = 0; // -1 (no colour) shows black
    splitColour(colour, r, g, b);
    return QColor(r, g, b);
}

std::int32_t fromQColor(const QColor& colour)
{
    return Rgb(colour.red(), colour.green(), colour.blue());
}

} // namespace typecask
