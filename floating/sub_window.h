// The floating sample window as the program knows it: at most one, the fixed Form16 or the
// sizable Form15, with the shared popup popupcopybar. Opens, follows the preview, swaps the
// two forms, reads the screen behind them and keeps them in front.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <cstdint>
#include <vector>

class QImage;
class QMenu;
class QPoint;
class QWidget;

namespace typecask {

struct AppState;
class FloatingWindow;
class Form15;
class Form16;
class MessageBox;
struct Sample;
class ScreenCapture;
class ToolWindowHost;

class SubWindow final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SubWindow)
public:
    // mainWindow parents the windows and the popup and hides for a background read, with the
    // tool windows the host names; the host gives the sample and keeps the main window in front.
    SubWindow(AppState& state, ScreenCapture& screen, MessageBox& messages, ToolWindowHost& host,
              QWidget* mainWindow);

    // Command15: the open window gets the focus; otherwise Form16 is loaded and shown.
    void open();

    // The open window, or none.
    FloatingWindow* current() const { return m_current.data(); }
    Form15* form15() const;
    Form16* form16() const;
    QMenu* popup() const { return m_popup; }

    // The open window's label follows the preview as ShowPreview draws it.
    void showSample(const Sample& sample);
    // The label shows a colour being picked.
    void setTextColour(std::int32_t colour);
    // The preview got a new background: the picture is cleared to it.
    void setBackground(std::int32_t colour);
    // The open window kept above all others or not (setWindowTopmost's window part).
    void setTopmost(bool onTop);

    // Opens popupcopybar at globalPos for the open window.
    void popupcopybar_Click(const QPoint& globalPos);
    void popupcopybar0_Click(int index);

    // The popup's commands.
    void readBackground();
    void swapForm();
    void toggleOnTop();
    void closeWindow();

private:
    // Either form loading: it shows the sample, becomes the open window and keeps itself in
    // front when SubWindowOnTop.
    void Form_Load(FloatingWindow* window);
    // Either form closing: no floating window is shown any more.
    void Form_Unload(FloatingWindow* window);
    void updatePopup();
    // A window hidden while the screen is read, with where it stood.
    struct HiddenWindow
    {
        QPointer<QWidget> window;
        QRect geometry;
    };
    std::vector<HiddenWindow> hideForRead(FloatingWindow* floating);
    void showAfterRead(const std::vector<HiddenWindow>& hidden);
    // The screen piece once whatever repaints behind the hidden windows has finished.
    QImage grabWhenSettled(const QRect& area);

    AppState& m_state;
    ScreenCapture& m_screen;
    MessageBox& m_messages;
    ToolWindowHost& m_host;
    QWidget* m_main;
    QMenu* m_popup;                     // popupcopybar, the main window's
    QPointer<FloatingWindow> m_current; // Form15 when SubWindowKind, else Form16
    bool m_reading = false;             // a background read is under way
};

} // namespace typecask
