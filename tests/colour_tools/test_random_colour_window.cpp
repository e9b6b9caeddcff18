// The random colour maker driven through its real widgets: the drop table, the buttons, the
// copies and "Color.dat".
#include "colour_tools/colour_drag.h"
#include "colour_tools/colour_widgets.h"
#include "colour_tools/random_colour_window.h"
#include "core/colour.h"
#include "core/session.h"
#include "fakes/fake_platform.h"
#include "main_window/ui_helpers.h"
#include "storage/palette_file.h"
#include "widgets/drag_area.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

constexpr std::int32_t Red = Rgb(255, 0, 0);
constexpr std::int32_t Blue = Rgb(0, 0, 255);
constexpr std::int32_t White = 0xFFFFFF;

struct RandomMaker : ::testing::Test
{
    RandomMaker()
    {
        session.programFolder = dir.path();
        sample.fontName = u"DejaVu Sans"_qs;
        sample.text = u"Ab"_qs;
        sample.size = 12;
        options = {true, false, false, u"3"_qs, u"18"_qs};
    }

    template <class T = QWidget> T* child(const QString& name) { return findNamed<T>(&form, name); }
    ColourCell* cell(int i) { return child<ColourCell>(u"Label8(%1)"_qs.arg(i)); }
    ColourCell* box(int i) { return child<ColourCell>(u"Picture1(%1)"_qs.arg(i)); }
    void load(CopyFormat mode = CopyFormat::Html)
    {
        session.state.OutputMode = mode;
        form.Form_Load(sample, options);
    }
    void click(const QString& name) { child<QPushButton>(name)->click(); }
    // Drops what a drag from source would carry on target, as the window's own drag does.
    void drop(QWidget* target, const ColourDrag& drag, const QByteArray& key = {})
    {
        std::unique_ptr<QMimeData> data(
            makeColourDragData(key.isEmpty() ? colourSampleKey(&form) : key, drag));
        QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return; // refused: no drop follows
        QDropEvent dropEvent(QPointF(3, 3), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropEvent);
    }
    void drag(ColourCell* from, QWidget* to) { drop(to, from->dragContent()); }
    std::int32_t current() { return child<ColourCell>(u"Picture3"_qs)->backColour(); }
    Channels scrolls()
    {
        Channels c{};
        for (int i = 0; i < 3; ++i)
            c[static_cast<std::size_t>(i)] = child<QScrollBar>(u"HScroll1(%1)"_qs.arg(i))->value();
        return c;
    }
    QList<QByteArray> fileLines() const
    {
        QFile f(dir.filePath(u"Color.dat"_qs));
        return f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>{};
    }

    QTemporaryDir dir;
    Session session;
    fakes::FakeClipboard clipboard;
    fakes::FakeRandom random;
    Form13 form{session, clipboard, random};
    Sample sample;
    HtmlTagOptions options;
};

} // namespace

TEST_F(RandomMaker, LoadFillsTheCellsFromTheSampleAndTheFile)
{
    PaletteFileContents file;
    for (int i = 0; i < 16; ++i)
        file.characterLines << formatPaletteValue(i == 2 ? Blue : i == 3 ? -7 : Red);
    file.characterLines[5] = QString(); // an empty line is black
    file.palettes.at(0, 4) = Rgb(1, 2, 3);
    ASSERT_TRUE(savePaletteFile(dir.path(), file));
    sample.text = u"abcdefghijklmnopqrst"_qs;
    sample.size = 48;
    load();
    EXPECT_EQ(form.windowTitle(), u"ランダムカラー作成");
    EXPECT_EQ(cell(0)->text(), u"a");
    EXPECT_EQ(cell(15)->text(), u"p");
    EXPECT_EQ(cell(0)->font().pointSize(), 20); // 48 points shown at most 20
    EXPECT_EQ(cell(0)->font().family(), u"DejaVu Sans");
    EXPECT_EQ(cell(0)->foreColour(), Red);
    EXPECT_EQ(cell(2)->foreColour(), Blue);
    EXPECT_EQ(cell(3)->foreColour(), 0); // a damaged value reads black
    EXPECT_EQ(cell(5)->foreColour(), 0);
    EXPECT_EQ(cell(0)->backColour(), White);
    EXPECT_EQ(box(12)->backColour(), Red); // standard colour 12
    EXPECT_EQ(box(20)->backColour(), Rgb(1, 2, 3));
    EXPECT_TRUE(child<QRadioButton>(u"Option1(0)"_qs)->isChecked());
    EXPECT_EQ(current(), 0);
    EXPECT_EQ(child<QLineEdit>(u"Text4"_qs)->text(), u"#000000");
    EXPECT_TRUE(child(u"Picture6"_qs)->isHidden()); // HTML mode

    sample.text = u"abcde"_qs;
    load(CopyFormat::Rtf);
    EXPECT_EQ(cell(4)->text(), u"e");
    EXPECT_TRUE(cell(5)->text().isEmpty());
    EXPECT_FALSE(child(u"Picture6"_qs)->isHidden());
    EXPECT_EQ(findNamed<DragArea>(&form, u"Picture6"_qs)->content().text, u"abcde");
}

TEST_F(RandomMaker, DropTable)
{
    load();
    cell(1)->setForeColour(Rgb(10, 20, 30));
    // A character cell on the current colour box: its text colour becomes current.
    drag(cell(1), child(u"Picture3"_qs));
    EXPECT_EQ(current(), Rgb(10, 20, 30));
    EXPECT_EQ(scrolls(), (Channels{10, 20, 30}));
    EXPECT_EQ(child<QLineEdit>(u"Text3"_qs)->text(), u"10,20,30");
    EXPECT_EQ(child<QLineEdit>(u"Text4"_qs)->text(), u"#0A141E");
    // ... on the background box: it brings the background it already has.
    drag(cell(1), child(u"Picture2"_qs));
    EXPECT_EQ(child<ColourCell>(u"Picture2"_qs)->backColour(), White);
    // A standard box on the background box colours it and every cell.
    drag(box(9), child(u"Picture2"_qs));
    EXPECT_EQ(child<ColourCell>(u"Picture2"_qs)->backColour(), Blue);
    EXPECT_EQ(cell(7)->backColour(), Blue);
    // A standard box on a scroll bar makes it current.
    drag(box(12), child(u"HScroll1(1)"_qs));
    EXPECT_EQ(current(), Red);
    EXPECT_EQ(scrolls(), (Channels{255, 0, 0}));
    // The current colour on palette box 21 with "パレット３": stored in palette 3, cell 5.
    child<QRadioButton>(u"Option1(2)"_qs)->click();
    drag(child<ColourCell>(u"Picture3"_qs), box(21));
    EXPECT_EQ(box(21)->backColour(), Red);
    EXPECT_EQ(session.palettes.at(2, 5), Red);
    EXPECT_EQ(session.palettes.at(0, 5), White);
    // A palette box on a character cell gives the character that colour.
    drag(box(21), cell(0));
    EXPECT_EQ(cell(0)->foreColour(), Red);
    // Standard boxes take nothing; nor does anything take another window's drag.
    drag(cell(1), box(3));
    EXPECT_EQ(box(3)->backColour(), Rgb(0, 128, 128));
    drop(cell(2), box(9)->dragContent(), "another window");
    EXPECT_EQ(cell(2)->foreColour(), 0);
}

TEST_F(RandomMaker, ColourFieldAndRandomButtonSetTheCurrentColour)
{
    load();
    const QImage before = child<ColourPicture>(u"Picture5"_qs)->image();
    auto* field = child<ColourPicture>(u"Picture4"_qs);
    const QPoint at(2, 1); // (0, 0) would mean the middle to QTest
    QTest::mousePress(field, Qt::LeftButton, {}, at);
    QTest::mouseRelease(field, Qt::LeftButton, {}, at);
    EXPECT_EQ(current(), colourFieldPixel(2, 1));
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(colourFieldPixel(2, 1), r, g, b);
    EXPECT_EQ(scrolls(), (Channels{r, g, b}));
    EXPECT_NE(child<ColourPicture>(u"Picture5"_qs)->image(), before); // the strip follows the field

    random.values = {0.0, 0.5, 0.9999};
    click(u"Command4"_qs);
    EXPECT_EQ(scrolls(), (Channels{0, 127, 254}));
    EXPECT_EQ(random.reseeds, 1);
}

TEST_F(RandomMaker, RandomCellsClearsAndTheFileAtClose)
{
    load();
    child<QRadioButton>(u"Option1(1)"_qs)->click();
    for (int c = 0; c < 16; ++c)
        drop(box(16 + c), {0, Rgb(c, 0, 0), false});
    // Palette only: u near 1 reaches box 31, which Int(u * 13) never did.
    child<QCheckBox>(u"Check1"_qs)->click();
    random.values = {0.999, 0.0, 0.5};
    click(u"Command1"_qs);
    EXPECT_EQ(cell(0)->foreColour(), Rgb(15, 0, 0));
    EXPECT_EQ(cell(1)->foreColour(), Rgb(0, 0, 0));
    EXPECT_EQ(cell(2)->foreColour(), Rgb(8, 0, 0));

    click(u"Command6"_qs); // "選択色ｸﾘｱ"
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(cell(i)->foreColour(), 0);
    cell(4)->setForeColour(Blue);

    session.palettes.at(1, 16) = Red; // the hidden cell is cleared with its palette
    session.palettes.at(0, 3) = Red;
    click(u"Command5"_qs); // "ﾊﾟﾚｯﾄｸﾘｱ" on palette 2
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(session.palettes.at(1, c), White);
    EXPECT_EQ(session.palettes.at(0, 3), Red);
    EXPECT_EQ(box(16)->backColour(), White);

    click(u"Command3"_qs); // "閉じる" writes the file
    const QList<QByteArray> lines = fileLines();
    ASSERT_GE(lines.size(), 84);
    EXPECT_EQ(lines[4], " 16711680 \r"); // cell 4, blue
    EXPECT_EQ(lines[0], " 0 \r");
    EXPECT_EQ(lines[paletteLine(0, 3) - 1], " 255 \r");
    EXPECT_EQ(lines[paletteLine(1, 16) - 1], " 16777215 \r");
}

TEST_F(RandomMaker, CopyInTheOutputMode)
{
    load();
    cell(0)->setForeColour(Red);
    cell(1)->setForeColour(Blue);
    click(u"Command2"_qs);
    EXPECT_EQ(clipboard.content.text,
              u"<FONT SIZE=\"3\" FACE=\"DejaVu Sans\"><FONT COLOR=\"#FF0000\">A</FONT><FONT "
              u"COLOR=\"#0000FF\">b</FONT></FONT>");
    EXPECT_TRUE(clipboard.content.rtf.isEmpty());

    form.reject();
    load(CopyFormat::Rtf);
    click(u"Command2"_qs);
    EXPECT_EQ(clipboard.content.text, u"Ab");
    EXPECT_EQ(clipboard.content.rtf, form.MakeRTFR());
    EXPECT_TRUE(
        clipboard.content.rtf.contains(R"(\plain\f2\fs24\cf1 A\plain\f2\fs24\cf2 b\plain\f2\fs24\cf3 )"));
    // The colours went through the file between the two openings.
    EXPECT_TRUE(clipboard.content.rtf.contains(R"(\red255\green0\blue0;\red0\green0\blue255;)"));
}
