// The floating sample windows through the running program, with a fake screen capture.
#include "colour_tools/colour_picker_window.h"
#include "core/colour.h"
#include "fakes/fake_tool_window_host.h"
#include "floating/fixed_floating_window.h"
#include "floating/sizable_floating_window.h"
#include "floating/sub_window.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"
#include "platform/qt_units.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

using namespace typecask;

namespace {

class Floating : public uitest::StartedWindow
{
protected:
    SubWindow& sub() { return main->windows().subWindow(); }
    FloatingWindow* floating() { return sub().current(); }
    QMenu* popup() { return child<QMenu>(u"popupcopybar"_qs); }
    QAction* item(int index) { return action(u"popupcopybar0(%1)"_qs.arg(index)); }

    FloatingWindow* open()
    {
        child<QAbstractButton>(u"Command15"_qs)->click();
        return floating();
    }

    // The floating windows that exist once closed ones are gone.
    int windowCount()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<FloatingWindow*>(w) != nullptr;
        return n;
    }

    // The popup as the right button opens it on the label: captions and check mark.
    QStringList popupAsOpened()
    {
        QTest::mousePress(floating()->Label1, Qt::RightButton, {}, QPoint(5, 5));
        QStringList seen;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_EQ(menu, popup());
        if (!menu)
            return seen;
        for (QAction* a : menu->actions())
            seen.append(a->isSeparator() ? u"-"_qs : a->text() + (a->isChecked() ? u" ✓"_qs : QString()));
        menu->close();
        return seen;
    }

    QColor labelColour() { return floating()->Label1->palette().color(QPalette::WindowText); }

    // Acts on the colour picker the next command opens, then presses its OK.
    void onPicker(std::function<void(QWidget*)> act)
    {
        QTimer::singleShot(0, [act] {
            QWidget* picker = QApplication::activeModalWidget();
            ASSERT_NE(picker, nullptr);
            act(picker);
            QTest::mouseClick(picker->findChild<QWidget*>(u"Command1"_qs), Qt::LeftButton);
        });
    }
};

} // namespace

TEST_F(Floating, OpensOnceFromTheButtonOrTheMenuAndEscapeClosesIt)
{
    form1->Text1->setText(u"浮動 sample"_qs);
    FloatingWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), u"Form16");
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(state().SubWindowShown);
    EXPECT_FALSE(state().SubWindowKind);
    // Load: the sample as the preview shows it, the picture on the preview's background.
    EXPECT_EQ(w->Label1->text(), u"浮動 sample");
    EXPECT_EQ(w->Label1->font().family(), state().CurrentFontName);
    EXPECT_EQ(w->Label1->font().pointSize(), state().PreviewSize);
    EXPECT_EQ(w->Picture1->backColor(), form1->Picture1->backColor());
    EXPECT_EQ(w->Label1->geometry(), w->rect());
    EXPECT_EQ(w->Picture1->geometry(), w->rect());

    // A second opening, by the button or the menu, focuses the same window.
    action(u"tool_Bar0(1)"_qs)->trigger();
    child<QAbstractButton>(u"Command15"_qs)->click();
    EXPECT_EQ(floating(), w);
    EXPECT_EQ(windowCount(), 1);

    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(floating(), nullptr);
    EXPECT_FALSE(state().SubWindowShown);
    EXPECT_EQ(windowCount(), 0);
    action(u"tool_Bar0(1)"_qs)->trigger();
    EXPECT_NE(floating(), nullptr);
    EXPECT_EQ(windowCount(), 1);
}

TEST_F(Floating, LabelFollowsFamilySizeStyleTextAndColours)
{
    FloatingWindow* w = open();
    clickRow(list, rowOf(u"IPAゴシック"_qs));
    EXPECT_EQ(w->Label1->font().family(), u"IPAゴシック");
    Q_EMIT child<QComboBox>(u"Combo1"_qs)->activated(12);
    EXPECT_EQ(w->Label1->font().pointSize(), 20);
    child<QAbstractButton>(u"Check1"_qs)->click();
    EXPECT_TRUE(w->Label1->font().bold());
    child<QAbstractButton>(u"Check2"_qs)->click();
    EXPECT_TRUE(w->Label1->font().italic());
    form1->Text1->setText(u"あいう"_qs);
    EXPECT_EQ(w->Label1->text(), u"あいう");

    // The text colour shows on the label while it is picked, and stays once chosen.
    QColor whilePicking;
    onPicker([&](QWidget* picker) {
        QTest::mouseClick(picker->findChild<QWidget*>(u"Command11"_qs), Qt::LeftButton); // invert
        whilePicking = labelColour();
    });
    child<QAbstractButton>(u"Command1"_qs)->click();
    EXPECT_EQ(whilePicking, QColor(255, 255, 255));
    EXPECT_EQ(labelColour(), QColor(255, 255, 255));

    // A new background clears the captured picture to it.
    item(0)->trigger();
    ASSERT_FALSE(w->Picture1->image().isNull());
    onPicker([](QWidget* picker) {
        QTest::mouseClick(picker->findChild<QWidget*>(u"Command11"_qs), Qt::LeftButton);
    });
    child<QAbstractButton>(u"Command2"_qs)->click();
    EXPECT_TRUE(w->Picture1->image().isNull());
    EXPECT_EQ(w->Picture1->backColor(), QColor(0, 0, 0));
    EXPECT_EQ(labelColour(), QColor(255, 255, 255));
    EXPECT_TRUE(messages->messages.isEmpty());
}

TEST_F(Floating, PopupCaptionsAndCheckMarkFollowTheFormAndOnTopState)
{
    open();
    EXPECT_EQ(popupAsOpened(),
              (QStringList{u"背景を読み取り"_qs, u"サイズ変更"_qs, u"常に手前"_qs, u"-"_qs, u"閉じる"_qs}));
    item(2)->trigger();
    EXPECT_TRUE(state().SubWindowOnTop);
    EXPECT_EQ(popupAsOpened().at(2), u"常に手前 ✓");
    item(1)->trigger();
    EXPECT_EQ(popupAsOpened(),
              (QStringList{u"背景を読み取り"_qs, u"サイズ固定"_qs, u"常に手前 ✓"_qs, u"-"_qs, u"閉じる"_qs}));
    item(2)->trigger();
    EXPECT_EQ(popupAsOpened().at(2), u"常に手前");
}

TEST_F(Floating, BackgroundReadCopiesFromTheWindowCornerOrSaysTheScreenIsRefused)
{
    FloatingWindow* w = open();
    w->move(120, 90);
    fake.screen->colour = QColor(10, 200, 30);
    item(0)->trigger();
    ASSERT_FALSE(fake.screen->requests.isEmpty());
    for (const QRect& r : fake.screen->requests)
        EXPECT_EQ(r, QRect(w->geometry().topLeft(), w->Picture1->size()));
    const QImage picture = w->Picture1->image();
    ASSERT_EQ(picture.size(), w->Picture1->size());
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(10, 200, 30));
    EXPECT_EQ(picture.pixelColor(picture.width() - 1, picture.height() - 1), QColor(10, 200, 30));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(messages->messages.isEmpty());

    // The picture stays where it was taken when the window moves.
    const qsizetype grabs = fake.screen->requests.size();
    w->move(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Picture1->image(), picture);
    EXPECT_EQ(fake.screen->requests.size(), grabs);

    // Partly off the screen: the part on it lands at its place in the picture, the rest
    // keeps the background colour.
    w->move(-50, -20);
    fake.screen->requests.clear();
    item(0)->trigger();
    ASSERT_FALSE(fake.screen->requests.isEmpty());
    EXPECT_EQ(fake.screen->requests.last(), QRect(0, 0, w->width() - 50, w->height() - 20));
    const QImage offEdge = w->Picture1->image();
    EXPECT_EQ(offEdge.pixelColor(49, 19).alpha(), 0);
    EXPECT_EQ(offEdge.pixelColor(50, 20), QColor(10, 200, 30));

    // A platform that refuses the screen leaves the picture and the windows as they were.
    fake.screen->refuse = true;
    item(0)->trigger();
    EXPECT_EQ(messages->messages,
              QStringList{u"背景を読み取れませんでした。この環境では画面を取り込めません。"_qs});
    EXPECT_EQ(w->Picture1->image(), offEdge);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(Floating, SwapKeepsPicturePlaceSizeAndTopmost)
{
    FloatingWindow* fixed = open();
    fixed->move(100, 80);
    item(0)->trigger();
    item(2)->trigger();
    const QImage picture = fixed->Picture1->image();
    const QRect place = fixed->geometry();

    item(1)->trigger();
    auto* sizable = qobject_cast<Form15*>(floating());
    ASSERT_NE(sizable, nullptr);
    EXPECT_EQ(windowCount(), 1);
    EXPECT_TRUE(state().SubWindowShown);
    EXPECT_TRUE(state().SubWindowKind);
    EXPECT_TRUE(sizable->isVisible());
    EXPECT_FALSE(sizable->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(sizable->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(sizable->geometry(), place);
    EXPECT_EQ(sizable->Picture1->image(), picture);
    // Form15's picture reaches 600 twips beyond the client area; the label fills the client.
    const int margin = twipsToPixels(600);
    EXPECT_EQ(sizable->Picture1->size(), place.size() + QSize(margin, margin));
    EXPECT_EQ(sizable->Label1->size(), place.size());
    sizable->resize(500, 300);
    EXPECT_EQ(sizable->Picture1->size(), QSize(500 + margin, 300 + margin));
    EXPECT_EQ(sizable->Label1->size(), QSize(500, 300));

    item(1)->trigger();
    auto* back = qobject_cast<Form16*>(floating());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(windowCount(), 1);
    EXPECT_FALSE(state().SubWindowKind);
    EXPECT_EQ(back->geometry(), QRect(place.topLeft(), QSize(500, 300)));
    EXPECT_EQ(back->minimumSize(), back->maximumSize());
    EXPECT_EQ(back->Picture1->image(), picture);
    EXPECT_TRUE(back->windowFlags() & Qt::WindowStaysOnTopHint);

    // The close box or Escape keeps the on-top choice for the next opening; the popup's close
    // drops it.
    item(1)->trigger();
    floating()->close();
    EXPECT_FALSE(state().SubWindowShown);
    EXPECT_TRUE(state().SubWindowOnTop);
    EXPECT_EQ(windowCount(), 0);
    EXPECT_TRUE(open()->windowFlags() & Qt::WindowStaysOnTopHint);
    item(4)->trigger();
    EXPECT_FALSE(state().SubWindowOnTop);
    EXPECT_FALSE(state().SubWindowShown);
    EXPECT_EQ(windowCount(), 0);
}

TEST_F(Floating, OnTopRulesAreSharedWithTheMainWindow)
{
    auto* check3 = child<QAbstractButton>(u"Check3"_qs);
    check3->click();
    FloatingWindow* w = open();
    item(2)->trigger();
    EXPECT_TRUE(state().AlwaysOnTop);
    EXPECT_TRUE(state().SubWindowOnTop);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);

    // Dropping the floating window's drops the main window's too.
    item(2)->trigger();
    EXPECT_FALSE(state().SubWindowOnTop);
    EXPECT_FALSE(state().AlwaysOnTop);
    EXPECT_FALSE(check3->isChecked());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);

    // Dropping the main window's drops the floating window's; setting one sets only that one.
    item(2)->trigger();
    EXPECT_FALSE(state().AlwaysOnTop);
    check3->click();
    EXPECT_TRUE(state().SubWindowOnTop);
    check3->click();
    EXPECT_FALSE(state().SubWindowOnTop);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(Floating, DraggingTheLabelMovesTheWindowWhereThePlatformCannot)
{
    FloatingWindow* w = open();
    w->move(100, 100);
    const auto send = [w](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(w->Label1->mapFromGlobal(global)), QPointF(global), button, held, {});
        QCoreApplication::sendEvent(w->Label1, &e);
    };
    const QPoint start = w->mapToGlobal(QPoint(10, 10));
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(50, 20), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(w->pos(), QPoint(150, 120));
    send(QEvent::MouseButtonRelease, start + QPoint(50, 20), Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, start + QPoint(90, 90), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w->pos(), QPoint(150, 120));
}

namespace {

// Records the windows shown, in order.
struct ShowLog : QObject
{
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            shown.append(o->objectName());
        return false;
    }
    QStringList shown;
};

} // namespace

TEST(SubWindowRead, HidesTheVisibleToolWindowsAndShowsThemAgainAfterTheFloatingWindow)
{
    AppState st;
    fakes::FakeServices fake;
    fakes::FakeToolWindowHost host;
    QWidget mainWindow, search, check;
    mainWindow.setObjectName(u"MDIForm1"_qs);
    search.setObjectName(u"Form10"_qs);
    check.setObjectName(u"Form14"_qs);
    mainWindow.setGeometry(50, 50, 600, 400);
    mainWindow.show();
    search.show();
    host.hiddenForRead = {&search, &check};
    SubWindow sub(st, *fake.screen, *fake.messageBox, host, &mainWindow);
    sub.open();
    ShowLog log;
    for (QWidget* w : {static_cast<QWidget*>(sub.current()), &mainWindow, &search, &check})
        w->installEventFilter(&log);

    sub.readBackground();
    EXPECT_EQ(log.shown, (QStringList{u"Form16"_qs, u"Form10"_qs, u"MDIForm1"_qs}));
    EXPECT_TRUE(search.isVisible());
    EXPECT_FALSE(check.isVisible());
    EXPECT_FALSE(sub.current()->Picture1->image().isNull());
}

namespace {

// Pixels of the window darker than mid grey: the sample's ink on the white picture.
int inkOf(QWidget* w)
{
    const QImage image = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

} // namespace

TEST_F(Floating, LargeBoldIsThickenedLikeThePreviewAndMarkupShowsAsTyped)
{
    FloatingWindow* w = open();
    w->setClientGeometry(QRect(0, 0, 600, 300));
    clickRow(list, rowOf(u"IPAゴシック"_qs)); // one weight only: bold is made by thickening
    auto* sizes = child<QComboBox>(u"Combo1"_qs);
    Q_EMIT sizes->activated(sizes->findText(u"72"_qs));
    ASSERT_EQ(w->Label1->font().pointSize(), 72);
    form1->Text1->setText(u"亜lH"_qs);
    const int regular = inkOf(w);
    child<QAbstractButton>(u"Check1"_qs)->click();
    ASSERT_TRUE(w->Label1->font().bold());
    EXPECT_GT(inkOf(w), regular * 1.15) << "regular " << regular;

    // The sample is text, never markup.
    child<QAbstractButton>(u"Check1"_qs)->click();
    form1->Text1->setText(u"<i>l</i>"_qs);
    const int asTyped = inkOf(w);
    form1->Text1->setText(u"l"_qs);
    EXPECT_GT(asTyped, inkOf(w) * 3);
}
