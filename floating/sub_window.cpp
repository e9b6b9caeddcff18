#include "floating/sub_window.h"

#include "core/app_state.h"
#include "core/sample.h"
#include "core/services.h"
#include "core/window_stacking.h"
#include "floating/fixed_floating_window.h"
#include "floating/floating_rules.h"
#include "floating/sizable_floating_window.h"
#include "widgets/tool_window_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <algorithm>

namespace typecask {

namespace {

// How long a background read waits for the hidden windows to leave the screen, and for what
// lies behind them to stop changing.
constexpr int HideLimitMs = 2000;
constexpr int SettleLimitMs = 1500;
// The pause between two looks at the screen while it settles.
constexpr int SettlePauseMs = 30;

// Runs the event loop until ready() holds or limitMs have passed.
bool runEventsUntil(const std::function<bool()>& ready, int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() >= limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

void runEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    runEventsUntil([&timer, ms] { return timer.elapsed() >= ms; }, ms);
}

bool onScreen(QWidget* w)
{
    QWindow* handle = w ? w->windowHandle() : nullptr;
    return handle && handle->isExposed();
}

} // namespace

SubWindow::SubWindow(AppState& state, ScreenCapture& screen, MessageBox& messages, ToolWindowHost& host,
                     QWidget* mainWindow)
    : QObject(mainWindow), m_state(state), m_screen(screen), m_messages(messages), m_host(host),
      m_main(mainWindow), m_popup(new QMenu(u"popupcopybar"_qs, mainWindow))
{
    m_popup->setObjectName(u"popupcopybar"_qs);
    const PopupCopyBarView view = popupcopybarView(m_state);
    for (int i = 0; i < PopupCopyBarItemCount; ++i) {
        const QString name = u"popupcopybar0(%1)"_qs.arg(i);
        if (view.captions[static_cast<std::size_t>(i)] == u"-") {
            m_popup->addSeparator()->setObjectName(name);
            continue;
        }
        QAction* item = m_popup->addAction(view.captions[static_cast<std::size_t>(i)]);
        item->setObjectName(name);
        item->setCheckable(i == OnTopItem);
        connect(item, &QAction::triggered, this, [this, i] { popupcopybar0_Click(i); });
    }
    connect(m_popup, &QMenu::aboutToShow, this, &SubWindow::updatePopup);
}

Form15* SubWindow::form15() const
{
    return qobject_cast<Form15*>(m_current.data());
}

Form16* SubWindow::form16() const
{
    return qobject_cast<Form16*>(m_current.data());
}

void SubWindow::open()
{
    if (!m_current) {
        auto* form = new Form16(m_main);
        Form_Load(form);
        // Over the middle of the main window, where the user is looking.
        form->move(m_main->geometry().center() - QPoint(form->width() / 2, form->height() / 2));
    }
    m_current->show();
    m_current->raise();
    m_current->activateWindow();
}

void SubWindow::Form_Load(FloatingWindow* window)
{
    m_state.SubWindowShown = true;
    const Sample sample = m_host.currentSample();
    window->showSample(sample);
    window->setBackColour(sample.backColour);
    m_state.SubWindowKind = window->isSizable();
    m_current = window;
    connect(window, &FloatingWindow::popupRequested, this, &SubWindow::popupcopybar_Click);
    connect(window, &FloatingWindow::unloaded, this, [this, window] { Form_Unload(window); });
    if (m_state.SubWindowOnTop)
        setWindowTopmost(m_state, m_host, true);
}

void SubWindow::Form_Unload(FloatingWindow* window)
{
    m_state.SubWindowShown = false;
    if (m_current.data() == window)
        m_current = nullptr;
}

void SubWindow::showSample(const Sample& sample)
{
    if (m_current)
        m_current->showSample(sample);
}

void SubWindow::setTextColour(std::int32_t colour)
{
    if (m_current)
        m_current->setTextColour(colour);
}

void SubWindow::setBackground(std::int32_t colour)
{
    if (!m_current)
        return;
    m_current->Picture1->setImage({});
    m_current->setBackColour(colour);
}

void SubWindow::setTopmost(bool onTop)
{
    FloatingWindow* w = m_current.data();
    if (!w || w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool visible = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        w->show(); // changing the flag hides the window
}

void SubWindow::updatePopup()
{
    const PopupCopyBarView view = popupcopybarView(m_state);
    const QList<QAction*> items = m_popup->actions();
    for (int i = 0; i < PopupCopyBarItemCount && i < items.size(); ++i)
        if (!items[i]->isSeparator())
            items[i]->setText(view.captions[static_cast<std::size_t>(i)]);
    items[OnTopItem]->setChecked(view.onTopChecked);
}

void SubWindow::popupcopybar_Click(const QPoint& globalPos)
{
    updatePopup();
    m_popup->popup(globalPos);
}

void SubWindow::popupcopybar0_Click(int index)
{
    switch (index) {
    case ReadBackgroundItem:
        readBackground();
        break;
    case SizeModeItem:
        swapForm();
        break;
    case OnTopItem:
        toggleOnTop();
        break;
    case CloseItem:
        closeWindow();
        break;
    default:
        break;
    }
}

void SubWindow::swapForm()
{
    FloatingWindow* old = m_current.data();
    if (!old)
        return;
    const QRect geometry = old->geometry();
    FloatingWindow* next = old->isSizable() ? static_cast<FloatingWindow*>(new Form16(m_main))
                                            : static_cast<FloatingWindow*>(new Form15(m_main));
    Form_Load(next);
    next->Picture1->setImage(old->Picture1->image());
    // The client area stays where it was, so the picture still lies over what it shows.
    next->setClientGeometry(geometry);
    next->show();
    old->close();
    m_state.SubWindowShown = true;
}

void SubWindow::toggleOnTop()
{
    if (m_current)
        setWindowTopmost(m_state, m_host, !m_state.SubWindowOnTop);
}

void SubWindow::closeWindow()
{
    m_state.SubWindowOnTop = false;
    if (m_current)
        m_current->close();
}

void SubWindow::readBackground()
{
    QPointer<FloatingWindow> w = m_current;
    if (!w || m_reading)
        return;
    m_reading = true;
    const QRect place = w->geometry();
    const std::vector<HiddenWindow> hidden = hideForRead(w);
    QImage shot;
    const QScreen* screen = w->screen();
    const QRect area =
        backgroundReadArea(place.topLeft(), w->Picture1->size(), screen ? screen->geometry() : QRect());
    if (!area.isEmpty())
        shot = grabWhenSettled(area);
    showAfterRead(hidden);
    m_reading = false;
    if (!w)
        return;
    // The main window comes back last and would cover the window the user is working with.
    w->raise();
    w->activateWindow();
    if (area.isEmpty())
        return;
    if (shot.isNull()) {
        m_messages.warning(u"背景を読み取れませんでした。この環境では画面を取り込めません。"_qs);
        return;
    }

    // The piece at the picture's corner; parts of the picture off the screen keep the
    // background colour.
    const qreal ratio = shot.devicePixelRatio();
    QImage picture(w->Picture1->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.drawImage(area.topLeft() - place.topLeft(), shot);
    p.end();
    w->Picture1->setImage(picture);
}

std::vector<SubWindow::HiddenWindow> SubWindow::hideForRead(FloatingWindow* floating)
{
    // The floating window and the main window, then the tool windows that are showing; they
    // come back in this order, the main window last.
    std::vector<HiddenWindow> hidden{{floating, floating->geometry()}};
    for (QWidget* tool : m_host.windowsHiddenForScreenRead())
        if (tool && tool->isVisible())
            hidden.push_back({tool, tool->geometry()});
    hidden.push_back({m_main, m_main->geometry()});
    for (const HiddenWindow& h : hidden)
        h.window->hide();

    // Off the screen first, then whatever lay behind them has repainted (grabWhenSettled).
    runEventsUntil(
        [&hidden] {
            return std::none_of(hidden.begin(), hidden.end(),
                                [](const HiddenWindow& h) { return onScreen(h.window); });
        },
        HideLimitMs);
    return hidden;
}

void SubWindow::showAfterRead(const std::vector<HiddenWindow>& hidden)
{
    for (const HiddenWindow& h : hidden)
        if (h.window)
            h.window->show();
    runEventsUntil(
        [&hidden] {
            return std::all_of(hidden.begin(), hidden.end(),
                               [](const HiddenWindow& h) { return !h.window || onScreen(h.window); });
        },
        HideLimitMs);
    // A window manager that takes a window back may report it at a place it is not (openbox
    // sometimes says 0,0): put each where it stood, so that Qt and the screen agree again.
    // Maximized and minimized windows are the manager's to place.
    for (const HiddenWindow& h : hidden)
        if (h.window && h.window->windowState() == Qt::WindowNoState && h.window->geometry() != h.geometry)
            h.window->setGeometry(h.geometry);
}

QImage SubWindow::grabWhenSettled(const QRect& area)
{
    QImage last = m_screen.grab(area);
    QElapsedTimer timer;
    timer.start();
    while (!last.isNull() && timer.elapsed() < SettleLimitMs) {
        runEventsFor(SettlePauseMs);
        QImage next = m_screen.grab(area);
        if (next.isNull() || next == last)
            return next;
        last = std::move(next);
    }
    return last;
}

} // namespace typecask
