// The services of the desktop the program calls, behind small interfaces so that tests can
// put fakes in their place. The Qt implementations live in platform/qt_services.h.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QImage;
class QRect;

namespace typecask {

// One copy: everything it puts on the clipboard, set at once (clear, RTF, text).
struct ClipboardContent
{
    QByteArray rtf; // empty: no RTF format
    QString text;
};

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void set(const ClipboardContent& content) = 0;
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
    virtual bool hasRtf() const = 0;
};

class Shell
{
public:
    virtual ~Shell() = default;
    // Opens a folder, file or web address with the desktop's handler; failures are ignored.
    virtual void open(const QString& pathOrUrl) = 0;
};

class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // An exclamation message with the program's title.
    virtual void warning(const QString& text) = 0;
    // A message with no icon and an OK button, with the program's title.
    virtual void notice(const QString& text) = 0;
};

class FileDialog
{
public:
    virtual ~FileDialog() = default;
    // An existing HTML file the user chose, starting in initialFolder, or empty.
    virtual QString openHtmlFile(const QString& initialFolder) = 0;
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0; // uniform on [0, 1)
    virtual void reseedFromClock() = 0;
};

class ScreenCapture
{
public:
    virtual ~ScreenCapture() = default;
    // A piece of the desktop in device-independent pixels; a null image where the platform
    // refuses to hand out the screen.
    virtual QImage grab(const QRect& area) = 0;
};

// The set a window picks its services from; each window's constructor takes only the ones
// it uses.
struct Services
{
    std::shared_ptr<Clipboard> clipboard;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<MessageBox> messageBox;
    std::shared_ptr<FileDialog> fileDialog;
    std::shared_ptr<RandomSource> random;
    std::shared_ptr<ScreenCapture> screen;
};

} // namespace typecask
