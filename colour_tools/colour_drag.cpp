#include "colour_tools/colour_drag.h"

#include "platform/qt_units.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

namespace typecask {

QMimeData* makeColourDragData(const QByteArray& windowKey, const ColourDrag& drag)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(ColourDragMime), windowKey + ' ' + QByteArray::number(drag.fore) + ' ' +
                                                           QByteArray::number(drag.back) + ' ' +
                                                           (drag.fromCell ? "1" : "0"));
    return data;
}

std::optional<ColourDrag> readColourDrag(const QMimeData* data, const QByteArray& windowKey)
{
    if (!data)
        return std::nullopt;
    const QList<QByteArray> parts = data->data(QString::fromLatin1(ColourDragMime)).split(' ');
    if (parts.size() != 4 || parts[0] != windowKey)
        return std::nullopt;
    bool foreOk = false, backOk = false;
    ColourDrag drag{parts[1].toInt(&foreOk), parts[2].toInt(&backOk), parts[3] == "1"};
    if (!foreOk || !backOk)
        return std::nullopt;
    return drag;
}

ColourCell::ColourCell(int index, bool characterCell, const QByteArray& windowKey, QWidget* parent)
    : QLabel(parent), m_index(index), m_characterCell(characterCell), m_key(windowKey)
{
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    applyColours();
}

void ColourCell::setForeColour(std::int32_t colour)
{
    m_fore = colour;
    applyColours();
}

void ColourCell::setBackColour(std::int32_t colour)
{
    m_back = colour;
    applyColours();
}

void ColourCell::applyColours()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(m_fore));
    pal.setColor(QPalette::Window, toQColor(m_back));
    setPalette(pal);
}

void ColourCell::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(makeColourDragData(m_key, dragContent()));
    // The chip shows what a drop on a cell or box would take.
    QPixmap chip(16, 16);
    chip.fill(toQColor(m_back));
    QPainter p(&chip);
    p.fillRect(4, 4, 8, 8, toQColor(dragContent().dropped()));
    p.end();
    drag->setPixmap(chip);
    drag->exec(Qt::CopyAction);
}

void ColourCell::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptDrops() && readColourDrag(event->mimeData(), m_key))
        event->acceptProposedAction();
}

void ColourCell::dropEvent(QDropEvent* event)
{
    const std::optional<ColourDrag> drag = readColourDrag(event->mimeData(), m_key);
    if (!acceptDrops() || !drag)
        return;
    event->acceptProposedAction();
    Q_EMIT dropped(m_index, *drag);
}

ColourDropTarget::ColourDropTarget(QWidget* target, const QByteArray& windowKey)
    : QObject(target), m_key(windowKey)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool ColourDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* e = static_cast<QDragMoveEvent*>(event);
        if (readColourDrag(e->mimeData(), m_key)) {
            e->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(event);
        if (const std::optional<ColourDrag> drag = readColourDrag(e->mimeData(), m_key)) {
            e->acceptProposedAction();
            Q_EMIT dropped(*drag);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace typecask
