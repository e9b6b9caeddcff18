// Bold for faces without a bold weight at every size: Qt's FreeType engine thickens such a face
// only below 64 pixels, so a large bold sample would otherwise look exactly like the regular one.
#pragma once

#include <QString>

class QFont;
class QPaintDevice;
class QPainter;
class QPointF;

namespace typecask {

// The stroke width that thickens text in font drawn on device, or 0 when the font engine
// already draws it bold (a real bold face, a regular one Qt thickens itself, or not bold).
qreal ownBoldStroke(const QFont& font, const QPaintDevice* device);

// Draws text with its baseline starting at position in the painter's font and pen colour,
// thickened by stroke (from ownBoldStroke) when it is not 0. Advances are not changed, so
// text measured with the font's metrics still fits where it was measured.
void drawSampleText(QPainter& painter, const QPointF& position, const QString& text, qreal stroke);

} // namespace typecask
