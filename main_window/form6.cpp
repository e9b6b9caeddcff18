#include "main_window/form6.h"

#include "platform/qt_units.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace typecask {

namespace {

// The banner: the program's name over a soft gradient, drawn at the screen's pixel ratio.
QPixmap banner(qreal ratio, const QFont& font)
{
    const QSize size(320, 96);
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(0x2B, 0x3A, 0x55));
    g.setColorAt(1, QColor(0x5B, 0x7D, 0xB1));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    // The window's own font: a second family would be one more font to find and load.
    QFont title = font;
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(20, 8, size.width() - 40, 60), Qt::AlignLeft | Qt::AlignVCenter, u"Typecask"_qs);
    QFont sub = font;
    sub.setPixelSize(14);
    p.setFont(sub);
    p.setPen(QColor(0xDD, 0xE6, 0xF5));
    p.drawText(QRect(22, 62, size.width() - 40, 24), Qt::AlignLeft | Qt::AlignVCenter,
               u"フォントビューア  Ver ２．０１"_qs);
    return pm;
}

} // namespace

Form6::Form6(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(u"Form6"_qs);
    m_Picture1 = new QLabel(this);
    m_Picture1->setObjectName(u"Picture1"_qs);
    m_Picture1->setPixmap(banner(devicePixelRatioF(), font()));
    m_Label1 = new QLabel(this);
    m_Label1->setObjectName(u"Label1"_qs);
    m_Label1->setAlignment(Qt::AlignCenter);
    m_Label1->setFont(font()); // the label takes the window's own font
    m_Label1->setMargin(4);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_Picture1);
    layout->addWidget(m_Label1);
    // As wide as the picture, as high as picture and label.
    setFixedSize(m_Picture1->sizeHint().width(),
                 m_Picture1->sizeHint().height() + m_Label1->sizeHint().height() + 8);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.center() - rect().center());
    }
}

void Form6::setStatus(const QString& caption)
{
    m_Label1->setText(caption);
    m_Label1->repaint(); // the banner stays as it is
}

QString Form6::status() const
{
    return m_Label1->text();
}

} // namespace typecask
