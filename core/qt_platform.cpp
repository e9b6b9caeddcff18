#include "core/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace typecask {

namespace {
const QStringList RtfMimeTypes{u"text/rtf"_qs, u"text/richtext"_qs, u"application/rtf"_qs};
}

QMimeData* makeMimeData(const ClipboardContent& content)
{
    auto* data = new QMimeData;
    if (!content.rtf.isEmpty())
        for (const QString& type : RtfMimeTypes)
            data->setData(type, content.rtf);
    data->setText(content.text);
    return data;
}

void QtClipboard::set(const ClipboardContent& content)
{
    QClipboard* cb = QGuiApplication::clipboard();
    cb->clear();
    cb->setMimeData(makeMimeData(content));
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

bool QtClipboard::hasText() const
{
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    return d && d->hasText();
}

bool QtClipboard::hasRtf() const
{
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    if (!d)
        return false;
    for (const QString& type : RtfMimeTypes)
        if (d->hasFormat(type))
            return true;
    return false;
}

void QtShell::open(const QString& pathOrUrl)
{
    const QUrl url = pathOrUrl.contains(u"://"_qs) ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl);
    QDesktopServices::openUrl(url); // failures are ignored
}

void QtMessageBox::warning(const QString& text)
{
    QMessageBox::warning(m_parent, u"Typecask"_qs, text);
}

QString QtFileDialog::openHtmlFile()
{
    return QFileDialog::getOpenFileName(m_parent, QString(), QString(),
                                        u"HTMファイル(*.html) (*.htm *.html)"_qs);
}

ClockRandom::ClockRandom()
{
    reseedFromClock();
}

double ClockRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

void ClockRandom::reseedFromClock()
{
    m_engine.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
}

QImage captureScreen(const QRect& area)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

static double logicalDpi()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

int twipsToPixels(int twips)
{
    return qRound(twips * logicalDpi() / 1440.0);
}

int pixelsToTwips(int pixels)
{
    return qRound(pixels * 1440.0 / logicalDpi());
}

} // namespace typecask
