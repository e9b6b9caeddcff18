#include "platform/own_bold.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace typecask {

namespace {

// Qt's FreeType engine gives up its synthetic bold from this pixel size on.
constexpr qreal QtSyntheticBoldLimit = 64;

} // namespace

qreal ownBoldStroke(const QFont& font, const QPaintDevice* device)
{
    if (!font.bold())
        return 0;
    const qreal dpi = device ? device->logicalDpiY() : 96;
    const qreal pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / 72;
    if (pixels < QtSyntheticBoldLimit)
        return 0;
    const QFontInfo info(font);
    if (QFontDatabase::weight(info.family(), info.styleName()) >= QFont::Bold)
        return 0;
    // FreeType's synthetic bold widens each stem by about a 24th of the em; a stroke of that
    // width adds half of it on either side.
    return pixels / 24;
}

void drawSampleText(QPainter& painter, const QPointF& position, const QString& text, qreal stroke)
{
    painter.drawText(position, text);
    if (stroke <= 0 || text.isEmpty())
        return;
    QPainterPath path;
    path.addText(position, painter.font(), text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(painter.pen().color(), stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.restore();
}

} // namespace typecask
