// The program's units in Qt terms: design positions in twips, colours as 0x00BBGGRR.
#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

class QWidget;

namespace typecask {

// Twips to pixels at the screen's logical DPI (15 twips a pixel at 96 DPI).
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);
// Places a control by its design position in twips.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// 0x00BBGGRR to a QColor and back.
QColor toQColor(std::int32_t colour);
std::int32_t fromQColor(const QColor& colour);

} // namespace typecask
