#include "widgets/drag_area.h"

#include "platform/qt_services.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace typecask {

DragArea::DragArea(Kind kind, std::function<ClipboardContent()> content, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_content(std::move(content))
{
    setCursor(Qt::OpenHandCursor);
}

QSize DragArea::sizeHint() const
{
    return {22, 22};
}

void DragArea::paintEvent(QPaintEvent*)
{
    // A page with a large "A": the current sample in colour, the default sample in plain black.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page = QRectF(rect()).adjusted(3.5, 1.5, -3.5, -1.5);
    QPainterPath path;
    const qreal fold = page.width() * 0.3;
    path.moveTo(page.topLeft());
    path.lineTo(page.right() - fold, page.top());
    path.lineTo(page.right(), page.top() + fold);
    path.lineTo(page.bottomRight());
    path.lineTo(page.bottomLeft());
    path.closeSubpath();
    p.fillPath(path, Qt::white);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawPath(path);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(qMax(8, int(page.height() * 0.6)));
    p.setFont(f);
    p.setPen(m_kind == Kind::CurrentSample ? QColor(0xC0, 0x30, 0x30) : QColor(Qt::black));
    p.drawText(page.adjusted(0, fold * 0.5, 0, 0), Qt::AlignCenter,
               m_kind == Kind::CurrentSample ? u"A"_qs : u"a"_qs);
}

void DragArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_pressAt = event->position().toPoint();
    }
}

void DragArea::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressAt).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressed = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(makeMimeData(m_content()));
    drag->setPixmap(grab());
    drag->exec(Qt::CopyAction, Qt::CopyAction); // other programs may copy, never move
}

} // namespace typecask
