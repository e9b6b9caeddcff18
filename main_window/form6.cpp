#include "main_window/form6.h"

#include "platform/qt_units.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace typecask {

namespace {

// The banner is a fixed picture (the program's name over a gradient) in two pixel ratios:
// drawing it would make Qt find and load two more sizes of the UI font before anything shows.
QPixmap banner(qreal ratio)
{
    const bool sharp = ratio > 1.0;
    QPixmap pm(sharp ? u":/typecask/banner@2x.png"_qs : u":/typecask/banner.png"_qs);
    pm.setDevicePixelRatio(sharp ? 2.0 : 1.0);
    return pm;
}

} // namespace

Form6::Form6(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(u"Form6"_qs);
    m_Picture1 = new QLabel(this);
    m_Picture1->setObjectName(u"Picture1"_qs);
    m_Picture1->setPixmap(banner(devicePixelRatioF()));
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
