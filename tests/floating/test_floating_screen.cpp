// The floating sample windows over the real screen: a private Xvfb server with a window
// manager, the program's own screen capture, and the windows' pixels read back.
#include "core/colour.h"
#include "fakes/fake_tool_window_host.h"
#include "floating/fixed_floating_window.h"
#include "floating/sizable_floating_window.h"
#include "floating/sub_window.h"
#include "font_tools/font_search_window.h"
#include "font_tools/html_font_check_window.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"
#include "platform/qt_services.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <QWindow>

using namespace typecask;

namespace {

const QColor Backdrop(200, 30, 160);
const QColor Ink(0, 0, 255);

// A plain window of one colour for the floating window to stand over.
std::unique_ptr<QWidget> backdropWindow(const QRect& geometry)
{
    auto w = std::make_unique<QWidget>();
    w->setObjectName(u"Backdrop"_qs);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Backdrop);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setGeometry(geometry);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
}

// What the screen shows now over a window's client area.
QImage onScreen(QWidget* w)
{
    QCoreApplication::processEvents();
    const QRect r = w->geometry();
    return w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

int countColour(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// Waits until the screen over w shows what ready() looks for.
bool screenShows(QWidget* w, const std::function<bool(const QImage&)>& ready)
{
    return QTest::qWaitFor([&] { return ready(onScreen(w)); }, 5000);
}

class FloatingScreen : public uitest::StartedWindow
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != u"xcb")
            GTEST_SKIP()
                << "reads a real X screen (run by tests/floating/with_wm.sh under tests/xvfb_run.sh)";
        fake.services.screen = std::make_shared<QtScreenCapture>();
        StartedWindow::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        // The sample in a colour of its own, so its pixels can be told from the background.
        form1->Picture1->setForeColor(Ink);
        form1->Text1->setText(u"■■■"_qs);
    }

    SubWindow& sub() { return main->windows().subWindow(); }
    QAction* item(int index) { return action(u"popupcopybar0(%1)"_qs.arg(index)); }

    FloatingWindow* openAt(const QPoint& topLeft)
    {
        child<QAbstractButton>(u"Command15"_qs)->click();
        FloatingWindow* w = sub().current();
        w->move(topLeft);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->geometry().topLeft() == topLeft; }, 3000));
        return w;
    }
};

} // namespace

TEST_F(FloatingScreen, ReadsTheWindowBehindAndDrawsTheSampleOverIt)
{
    const auto backdrop = backdropWindow({40, 40, 560, 320});
    FloatingWindow* w = openAt({100, 100});
    // Before any read the window shows the preview's background, not what is behind it.
    ASSERT_TRUE(screenShows(w, [](const QImage& s) { return s.pixelColor(0, 0) == QColor(Qt::white); }));

    item(0)->trigger();
    const QImage picture = w->Picture1->image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixelColor(0, 0), Backdrop);
    EXPECT_EQ(picture.pixelColor(picture.width() - 1, picture.height() - 1), Backdrop);
    EXPECT_EQ(countColour(picture, Backdrop), picture.width() * picture.height());
    EXPECT_TRUE(messages->messages.isEmpty());

    // On the screen: the captured colour at the corner with the sample drawn over it.
    ASSERT_TRUE(screenShows(
        w, [](const QImage& s) { return s.pixelColor(0, 0) == Backdrop && countColour(s, Ink) > 100; }));
    // Taken back by the window manager, the window is where it stood, in Qt's eyes too.
    EXPECT_EQ(w->pos(), QPoint(100, 100));
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->windowHandle()->isExposed(); }, 3000));

    // A second opening brings the same window back.
    child<QAbstractButton>(u"Command15"_qs)->click();
    EXPECT_EQ(sub().current(), w);

    // The swap keeps the picture, the place and the size; the picture still lines up.
    const QRect place = w->geometry();
    item(1)->trigger();
    FloatingWindow* sizable = sub().current();
    ASSERT_NE(qobject_cast<Form15*>(sizable), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sizable));
    EXPECT_TRUE(QTest::qWaitFor([&] { return sizable->geometry() == place; }, 3000));
    EXPECT_EQ(sizable->Picture1->image(), picture);
    ASSERT_TRUE(screenShows(sizable, [](const QImage& s) {
        return s.pixelColor(0, 0) == Backdrop && countColour(s, Ink) > 100;
    }));

    // Moved off the backdrop, the window keeps showing what was behind it when read.
    sizable->move(700, 760);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sizable->pos() == QPoint(700, 760); }, 3000));
    ASSERT_TRUE(screenShows(sizable, [](const QImage& s) { return s.pixelColor(0, 0) == Backdrop; }));
    EXPECT_EQ(sizable->Picture1->image(), picture);
}

TEST_F(FloatingScreen, StaysInFrontOnlyWhenAsked)
{
    const auto backdrop = backdropWindow({40, 40, 560, 320});
    FloatingWindow* w = openAt({100, 100});
    const auto covered = [](const QImage& s) { return countColour(s, Backdrop) == s.width() * s.height(); };
    const auto inFront = [](const QImage& s) { return countColour(s, Ink) > 100; };
    ASSERT_TRUE(screenShows(w, inFront));

    backdrop->raise();
    EXPECT_TRUE(screenShows(w, covered));

    item(2)->trigger();
    EXPECT_TRUE(screenShows(w, inFront));
    backdrop->raise();
    backdrop->activateWindow();
    QTest::qWait(200); // the raise has nothing to change; give it time to be wrong
    EXPECT_TRUE(screenShows(w, inFront));

    // Dropping it lets other windows over it again, and drops the main window's too.
    child<QAbstractButton>(u"Check3"_qs)->click();
    EXPECT_TRUE(state().AlwaysOnTop);
    item(2)->trigger();
    EXPECT_FALSE(state().AlwaysOnTop);
    backdrop->raise();
    EXPECT_TRUE(screenShows(w, covered));
}

TEST_F(FloatingScreen, AfterAReadTheWindowIsInFrontOfTheMainWindowAgain)
{
    // Over the main window's font list, where the main window draws nothing in the ink colour.
    const QPoint over = form1->List1->mapToGlobal(QPoint(10, 10));
    FloatingWindow* w = openAt(over);
    const auto inFront = [](const QImage& s) { return countColour(s, Ink) > 100; };
    ASSERT_TRUE(screenShows(w, inFront));

    item(0)->trigger();
    EXPECT_FALSE(state().SubWindowOnTop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->windowHandle()->isExposed(); }, 3000));
    EXPECT_TRUE(screenShows(w, inFront));
}

TEST_F(FloatingScreen, TheSearchAndTheHtmlCheckStayOutOfTheBackgroundRead)
{
    const auto backdrop = backdropWindow({40, 40, 560, 320});
    FloatingWindow* w = openAt({100, 100});
    main->windows().openSearch();
    QWidget& search = main->windows().form10();
    QWidget& check = main->windows().form14();
    check.show();
    // Both over the floating window's place, where the read looks.
    for (QWidget* tool : {&search, &check}) {
        tool->setGeometry(130, 130, 300, 200);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tool));
    }
    item(0)->trigger();
    const QImage picture = w->Picture1->image();
    EXPECT_EQ(countColour(picture, Backdrop), picture.width() * picture.height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return search.isVisible() && check.isVisible(); }, 3000));
    check.close();
    search.close();
}

TEST_F(FloatingScreen, ToolWindowsThatWereShowingComeBackAndHiddenOnesStayHidden)
{
    const auto backdrop = backdropWindow({40, 40, 560, 320});
    QWidget search, check;
    search.setGeometry(120, 120, 200, 150); // over the floating window's corner
    search.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&search));
    check.setGeometry(700, 100, 200, 150);
    fakes::FakeToolWindowHost host;
    host.sample = main->currentSample();
    host.hiddenForRead = {&search, &check};
    SubWindow standalone(state(), *fake.services.screen, *messages, host, main.get());
    standalone.open();
    FloatingWindow* w = standalone.current();
    w->move(100, 100);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->geometry().topLeft() == QPoint(100, 100); }, 3000));

    standalone.readBackground();
    // The search window was hidden while the screen was read: only the backdrop is captured.
    const QImage picture = w->Picture1->image();
    EXPECT_EQ(countColour(picture, Backdrop), picture.width() * picture.height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return search.windowHandle()->isExposed(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->windowHandle()->isExposed(); }, 3000));
    EXPECT_FALSE(check.isVisible());
    w->close();
}
