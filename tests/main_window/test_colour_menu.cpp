// The colour picker reached from the running program's keyboard menus.
#include "core/session.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"
#include "main_window/font_browser.h"
#include "main_window/main_window.h"
#include "main_window/preview_area.h"
#include "main_window/start_up.h"

#include <QApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

struct Seen
{
    QString title;
    int red = -1, green = -1, blue = -1;
};

// Presses Alt+E then the letter, reads the picker that opens and leaves it with Esc.
Seen openFromEditMenu(MDIForm1& w, Qt::Key letter)
{
    Seen seen;
    bool done = false;
    std::function<void()> look = [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            QTimer::singleShot(10, look);
            return;
        }
        seen.title = dialog->windowTitle();
        auto bar = [&](int i) { return dialog->findChild<QScrollBar*>(u"HScroll1(%1)"_qs.arg(i))->value(); };
        seen.red = bar(0);
        seen.green = bar(1);
        seen.blue = bar(2);
        QTest::keyClick(dialog, Qt::Key_Escape);
        done = true;
    };
    QTimer::singleShot(0, look);
    w.raise();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QTest::keyClick(target, Qt::Key_E, Qt::AltModifier);
    QTest::qWait(20);
    QWidget* menu = QApplication::activePopupWidget();
    EXPECT_NE(menu, nullptr);
    if (menu)
        QTest::keyClick(menu, letter);
    // "検索(&F)" shares its letter with the colour item: the letter only highlights the first.
    if (menu && letter == Qt::Key_F && QApplication::activePopupWidget() == menu)
        QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 3000));
    return seen;
}

} // namespace

TEST(ColourMenu, AltEThenFOrBOpensThePickerInItsMode)
{
    QTemporaryDir dir;
    Session session;
    session.programFolder = dir.path();
    Services services;
    services.clipboard = std::make_shared<fakes::FakeClipboard>();
    auto fonts = std::make_shared<fakes::FakeFontSource>();
    fonts->add(u"DejaVu Sans"_qs, 0, 4);
    auto main = StartUp(session, services, fonts);
    PreviewArea* area = main->form1()->Picture1;
    area->setForeColor(QColor(200, 10, 20));
    area->setBackColor(QColor(1, 2, 250));

    const Seen text = openFromEditMenu(*main, Qt::Key_F);
    EXPECT_EQ(text.title, u"色指定");
    EXPECT_EQ(text.red, 200);
    EXPECT_EQ(text.green, 10);
    EXPECT_EQ(text.blue, 20);
    EXPECT_EQ(area->foreColor(), QColor(200, 10, 20)); // Esc: -1, nothing changes

    const Seen back = openFromEditMenu(*main, Qt::Key_B);
    EXPECT_EQ(back.title, u"色指定");
    EXPECT_EQ(back.blue, 250);
    EXPECT_EQ(area->backColor(), QColor(1, 2, 250));

    // Closing the picker wrote the palettes, 84 lines.
    QFile palette(dir.filePath(u"Color.dat"_qs));
    ASSERT_TRUE(palette.open(QIODevice::ReadOnly));
    EXPECT_EQ(palette.readAll().count("\r\n"), 84);
    main->close();
}
