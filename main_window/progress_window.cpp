#include "main_window/progress_window.h"

#include "platform/qt_units.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QResource>
#include <QScreen>
#include <QVBoxLayout>

namespace typecask {

namespace {

// The banner is a fixed picture (the program's name over a gradient) in two pixel ratios, kept
// as bare RGB rows: drawing it would load two more sizes of the UI font, and decoding a PNG
// would first look through every image-format plugin, all before anything shows.
QPixmap banner(qreal ratio)
{
    const int scale = ratio > 1.0 ? 2 : 1;
    const QByteArray pixels =
        QResource(scale == 2 ? u":/typecask/banner@2x.rgb"_qs : u":/typecask/banner.rgb"_qs)
            .uncompressedData();
    const int width = 320 * scale;
    const int height = static_cast<int>(pixels.size() / (width * 3));
    if (height == 0)
        return {};
    QPixmap pm = QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), width, height,
                                           width * 3, QImage::Format_RGB888));
    pm.setDevicePixelRatio(scale);
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
