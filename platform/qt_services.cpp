#include "platform/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSpacerItem>
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

namespace {

// A box as wide as its title needs: QMessageBox sizes itself to a short text like "多すぎます",
// and the window manager then cuts the title it draws above it.
void showReadable(QMessageBox& box)
{
    const int title = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 160; // + the frame's buttons
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(title, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    box.exec();
}

} // namespace

void QtMessageBox::warning(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, u"Typecask"_qs, text, QMessageBox::Ok, m_parent);
    showReadable(box);
}

void QtMessageBox::notice(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, u"Typecask"_qs, text, QMessageBox::Ok, m_parent);
    showReadable(box);
}

QString QtFileDialog::openHtmlFile(const QString& initialFolder)
{
    // The caption names its patterns already: Qt's own "(*.htm *.html)" is not shown again.
    return QFileDialog::getOpenFileName(m_parent, QString(), initialFolder,
                                        u"HTMファイル(*.html) (*.htm *.html)"_qs, nullptr,
                                        QFileDialog::HideNameFilterDetails);
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

QImage QtScreenCapture::grab(const QRect& area)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

void useQtServicesWhereMissing(Services& services)
{
    if (!services.clipboard)
        services.clipboard = std::make_shared<QtClipboard>();
    if (!services.shell)
        services.shell = std::make_shared<QtShell>();
    if (!services.messageBox)
        services.messageBox = std::make_shared<QtMessageBox>();
    if (!services.fileDialog)
        services.fileDialog = std::make_shared<QtFileDialog>();
    if (!services.random)
        services.random = std::make_shared<ClockRandom>();
    if (!services.screen)
        services.screen = std::make_shared<QtScreenCapture>();
}

} // namespace typecask
