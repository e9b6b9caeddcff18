// Which window owns which, as a window manager sees it: run under openbox on a private Xvfb
// (tests/floating/with_wm.sh), where ownership decides stacking and where the focus goes.
#include "font_tools/font_search_window.h"
#include "font_tools/html_font_check_window.h"
#include "main_window/started_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QProcess>
#include <QWindow>

using namespace typecask;

namespace {

// An X property of a window as xprop prints it ("" when xprop cannot tell).
QString xprop(WId window, const char* property)
{
    QProcess p;
    p.start(u"xprop"_qs, {u"-id"_qs, QString::number(window), QString::fromLatin1(property)});
    p.waitForFinished(5000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The managed windows bottom to top, as the window manager stacks them.
QList<WId> stacking()
{
    QProcess p;
    p.start(u"xprop"_qs, {u"-root"_qs, u"_NET_CLIENT_LIST_STACKING"_qs});
    p.waitForFinished(5000);
    QList<WId> ids;
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    for (const QString& id : out.section(u'#', 1).split(u',', Qt::SkipEmptyParts))
        ids.append(id.trimmed().toULongLong(nullptr, 16));
    return ids;
}

class Ownership : public uitest::StartedWindow
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != u"xcb")
            GTEST_SKIP()
                << "needs a window manager (run by tests/floating/with_wm.sh under tests/xvfb_run.sh)";
        StartedWindow::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        form1->Text1->setText(u"keep me"_qs);
    }

    Form10* openSearch()
    {
        child<QAbstractButton>(u"Command13"_qs)->click();
        auto* form = main->findChild<Form10*>(u"Form10"_qs);
        EXPECT_TRUE(form && QTest::qWaitForWindowActive(form));
        return form;
    }

    // Opens a modal window from a tool window and closes it: it must be owned by that window,
    // which has the focus again afterwards, so a key typed next goes to it.
    void expectFocusBack(QWidget* tool, const std::function<void()>& open, const QString& expected)
    {
        QWidget* owner = nullptr;
        auto seen = onNextModal(
            [&owner](QWidget* w) { owner = w->parentWidget() ? w->parentWidget()->window() : nullptr; });
        open();
        EXPECT_EQ(seen->value(0), expected);
        EXPECT_EQ(owner, tool) << expected.toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == tool; }, 3000))
            << expected.toStdString() << " handed the focus to "
            << (QApplication::activeWindow() ? QApplication::activeWindow()->objectName().toStdString()
                                             : "nothing");
        // A space typed next goes where the user was, not into the main window's sample box.
        if (auto* list = qobject_cast<QAbstractItemView*>(QApplication::focusWidget()))
            QTest::keyClick(list, Qt::Key_Space);
        EXPECT_EQ(form1->Text1->text(), u"keep me");
    }
};

} // namespace

TEST_F(Ownership, TheSearchIsOwnedByTheMainWindowAndStaysAboveItWhenAlwaysOnTop)
{
    action(u"hyouzi_BAR14"_qs)->trigger(); // 常に手前に表示
    ASSERT_TRUE(state().AlwaysOnTop);
    Form10* form = openSearch();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowHandle()->transientParent(), main->windowHandle());
    EXPECT_EQ(xprop(form->winId(), "WM_TRANSIENT_FOR"),
              u"WM_TRANSIENT_FOR(WINDOW): window id # 0x%1"_qs.arg(main->windowHandle()->winId(), 0, 16));
    // Over the main window (as the detailed panel can move it), it stays in front.
    form->move(main->geometry().topLeft() + QPoint(30, 30));
    QTest::qWait(200);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    const QList<WId> order = stacking();
    EXPECT_GT(order.indexOf(form->winId()), order.indexOf(main->winId()));
    form->close();
}

TEST_F(Ownership, WindowsOpenedFromTheSearchAndTheCheckGiveTheFocusBack)
{
    Form10* form = openSearch();
    ASSERT_NE(form, nullptr);
    form->Text1()->setText(u"dejavu"_qs);
    QTest::keyClick(form->Text1(), Qt::Key_Return);
    form->List1()->setFocus();
    form->List1()->setCurrentIndex(form->List1()->model()->index(0, 0));
    expectFocusBack(
        form, [&] { QTest::keyClick(form->List1(), Qt::Key_Right); }, u"Form9"_qs);
    expectFocusBack(
        form, [&] { findNamed<QAbstractButton>(form, u"Command3"_qs)->click(); }, u"Form18"_qs);
    expectFocusBack(
        form, [&] { findNamed<QAbstractButton>(form, u"Command5"_qs)->click(); }, u"Form11"_qs);
    form->close();

    Form14& check = main->windows().form14();
    check.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&check));
    expectFocusBack(
        &check, [&] { findNamed<QAbstractButton>(&check, u"Command1"_qs)->click(); }, u"Form18"_qs);
    check.close();
}
