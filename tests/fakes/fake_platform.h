// Desktop services that record what the program asked of them.
#pragma once

#include "core/services.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <vector>

namespace typecask::fakes {

class FakeClipboard final : public Clipboard
{
public:
    void set(const ClipboardContent& c) override
    {
        content = c;
        ++sets;
    }
    QString text() const override { return content.text; }
    bool hasText() const override { return sets > 0; }
    bool hasRtf() const override { return !content.rtf.isEmpty(); }
    ClipboardContent content;
    int sets = 0;
};

class FakeShell final : public Shell
{
public:
    void open(const QString& p) override { opened.append(p); }
    QStringList opened;
};

class FakeMessageBox final : public MessageBox
{
public:
    void warning(const QString& t) override { messages.append(t); }
    void notice(const QString& t) override { notices.append(t); }
    QStringList messages;
    QStringList notices; // the ones without an icon
};

class FakeFileDialog final : public FileDialog
{
public:
    QString openHtmlFile(const QString& initialFolder) override
    {
        folders.append(initialFolder);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList folders; // where each dialog started
};

class FakeRandom final : public RandomSource
{
public:
    double next() override
    {
        if (values.empty())
            return 0.0;
        const double v = values[pos % values.size()];
        ++pos;
        return v;
    }
    void reseedFromClock() override { ++reseeds; }
    std::vector<double> values;
    size_t pos = 0;
    int reseeds = 0;
};

// The desktop as one colour; records each area asked for. Refusing gives a null image, as a
// platform without screen capture does.
class FakeScreenCapture final : public ScreenCapture
{
public:
    QImage grab(const QRect& area) override
    {
        requests.append(area);
        if (refuse)
            return {};
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    QColor colour = Qt::darkCyan;
    bool refuse = false;
    QList<QRect> requests;
};

// Every service a fake, each reachable with its own type for the checks.
struct FakeServices
{
    FakeServices()
    {
        services.clipboard = clipboard;
        services.shell = shell;
        services.messageBox = messageBox;
        services.fileDialog = fileDialog;
        services.random = random;
        services.screen = screen;
    }
    std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
    std::shared_ptr<FakeShell> shell = std::make_shared<FakeShell>();
    std::shared_ptr<FakeMessageBox> messageBox = std::make_shared<FakeMessageBox>();
    std::shared_ptr<FakeFileDialog> fileDialog = std::make_shared<FakeFileDialog>();
    std::shared_ptr<FakeRandom> random = std::make_shared<FakeRandom>();
    std::shared_ptr<FakeScreenCapture> screen = std::make_shared<FakeScreenCapture>();
    Services services;
};

} // namespace typecask::fakes
