// The colour picker and its numeric input driven through their real widgets.
#include "colour_tools/colour_number_dialog.h"
#include "colour_tools/colour_picker_window.h"
#include "colour_tools/colour_widgets.h"
#include "colour_tools/pick_color.h"
#include "core/colour.h"
#include "core/session.h"
#include "core/window_stacking.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_tool_window_host.h"
#include "platform/qt_units.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

constexpr std::int32_t White = 0xFFFFFF;

struct Picker : ::testing::Test
{
    Picker() { session.programFolder = dir.path(); }

    template <class T> static T* child(QWidget* w, const QString& name)
    {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static Channels scrolls(QWidget* w)
    {
        Channels c{};
        for (int i = 0; i < 3; ++i)
            c[i] = child<QScrollBar>(w, u"HScroll1(%1)"_qs.arg(i))->value();
        return c;
    }
    static void setScrolls(QWidget* w, const Channels& c)
    {
        for (int i = 0; i < 3; ++i)
            child<QScrollBar>(w, u"HScroll1(%1)"_qs.arg(i))->setValue(c[i]);
    }
    static void click(QWidget* w, const QString& name)
    {
        QTest::mouseClick(child<QWidget>(w, name), Qt::LeftButton);
    }
    static QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }
    static std::int32_t sampleFore(QWidget* w)
    {
        return fromQColor(child<QLabel>(w, u"Label7"_qs)->palette().color(QPalette::WindowText));
    }
    static std::int32_t sampleBack(QWidget* w)
    {
        return fromQColor(child<QLabel>(w, u"Label7"_qs)->palette().color(QPalette::Window));
    }
    static std::int32_t boxColour(QWidget* w, int i)
    {
        return child<ColourBox>(w, u"Picture3(%1)"_qs.arg(i))->colour();
    }
    static QImage strip(QWidget* w) { return child<ColourPicture>(w, u"Picture1"_qs)->image(); }

    // Drops the window's own sample on box i, as the drag would.
    static void dropSample(Form2& form, int i, const QByteArray& key = {})
    {
        QWidget* box = child<QWidget>(&form, u"Picture3(%1)"_qs.arg(i));
        std::unique_ptr<QMimeData> data(makeColourSampleData(key.isEmpty() ? colourSampleKey(&form) : key));
        const QPointF at(5, 5);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    }

    // Runs PickColor and acts on the open picker once it is up.
    std::int32_t pick(PickMode mode, std::int32_t fore, std::int32_t back, std::function<void(Form2&)> act)
    {
        QTimer::singleShot(0, [act] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* f = qobject_cast<Form2*>(w); f && f->isVisible())
                    return act(*f);
            ADD_FAILURE() << "no picker open";
        });
        return PickColor(session, *clipboard, *random, nullptr, nullptr, mode, fore, back);
    }

    QByteArray fileBytes() const
    {
        QFile f(dir.filePath(u"Color.dat"_qs));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QList<QByteArray> fileLines() const { return fileBytes().split('\n'); }

    QTemporaryDir dir;
    std::shared_ptr<fakes::FakeClipboard> clipboard = std::make_shared<fakes::FakeClipboard>();
    std::shared_ptr<fakes::FakeRandom> random = std::make_shared<fakes::FakeRandom>();
    Session session;
};

} // namespace

TEST_F(Picker, OpensWithTheCallersColoursInEitherMode)
{
    Form2 text(session, *clipboard, *random, nullptr);
    text.GetSetting(true, Rgb(0, 0, 255), White);
    EXPECT_EQ(scrolls(&text), (Channels{0, 0, 255}));
    EXPECT_EQ(Picker::text(&text, u"Text1"_qs), u"0,0,255");
    EXPECT_EQ(Picker::text(&text, u"Text2"_qs), u"#0000FF");
    EXPECT_EQ(sampleFore(&text), Rgb(0, 0, 255));
    EXPECT_EQ(sampleBack(&text), White);
    EXPECT_EQ(child<QLabel>(&text, u"Label4(2)"_qs)->text(), u"FF");
    EXPECT_EQ(child<QLabel>(&text, u"Label1(2)"_qs)->text(), u"255");
    EXPECT_EQ(child<QLabel>(&text, u"Label4(0)"_qs)->text(), u"00");
    EXPECT_EQ(text.windowTitle(), u"色指定");

    Form2 back(session, *clipboard, *random, nullptr);
    back.GetSetting(false, Rgb(255, 0, 0), Rgb(18, 52, 86));
    EXPECT_EQ(scrolls(&back), (Channels{18, 52, 86}));
    EXPECT_EQ(Picker::text(&back, u"Text2"_qs), u"#123456");
    EXPECT_EQ(sampleFore(&back), Rgb(255, 0, 0));
    EXPECT_EQ(sampleBack(&back), Rgb(18, 52, 86));
    // Moving a channel changes the background, not the text.
    setScrolls(&back, {18, 52, 100});
    EXPECT_EQ(sampleBack(&back), Rgb(18, 52, 100));
    EXPECT_EQ(sampleFore(&back), Rgb(255, 0, 0));
}

TEST_F(Picker, StepRandomAndInvertButtons)
{
    Form2 form(session, *clipboard, *random, nullptr);
    form.GetSetting(true, 0, White);
    setScrolls(&form, {240, 250, 5});
    click(&form, u"Command6"_qs); // ">>"
    EXPECT_EQ(scrolls(&form), (Channels{250, 255, 15}));
    setScrolls(&form, {10, 11, 200});
    click(&form, u"Command5"_qs); // "<<"
    EXPECT_EQ(scrolls(&form), (Channels{0, 1, 190}));
    click(&form, u"Command3"_qs); // "<"
    EXPECT_EQ(scrolls(&form), (Channels{0, 0, 189}));
    setScrolls(&form, {254, 255, 0});
    click(&form, u"Command4"_qs); // ">"
    EXPECT_EQ(scrolls(&form), (Channels{255, 255, 1}));
    setScrolls(&form, {0, 128, 255});
    click(&form, u"Command11"_qs); // "反転"
    EXPECT_EQ(scrolls(&form), (Channels{255, 127, 0}));
    EXPECT_EQ(Picker::text(&form, u"Text1"_qs), u"255,127,0");

    random->values = {0.0, 0.5, 0.99999999};
    click(&form, u"Command10"_qs); // "ランダム"
    EXPECT_EQ(scrolls(&form), (Channels{0, 127, 254}));
    EXPECT_EQ(random->reseeds, 1);
    random->values = {0.9999999999};
    for (int i = 0; i < 5; ++i) {
        click(&form, u"Command10"_qs);
        EXPECT_EQ(scrolls(&form), (Channels{254, 254, 254}));
    }
}

TEST_F(Picker, CopyButtonsPutTheTextBoxesOnTheClipboard)
{
    Form2 form(session, *clipboard, *random, nullptr);
    form.GetSetting(true, Rgb(255, 128, 0), White);
    click(&form, u"Command8"_qs);
    EXPECT_EQ(clipboard->content.text, u"255,128,0");
    EXPECT_TRUE(clipboard->content.rtf.isEmpty());
    click(&form, u"Command9"_qs);
    EXPECT_EQ(clipboard->content.text, u"#FF8000");
    EXPECT_EQ(clipboard->sets, 2);
}

TEST_F(Picker, OnlyTheColourFieldRedrawsTheStrip)
{
    Form2 form(session, *clipboard, *random, nullptr);
    form.GetSetting(true, Rgb(0, 0, 255), White);
    const QImage blueStrip = strip(&form);
    // Nearly black at the top, the colour in the middle, nearly white at the bottom.
    EXPECT_EQ(QColor(blueStrip.pixel(5, 0)), QColor(0, 0, 41));
    EXPECT_EQ(QColor(blueStrip.pixel(5, 53)), QColor(0, 0, 251));
    EXPECT_EQ(QColor(blueStrip.pixel(5, blueStrip.height() - 1)), QColor(247, 247, 255));

    click(&form, u"Picture3(12)"_qs); // standard red
    EXPECT_EQ(scrolls(&form), (Channels{255, 0, 0}));
    EXPECT_EQ(strip(&form), blueStrip);
    click(&form, u"Picture3(16)"_qs); // a white palette box
    EXPECT_EQ(scrolls(&form), (Channels{255, 255, 255}));
    EXPECT_EQ(strip(&form), blueStrip);

    QWidget* field = child<QWidget>(&form, u"Picture2"_qs);
    const QPoint at(56, 10);
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(colourFieldPixel(at.x(), at.y()), r, g, b);
    QTest::mouseRelease(field, Qt::LeftButton, {}, at); // the release alone picks, but does not redraw
    EXPECT_EQ(scrolls(&form), (Channels{r, g, b}));
    EXPECT_EQ(strip(&form), blueStrip);
    click(&form, u"Picture3(0)"_qs);
    QTest::mouseClick(field, Qt::LeftButton, {}, at);
    EXPECT_EQ(scrolls(&form), (Channels{r, g, b}));
    EXPECT_NE(strip(&form), blueStrip);

    // Picking in the strip takes its pixel.
    QWidget* stripArea = child<QWidget>(&form, u"Picture1"_qs);
    const QPoint low(5, stripArea->height() - 2);
    QTest::mouseClick(stripArea, Qt::LeftButton, {}, low);
    EXPECT_EQ(Rgb(scrolls(&form)[0], scrolls(&form)[1], scrolls(&form)[2]),
              fromQColor(QColor(strip(&form).pixel(low))));
}

TEST_F(Picker, SampleDroppedOnAPaletteBoxIsStoredInThatPalette)
{
    Form2 form(session, *clipboard, *random, nullptr);
    form.GetSetting(true, Rgb(10, 20, 30), White);
    for (int i = 16; i < 32; ++i)
        EXPECT_EQ(boxColour(&form, i), White);
    click(&form, u"Option1(1)"_qs); // "パレット２"
    ASSERT_TRUE(child<QRadioButton>(&form, u"Option1(1)"_qs)->isChecked());
    const PaletteTable before = session.palettes;

    dropSample(form, 3);
    EXPECT_EQ(boxColour(&form, 3), Rgb(0, 128, 128));
    dropSample(form, 20, "another window");
    EXPECT_EQ(session.palettes, before);

    dropSample(form, 20);
    EXPECT_EQ(boxColour(&form, 20), Rgb(10, 20, 30));
    EXPECT_EQ(session.palettes.at(1, 4), Rgb(10, 20, 30));
    click(&form, u"Option1(0)"_qs);
    EXPECT_EQ(boxColour(&form, 20), White);
    click(&form, u"Option1(1)"_qs);
    EXPECT_EQ(boxColour(&form, 20), Rgb(10, 20, 30));

    click(&form, u"Command2"_qs); // CANCEL still writes the palettes
    EXPECT_EQ(form.GetColor(), -1);
    EXPECT_EQ(fileLines()[paletteLine(1, 4) - 1], QByteArray(" 1971210 \r"));
}

TEST_F(Picker, BackgroundModeDropsAndReturnsTheBackground)
{
    const std::int32_t got = pick(PickMode::BackColour, Rgb(1, 2, 3), Rgb(40, 50, 60), [](Form2& f) {
        click(&f, u"Option1(3)"_qs);
        dropSample(f, 31);
        click(&f, u"Command4"_qs); // ">"
        click(&f, u"Command1"_qs); // OK
    });
    EXPECT_EQ(got, Rgb(41, 51, 61));
    EXPECT_EQ(session.palettes.at(3, 15), Rgb(40, 50, 60));
    EXPECT_EQ(fileLines()[paletteLine(3, 15) - 1], QByteArray(" 3945000 \r"));
}

TEST_F(Picker, EveryWayOfClosingButOkReturnsMinusOne)
{
    auto edited = [](Form2& f) { click(&f, u"Command6"_qs); };
    EXPECT_EQ(pick(PickMode::TextColour, Rgb(5, 5, 5), White,
                   [&](Form2& f) {
                       edited(f);
                       click(&f, u"Command1"_qs);
                   }),
              Rgb(15, 15, 15));
    EXPECT_EQ(pick(PickMode::TextColour, Rgb(5, 5, 5), White,
                   [&](Form2& f) {
                       edited(f);
                       QTest::keyClick(&f, Qt::Key_Escape);
                   }),
              -1);
    EXPECT_EQ(pick(PickMode::TextColour, Rgb(5, 5, 5), White,
                   [&](Form2& f) {
                       edited(f);
                       f.close(); // the close box
                   }),
              -1);
    // Enter presses CANCEL while the focus is not on another button.
    EXPECT_EQ(pick(PickMode::TextColour, Rgb(5, 5, 5), White,
                   [&](Form2& f) {
                       edited(f);
                       QWidget* bar = child<QWidget>(&f, u"HScroll1(1)"_qs);
                       bar->setFocus();
                       QTest::keyClick(bar, Qt::Key_Return);
                   }),
              -1);
    Form2 form(session, *clipboard, *random, nullptr);
    EXPECT_TRUE(child<QPushButton>(&form, u"Command2"_qs)->isDefault());
}

TEST_F(Picker, FirstCloseWritesAWhiteFileAndKeepsForeignLinesThroughManyUses)
{
    EXPECT_EQ(pick(PickMode::TextColour, 0, White, [](Form2& f) { click(&f, u"Command2"_qs); }), -1);
    QByteArray expected;
    for (int i = 0; i < 16; ++i)
        expected += "\r\n";
    for (int i = 0; i < 68; ++i)
        expected += " 16777215 \r\n";
    EXPECT_EQ(fileBytes(), expected);

    // The random colour maker's colours and hand-made hidden cells are left alone.
    PaletteFileContents made = loadPaletteFile(dir.path());
    for (int i = 0; i < 16; ++i)
        made.characterLines[i] = formatPaletteValue(i * 4096);
    for (int p = 0; p < PaletteCount; ++p)
        made.palettes.at(p, 16) = 100 + p;
    ASSERT_TRUE(savePaletteFile(dir.path(), made));
    const QByteArray handMade = fileBytes();
    for (int use = 0; use < 3; ++use)
        pick(PickMode::TextColour, 0, White, [use](Form2& f) {
            if (use == 1)
                click(&f, u"Command1"_qs);
            else
                f.close();
        });
    EXPECT_EQ(fileBytes(), handMade);
}

TEST_F(Picker, NumericInputReadsTheClipboardAndStaysOpenOnBadInput)
{
    std::optional<Channels> applied;
    clipboard->set({QByteArray(), u"１２,３４,５６"_qs});
    Form7 form(session.state, clipboard.get(), nullptr, [&](const Channels& c) { applied = c; });
    form.show();
    EXPECT_EQ(text(&form, u"Text1"_qs), u"１２,３４,５６");
    click(&form, u"Command1"_qs);
    EXPECT_EQ(applied, (Channels{12, 34, 56}));
    EXPECT_EQ(text(&form, u"Text1"_qs), u"12,34,56");
    EXPECT_EQ(form.result(), QDialog::Accepted);

    applied.reset();
    for (const QString& bad : {u"12,34"_qs, u"#abc"_qs, u"1,,2"_qs}) {
        Form7 again(session.state, clipboard.get(), nullptr, [&](const Channels& c) { applied = c; });
        again.show();
        child<QLineEdit>(&again, u"Text1"_qs)->setText(bad);
        click(&again, u"Command1"_qs);
        EXPECT_TRUE(again.isVisible()) << bad.toStdString();
        EXPECT_FALSE(applied) << bad.toStdString();
    }

    // A copied text longer than the typing limit arrives whole; an empty clipboard gives nothing.
    clipboard->set({QByteArray(), u"color: #00ff80"_qs});
    Form7 longText(session.state, clipboard.get(), nullptr, [&](const Channels& c) { applied = c; });
    EXPECT_EQ(text(&longText, u"Text1"_qs), u"color: #00ff80");
    click(&longText, u"Command1"_qs);
    EXPECT_EQ(applied, (Channels{0, 255, 128}));
    const fakes::FakeClipboard emptyClipboard;
    Form7 empty(session.state, &emptyClipboard, nullptr, [](const Channels&) {});
    EXPECT_EQ(text(&empty, u"Text1"_qs), QString());
}

TEST_F(Picker, NumericInputSetsThePickerOrLeavesItOnCancel)
{
    Form2 form(session, *clipboard, *random, nullptr);
    form.GetSetting(true, Rgb(1, 2, 3), White);
    form.show();
    auto numeric = [&](std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, [act] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                d && d->objectName() == u"Form7")
                return act(*d);
            ADD_FAILURE() << "no numeric input open";
        });
        click(&form, u"Command7"_qs);
    };
    numeric([](QDialog& d) {
        child<QLineEdit>(&d, u"Text1"_qs)->setText(u"300,-5,20"_qs);
        click(&d, u"Command1"_qs);
    });
    EXPECT_EQ(scrolls(&form), (Channels{255, 0, 20}));
    EXPECT_EQ(text(&form, u"Text2"_qs), u"#FF0014");
    numeric([](QDialog& d) {
        child<QLineEdit>(&d, u"Text1"_qs)->setText(u"1,2,3"_qs);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(scrolls(&form), (Channels{255, 0, 20}));
    EXPECT_TRUE(form.isVisible());
}

namespace {
// A main window that keeps itself in front, as the program's own can.
struct TopmostMain final : QWidget, fakes::FakeToolWindowHost
{
};
} // namespace

TEST_F(Picker, PicksShowOnTheFloatingWindowAndTheMainWindowLeavesTheFront)
{
    QWidget floating;
    auto* label = new QLabel(u"あ"_qs, &floating);
    // What the window registry hands the picker: the floating window's label follows.
    const auto follow = [label](std::int32_t colour) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, toQColor(colour));
        label->setPalette(pal);
    };
    session.state.SubWindowShown = true;
    session.state.AlwaysOnTop = true;
    TopmostMain main;
    main.floatingColour = follow;
    {
        Form2 form(session, *clipboard, *random, &main, &main);
        EXPECT_FALSE(main.mainTopmost);
        EXPECT_FALSE(session.state.AlwaysOnTop);
        form.GetSetting(true, Rgb(1, 2, 3), White);
        EXPECT_EQ(fromQColor(label->palette().color(QPalette::WindowText)), Rgb(1, 2, 3));
        click(&form, u"Command11"_qs);
        EXPECT_EQ(fromQColor(label->palette().color(QPalette::WindowText)), Rgb(254, 253, 252));
    }
    // A main window that cannot be asked keeps its state; the picker goes in front of it.
    session.state.AlwaysOnTop = true;
    QWidget plainMain;
    Form2 back(session, *clipboard, *random, nullptr, &plainMain);
    EXPECT_TRUE(back.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(session.state.AlwaysOnTop);
    back.GetSetting(false, Rgb(1, 2, 3), Rgb(9, 9, 9));
    EXPECT_EQ(fromQColor(label->palette().color(QPalette::WindowText)), Rgb(254, 253, 252));
}
