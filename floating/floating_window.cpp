#include "floating/floating_window.h"

#include "core/sample.h"
#include "core/vertical_text.h"
#include "platform/own_bold.h"
#include "platform/qt_units.h"
#include "platform/specimen.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QWindow>

namespace typecask {

namespace {

// The sample's label. Bold text of a face without a bold weight is thickened past the size
// where Qt stops doing it, as the preview does, so the two show the same sample.
class SampleLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    // The family as the sample names it: an "@" family is drawn as vertical text.
    QString family;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (isVerticalFamilyName(family)) {
            QPainter p(this);
            m_specimen.draw(
                p, QRectF(rect()), family, text(),
                {font().pointSize(), font().bold(), font().italic(), palette().color(QPalette::WindowText)});
            return;
        }
        const qreal stroke = ownBoldStroke(font(), this);
        if (stroke <= 0) {
            QLabel::paintEvent(event);
            return;
        }
        QString shown = text();
        shown.replace(u'\n', QChar::LineSeparator);
        QTextLayout layout(shown, font(), this);
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QPainter p(this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        qreal y = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid() && y < height();
             line = layout.createLine()) {
            line.setLineWidth(width());
            line.setPosition(QPointF(0, y));
            QStringView part = QStringView(shown).mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back() == QChar::LineSeparator)
                part.chop(1);
            drawSampleText(p, QPointF(line.x(), y + line.ascent()), part.toString(), stroke);
            y += line.height();
        }
        layout.endLayout();
    }

private:
    SpecimenPainter m_specimen;
};

} // namespace

CapturedPicture::CapturedPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"Picture1"_qs);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CapturedPicture::setBackColor(const QColor& colour)
{
    m_back = colour;
    update();
}

void CapturedPicture::setImage(const QImage& image)
{
    m_image = image;
    update();
}

void CapturedPicture::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_back);
    if (!m_image.isNull())
        p.drawImage(QPoint(0, 0), m_image);
}

FloatingWindow::FloatingWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Picture1 = new CapturedPicture(this);
    Label1 = new SampleLabel(this);
    Label1->setObjectName(u"Label1"_qs);
    Label1->setTextFormat(Qt::PlainText); // a sample such as "<b>" is shown as typed
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setAutoFillBackground(false); // the picture shows through
    Label1->installEventFilter(this);
    // Both start at the top-left corner; the label covers the picture.
    Picture1->move(0, 0);
    Label1->move(0, 0);
    Label1->raise();
}

void FloatingWindow::showSample(const Sample& sample)
{
    Label1->setText(sample.text);
    QFont font(horizontalFamilyName(sample.fontName));
    font.setPointSize(sample.size);
    font.setBold(sample.bold);
    font.setItalic(sample.italic);
    static_cast<SampleLabel*>(Label1)->family = sample.fontName;
    Label1->setFont(font);
    setTextColour(sample.textColour);
}

void FloatingWindow::setTextColour(std::int32_t colour)
{
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, toQColor(colour));
    Label1->setPalette(pal);
}

void FloatingWindow::setBackColour(std::int32_t colour)
{
    Picture1->setBackColor(toQColor(colour));
}

void FloatingWindow::resizeEvent(QResizeEvent*)
{
    placeControls();
}

void FloatingWindow::closeEvent(QCloseEvent* event)
{
    Q_EMIT unloaded();
    event->accept();
}

bool FloatingWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Label1 && watched != Picture1)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        Label1_MouseDown(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        Label1_MouseMove(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void FloatingWindow::Label1_MouseDown(QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() == Qt::RightButton) {
        Q_EMIT popupRequested(global);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    // The window manager moves the window as if its caption were dragged; where the platform
    // offers no such move, the window follows the mouse itself.
    QWindow* handle = windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_dragOffset = global - pos();
    m_dragging = true;
}

void FloatingWindow::Label1_MouseMove(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

} // namespace typecask
