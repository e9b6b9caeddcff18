#include "colour_tools/colour_widgets.h"

#include "core/colour.h"
#include "core/window_stacking.h"
#include "platform/qt_units.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace typecask {

QImage colourFieldImage()
{
    QImage image(ColourFieldWidth, ColourFieldHeight, QImage::Format_RGB32);
    const std::vector<std::int32_t> pixels = colourFieldPixels();
    for (int y = 0; y < ColourFieldHeight; ++y)
        for (int x = 0; x < ColourFieldWidth; ++x)
            image.setPixel(x, y, toQColor(pixels[static_cast<std::size_t>(y * ColourFieldWidth + x)]).rgb());
    return image;
}

void paintShadeStrip(QImage& image, const Channels& colour, int widthTwips)
{
    QPainter p(&image);
    for (const ShadeLine& line : shadeStripLines(colour, image.height())) {
        p.setPen(QPen(toQColor(line.colour), 20, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(QPointF(0, line.y), QPointF(widthTwips, line.y + 5));
    }
}

QByteArray colourSampleKey(const QWidget* window)
{
    return QByteArray::number(reinterpret_cast<quintptr>(window), 16);
}

QMimeData* makeColourSampleData(const QByteArray& key)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(ColourSampleMime), key);
    return data;
}

ColourBox::ColourBox(int index, const QByteArray& dropKey, QWidget* parent)
    : QWidget(parent), m_index(index), m_dropKey(dropKey)
{
    setAcceptDrops(true);
}

void ColourBox::setColour(std::int32_t colour)
{
    m_colour = colour;
    update();
}

void ColourBox::paintEvent(QPaintEvent*)
{
    // A sunken one-pixel frame round the colour, as the boxes had.
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Mid));
    p.fillRect(r.adjusted(1, 1, 0, 0), palette().color(QPalette::Light));
    p.fillRect(r.adjusted(1, 1, -1, -1), toQColor(m_colour));
}

void ColourBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked(m_index);
}

bool ColourBox::isOurSample(const QMimeData* data) const
{
    return data && data->data(QString::fromLatin1(ColourSampleMime)) == m_dropKey;
}

void ColourBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (isOurSample(event->mimeData()))
        event->acceptProposedAction();
}

void ColourBox::dropEvent(QDropEvent* event)
{
    if (!isOurSample(event->mimeData()))
        return;
    event->acceptProposedAction();
    Q_EMIT sampleDropped(m_index);
}

ColourPicture::ColourPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourPicture::setImage(const QImage& image)
{
    m_image = image;
    update();
}

std::int32_t ColourPicture::pixelAt(const QPoint& pos) const
{
    if (!m_image.rect().contains(pos))
        return -1;
    return fromQColor(QColor(m_image.pixel(pos)));
}

void ColourPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawImage(0, 0, m_image);
}

void ColourPicture::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mousePressed(pixelAt(event->position().toPoint()));
}

void ColourPicture::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(pixelAt(event->position().toPoint()), event->buttons());
}

void ColourPicture::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(pixelAt(event->position().toPoint()));
}

SampleLabel::SampleLabel(const QByteArray& dropKey, QWidget* parent) : QLabel(parent), m_dropKey(dropKey)
{
    setAutoFillBackground(true);
    applyColours();
}

void SampleLabel::setForeColour(std::int32_t colour)
{
    m_fore = colour;
    applyColours();
}

void SampleLabel::setBackColour(std::int32_t colour)
{
    m_back = colour;
    applyColours();
}

void SampleLabel::applyColours()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(m_fore));
    pal.setColor(QPalette::Window, toQColor(m_back));
    setPalette(pal);
}

void SampleLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(makeColourSampleData(m_dropKey));
    QPixmap chip(16, 16);
    chip.fill(palette().color(QPalette::Window));
    QPainter(&chip).fillRect(4, 4, 8, 8, palette().color(QPalette::WindowText));
    drag->setPixmap(chip);
    drag->exec(Qt::CopyAction);
}

} // namespace typecask

namespace typecask {

void leaveAlwaysOnTop(AppState& state, StackingHost* stacking, QWidget* colourWindow)
{
    if (applyOnTopRule(state, stacking, OnTopRule::LeaveAlwaysOnTop))
        colourWindow->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

} // namespace typecask
