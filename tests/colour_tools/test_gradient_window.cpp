// The gradient maker driven through its real widgets, alone and opened from the main window.
#include "colour_tools/colour_picker_window.h"
#include "colour_tools/colour_widgets.h"
#include "colour_tools/gradient_window.h"
#include "core/colour.h"
#include "core/session.h"
#include "fakes/fake_platform.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"
#include "platform/qt_units.h"
#include "widgets/drag_area.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

constexpr std::int32_t Red = Rgb(255, 0, 0);
constexpr std::int32_t Blue = Rgb(0, 0, 255);

struct Gradient : ::testing::Test
{
    Gradient()
    {
        session.programFolder = dir.path();
        session.gradient.start = Red;
        session.gradient.end = Blue;
        session.gradient.startSet = true;
        sample.fontName = u"DejaVu Sans"_qs;
        sample.text = u"a b"_qs;
        sample.size = 12;
        options = {true, false, false, u"3"_qs, u"18"_qs};
    }

    template <class T = QWidget> T* child(const QString& name) { return findNamed<T>(&form, name); }
    QString caption(const QString& name) { return child<QPushButton>(name)->text(); }
    void load(CopyFormat mode)
    {
        session.state.OutputMode = mode;
        form.Form_Load(sample, options);
    }
    void setText(const QString& text) { child<QLineEdit>(u"Text1"_qs)->setText(text); }
    // Presses a colour button and, once the picker is up, acts on it.
    void pickWith(const QString& button, std::function<void(Form2&)> act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&seen, act] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* f = qobject_cast<Form2*>(w); f && f->isVisible()) {
                    seen = true;
                    return act(*f);
                }
        });
        child<QPushButton>(button)->click();
        EXPECT_TRUE(seen) << "no picker opened";
    }
    static void setPickerChannels(Form2& f, int r, int g, int b)
    {
        const int v[3] = {r, g, b};
        for (int i = 0; i < 3; ++i)
            f.findChild<QScrollBar*>(u"HScroll1(%1)"_qs.arg(i))->setValue(v[i]);
    }
    std::int32_t barPixel(int x) { return child<ColourPicture>(u"Picture1"_qs)->pixelAt(QPoint(x, 5)); }
    // The bar's colour at x is within a step or two of colour.
    ::testing::AssertionResult barNear(int x, std::int32_t colour)
    {
        std::int32_t r = 0, g = 0, b = 0, er = 0, eg = 0, eb = 0;
        splitColour(barPixel(x), r, g, b);
        splitColour(colour, er, eg, eb);
        if (std::abs(r - er) <= 4 && std::abs(g - eg) <= 4 && std::abs(b - eb) <= 4)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "at " << x << ": " << r << ',' << g << ',' << b;
    }
    QList<QLabel*> previewLabels() { return form.findChildren<QLabel*>(QRegularExpression(u"^Label5"_qs)); }

    QTemporaryDir dir;
    Session session;
    fakes::FakeClipboard clipboard;
    fakes::FakeRandom random;
    Form3 form{session, clipboard, random, {}};
    Sample sample;
    HtmlTagOptions options;
};

} // namespace

TEST_F(Gradient, LoadShowsTheSampleTheColoursAndTheMode)
{
    session.gradient.middle = Rgb(0, 255, 0);
    load(CopyFormat::Html);
    EXPECT_EQ(form.windowTitle(), u"グラデーション作成");
    EXPECT_EQ(child<QLineEdit>(u"Text1"_qs)->text(), u"a b");
    EXPECT_EQ(child<QLineEdit>(u"Text1"_qs)->font().family(), u"DejaVu Sans");
    EXPECT_EQ(child<QLabel>(u"Label8"_qs)->text(), u"DejaVu Sans");
    EXPECT_EQ(caption(u"Command5"_qs), u"FF0000");
    EXPECT_EQ(caption(u"Command6"_qs), u"00FF00");
    EXPECT_EQ(caption(u"Command7"_qs), u"0000FF");
    EXPECT_FALSE(child<QCheckBox>(u"Check1"_qs)->isChecked());
    EXPECT_FALSE(child(u"Command6"_qs)->isEnabled());
    EXPECT_TRUE(child(u"Picture4"_qs)->isHidden()); // the drag area is RTF's
    EXPECT_TRUE(barNear(2, Red));

    // Ticking the box is kept in the session for the next opening; the bar runs through green.
    child<QCheckBox>(u"Check1"_qs)->click();
    EXPECT_TRUE(session.gradient.useMiddle);
    EXPECT_TRUE(child(u"Command6"_qs)->isEnabled());
    const int middle = child(u"Picture1"_qs)->width() / 2;
    EXPECT_TRUE(barNear(middle, Rgb(0, 255, 0)));
    load(CopyFormat::Rtf);
    EXPECT_TRUE(child<QCheckBox>(u"Check1"_qs)->isChecked());
    EXPECT_FALSE(child(u"Picture4"_qs)->isHidden());
}

TEST_F(Gradient, ACancelledPickChangesNothingAnOkPickTheButtonAndTheBar)
{
    load(CopyFormat::Html);
    pickWith(u"Command5"_qs, [](Form2& f) {
        setPickerChannels(f, 1, 2, 3);
        QTest::mouseClick(f.findChild<QPushButton*>(u"Command2"_qs), Qt::LeftButton); // CANCEL
    });
    EXPECT_EQ(session.gradient.start, Red);
    EXPECT_EQ(caption(u"Command5"_qs), u"FF0000");
    EXPECT_TRUE(barNear(2, Red));

    pickWith(u"Command7"_qs, [](Form2& f) {
        setPickerChannels(f, 0, 128, 255);
        QTest::mouseClick(f.findChild<QPushButton*>(u"Command1"_qs), Qt::LeftButton); // OK
    });
    EXPECT_EQ(session.gradient.end, Rgb(0, 128, 255));
    EXPECT_EQ(caption(u"Command7"_qs), u"0080FF");
    EXPECT_EQ(session.gradient.start, Red);
    EXPECT_TRUE(barNear(child(u"Picture1"_qs)->width() - 2, Rgb(0, 128, 255)));
}

TEST_F(Gradient, PreviewDisablesEditingAndColoursEachCharacter)
{
    load(CopyFormat::Html);
    const int editHeight = form.height();
    child<QPushButton>(u"Command1"_qs)->click();
    ASSERT_TRUE(form.previewShown());
    ASSERT_EQ(previewLabels().size(), 3);
    EXPECT_EQ(child<QLabel>(u"Label5(1)"_qs)->palette().color(QPalette::WindowText), toQColor(Red));
    EXPECT_EQ(child<QLabel>(u"Label5(2)"_qs)->palette().color(QPalette::WindowText),
              toQColor(Rgb(128, 0, 128)));
    EXPECT_EQ(child<QLabel>(u"Label5(3)"_qs)->palette().color(QPalette::WindowText), toQColor(Blue));
    EXPECT_GT(child(u"Label5(2)"_qs)->x(), child(u"Label5(1)"_qs)->x());
    for (const char* name :
         {"Text1", "Picture1", "Command5", "Command6", "Command7", "Check1", "Command2", "Command4"})
        EXPECT_FALSE(child(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_TRUE(child(u"Command3"_qs)->isEnabled());
    EXPECT_EQ(caption(u"Command1"_qs), u"プレビュー終了");
    EXPECT_GT(form.height(), editHeight);
    EXPECT_TRUE(child(u"HScroll1"_qs)->isHidden()); // three characters fit

    child<QPushButton>(u"Command1"_qs)->click();
    EXPECT_FALSE(form.previewShown());
    EXPECT_TRUE(previewLabels().empty());
    EXPECT_TRUE(child(u"Text1"_qs)->isEnabled());
    EXPECT_EQ(caption(u"Command1"_qs), u"プレビュー表示");
    EXPECT_EQ(form.height(), editHeight);
}

TEST_F(Gradient, ALongPreviewScrollsAHundredTwipsAnArrowKey)
{
    load(CopyFormat::Html);
    setText(QString(200, u'W'));
    child<QPushButton>(u"Command1"_qs)->click();
    auto* bar = child<QScrollBar>(u"HScroll1"_qs);
    ASSERT_FALSE(bar->isHidden());
    ASSERT_GT(bar->maximum(), 300);
    QWidget* row = child(u"Picture3"_qs);
    EXPECT_EQ(row->width() - child(u"Picture2"_qs)->width(), twipsToPixels(bar->maximum()));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(bar, &right);
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(row->x(), -twipsToPixels(100));
    bar->setValue(bar->maximum() - 50);
    QApplication::sendEvent(bar, &right);
    EXPECT_EQ(bar->value(), bar->maximum());
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    bar->setValue(105);
    QApplication::sendEvent(bar, &left);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(row->x(), 0);
}

TEST_F(Gradient, CopyPutsTheOutputModesTextAndNeedsTwoCharacters)
{
    load(CopyFormat::Html);
    child<QPushButton>(u"Command2"_qs)->click();
    EXPECT_TRUE(clipboard.content.rtf.isEmpty());
    EXPECT_EQ(clipboard.content.text, gradientHtml(session.gradient, u"a b"_qs, sample, options));
    EXPECT_TRUE(clipboard.content.text.contains(u"&nbsp;"));

    child<QPushButton>(u"Command4"_qs)->click(); // "全角に変換"
    EXPECT_EQ(child<QLineEdit>(u"Text1"_qs)->text(), u"a\u3000b");

    load(CopyFormat::Rtf);
    child<QPushButton>(u"Command2"_qs)->click();
    EXPECT_EQ(clipboard.content.rtf, gradientRtf(session.catalog, session.gradient, u"a b"_qs, sample));
    EXPECT_EQ(clipboard.content.text, u"a b");
    EXPECT_EQ(findNamed<DragArea>(&form, u"Picture4"_qs)->content().rtf, clipboard.content.rtf);

    const int sets = clipboard.sets;
    setText(u"😀"_qs); // one character, two UTF-16 units
    child<QPushButton>(u"Command2"_qs)->click();
    child<QPushButton>(u"Command1"_qs)->click();
    EXPECT_EQ(clipboard.sets, sets);
    EXPECT_FALSE(form.previewShown());
}

namespace {

struct MakersFromTheMainWindow : uitest::StartedWindow
{
    // Inspects the next maker window, then closes it as "閉じる" does.
    std::shared_ptr<QStringList> onNextMaker(std::function<void(QWidget*)> inspect)
    {
        return onNextModal([inspect](QWidget* w) {
            inspect(w);
            findNamed<QPushButton>(w, u"Command3"_qs)->click();
        });
    }
};

} // namespace

TEST_F(MakersFromTheMainWindow, BarsAndMenusOpenTheMakersInTheirModes)
{
    child<QToolButton>(u"Check5"_qs)->click(); // the HTML and RTF bars
    child<QToolButton>(u"Check6"_qs)->click();
    form1->Picture1->setForeColor(Qt::red);
    child<QToolButton>(u"Check3"_qs)->click(); // always in front: the makers release it
    // The first opener of the run sets the start colour: HTML's black here.
    auto seen = onNextMaker([this](QWidget* w) {
        EXPECT_EQ(state().OutputMode, CopyFormat::Html);
        EXPECT_EQ(findNamed<QPushButton>(w, u"Command5"_qs)->text(), u"000000");
        EXPECT_EQ(findNamed<QLineEdit>(w, u"Text1"_qs)->text(), form1->Text1->text());
    });
    child<QToolButton>(u"Command4"_qs)->click();
    EXPECT_EQ(*seen, QStringList{u"Form3"_qs});
    EXPECT_FALSE(state().AlwaysOnTop);
    seen = onNextMaker([this](QWidget* w) {
        EXPECT_EQ(state().OutputMode, CopyFormat::Rtf);
        EXPECT_EQ(findNamed<QPushButton>(w, u"Command5"_qs)->text(), u"000000");
        EXPECT_FALSE(findNamed<QWidget>(w, u"Picture4"_qs)->isHidden());
    });
    action(u"tool_Bar01(1)"_qs)->trigger();
    EXPECT_EQ(*seen, QStringList{u"Form3"_qs});

    seen = onNextMaker([this](QWidget*) { EXPECT_EQ(state().OutputMode, CopyFormat::Rtf); });
    child<QToolButton>(u"Command9"_qs)->click();
    EXPECT_EQ(*seen, QStringList{u"Form13"_qs});
    seen = onNextMaker([this](QWidget*) { EXPECT_EQ(state().OutputMode, CopyFormat::Html); });
    action(u"tool_Bar02(0)"_qs)->trigger();
    EXPECT_EQ(*seen, QStringList{u"Form13"_qs});
}

TEST_F(MakersFromTheMainWindow, AnRtfFirstOpeningStartsFromThePreviewColour)
{
    child<QToolButton>(u"Check6"_qs)->click(); // the RTF bar
    form1->Picture1->setForeColor(QColor(0, 0x80, 0xFF));
    auto seen = onNextMaker(
        [](QWidget* w) { EXPECT_EQ(findNamed<QPushButton>(w, u"Command5"_qs)->text(), u"0080FF"); });
    child<QToolButton>(u"Command8"_qs)->click();
    EXPECT_EQ(*seen, QStringList{u"Form3"_qs});
    form1->Picture1->setForeColor(Qt::red); // later openings keep the colour
    seen = onNextMaker(
        [](QWidget* w) { EXPECT_EQ(findNamed<QPushButton>(w, u"Command5"_qs)->text(), u"0080FF"); });
    action(u"tool_Bar01(0)"_qs)->trigger();
    EXPECT_EQ(*seen, QStringList{u"Form3"_qs});
}
