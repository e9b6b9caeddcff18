// The desktop services through Qt.
#pragma once

#include "core/services.h"

#include <QImage>
#include <QRect>
#include <random>

class QMimeData;
class QWidget;

namespace typecask {

class QtClipboard final : public Clipboard
{
public:
    void set(const ClipboardContent& content) override;
    QString text() const override;
    bool hasText() const override;
    bool hasRtf() const override;
};

class QtShell final : public Shell
{
public:
    void open(const QString& pathOrUrl) override;
};

class QtMessageBox final : public MessageBox
{
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void warning(const QString& text) override;
    void notice(const QString& text) override;

private:
    QWidget* m_parent;
};

class QtFileDialog final : public FileDialog
{
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    QString openHtmlFile(const QString& initialFolder) override;

private:
    QWidget* m_parent;
};

class ClockRandom final : public RandomSource
{
public:
    ClockRandom();
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 m_engine;
};

class QtScreenCapture final : public ScreenCapture
{
public:
    QImage grab(const QRect& area) override;
};

// The Qt service wherever a test has not put a fake.
void useQtServicesWhereMissing(Services& services);

// The MIME data of one copy (RTF under the three names word processors read, and text).
QMimeData* makeMimeData(const ClipboardContent& content);

} // namespace typecask
