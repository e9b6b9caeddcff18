#include "main_window/preview_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace typecask {

PreviewArea::PreviewArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"Picture1"_qs);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& PreviewArea::clearImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize px = size() * ratio;
    if (m_image.size() != px.expandedTo(QSize(1, 1))) {
        m_image = QImage(px.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        // Points become the same pixels as on the widget itself.
        m_image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        m_image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(m_back);
    return m_image;
}

void PreviewArea::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_back);
    if (!m_image.isNull())
        p.drawImage(event->rect(), m_image,
                    QRectF(event->rect().topLeft() * m_image.devicePixelRatio(),
                           event->rect().size() * m_image.devicePixelRatio()));
}

void PreviewArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        Q_EMIT rightButtonPressed(event->globalPosition().toPoint());
}

void PreviewArea::mouseReleaseEvent(QMouseEvent*)
{
    Q_EMIT mouseReleased();
}

} // namespace typecask
