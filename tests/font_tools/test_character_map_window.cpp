// The character map through its real widgets, opened over the started main window.
#include "export/rtf_writer.h"
#include "font_tools/character_grid.h"
#include "font_tools/character_map_window.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"
#include "platform/qt_units.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>

using namespace typecask;

namespace {

class CharacterMap : public uitest::StartedWindow
{
protected:
    // The window loaded for the family selected in the font list, shown without its own loop.
    Form12* openFor(const QString& family)
    {
        clickRow(list, rowOf(family));
        Form12* form = &main->windows().form12();
        form->Form_Load(main->size());
        form->show();
        return form;
    }

    // Clicks the cell of a code on the current page.
    static void clickCell(CharacterGrid* grid, int code, bool twice = false)
    {
        const QRect r = grid->visualRect(grid->model()->index((code & 0xFF) - 0x20, 0));
        if (twice)
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        else
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }

    static QStringList pageTexts(const CharacterGrid* grid)
    {
        QStringList texts;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            texts.append(grid->model()->index(row, 0).data().toString());
        return texts;
    }
};

TEST_F(CharacterMap, OpensModalFromTheButtonAndTheToolsMenu)
{
    clickRow(list, rowOf(u"IPAゴシック"_qs));
    child<QAbstractButton>(u"Check3"_qs)->click(); // always in front, given up by the map
    bool modal = false;
    auto seen = onNextModal([&](QWidget* w) {
        modal = w->isModal();
        EXPECT_EQ(w->windowTitle(), u"文字一覧");
        EXPECT_EQ(w->size(), main->size());
        static_cast<QDialog*>(w)->reject();
    });
    child<QAbstractButton>(u"Command14"_qs)->click();
    EXPECT_EQ(*seen, QStringList{u"Form12"_qs});
    EXPECT_TRUE(modal);
    EXPECT_FALSE(state().AlwaysOnTop);

    seen = onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    action(u"tool_Bar0(0)"_qs)->trigger();
    EXPECT_EQ(*seen, QStringList{u"Form12"_qs}); // Escape closed it: no "still open"
}

TEST_F(CharacterMap, JapaneseFamilyOffersTheDoubleBytePages)
{
    Form12* form = openFor(u"IPAゴシック"_qs);
    QListWidget* pages = form->List2();
    CharacterGrid* grid = form->List1();
    ASSERT_TRUE(pages->isVisible());
    ASSERT_EQ(pages->count(), 66);
    EXPECT_EQ(pages->item(0)->text(), QString());
    EXPECT_FALSE(pages->findItems(u"80"_qs, Qt::MatchExactly).isEmpty());
    EXPECT_FALSE(pages->findItems(u"A0"_qs, Qt::MatchExactly).isEmpty());
    EXPECT_EQ(grid->x(), pages->width()); // the cells start beside the page list

    EXPECT_EQ(grid->page(), 0);
    EXPECT_EQ(pageTexts(grid).value(0x41 - 0x20), u"A");
    for (int row = 1; row < pages->count(); ++row) {
        pages->setCurrentRow(row);
        ASSERT_EQ(grid->model()->rowCount(), 224) << row;
        EXPECT_EQ(grid->page(), pages->item(row)->text().toInt(nullptr, 16) << 8);
    }
    pages->setCurrentRow(pages->row(pages->findItems(u"82"_qs, Qt::MatchExactly).first()));
    EXPECT_EQ(pageTexts(grid).value(0xA0 - 0x20), u"あ");
    // The low byte only in the caption.
    clickCell(grid, 0x82A0);
    EXPECT_EQ(form->windowTitle(), u"文字一覧(20-FF)[あA0]");
    // The empty item goes back to the single-byte page.
    pages->setCurrentRow(0);
    EXPECT_EQ(pageTexts(grid).value(0x41 - 0x20), u"A");
    EXPECT_EQ(form->windowTitle(), u"文字一覧(20-FF)[あA0]"); // until another cell is clicked
    clickCell(grid, 0x41);
    EXPECT_EQ(form->windowTitle(), u"文字一覧(20-FF)[A41]");
}

TEST_F(CharacterMap, CellsOfAWesternFamilyMarkWhatItLacks)
{
    Form12* form = openFor(u"DejaVu Sans"_qs);
    CharacterGrid* grid = form->List1();
    EXPECT_FALSE(form->List2()->isVisible());
    EXPECT_EQ(grid->x(), 0);
    const auto cell = [grid](int code, int role) { return grid->model()->index(code - 0x20, 0).data(role); };
    // DejaVu Sans has A but no half-width katakana: drawn alone, the kana is marked missing
    // instead of being borrowed from a Japanese family.
    EXPECT_TRUE(cell(0x41, CharacterPageModel::HasGlyphRole).toBool());
    EXPECT_TRUE(cell(0xB1, CharacterPageModel::ValidRole).toBool());
    EXPECT_FALSE(cell(0xB1, CharacterPageModel::HasGlyphRole).toBool());
    EXPECT_FALSE(cell(0x80, CharacterPageModel::ValidRole).toBool());
    EXPECT_EQ(grid->characterFont().styleStrategy() & QFont::NoFontMerging, QFont::NoFontMerging);

    // Stepping to the Japanese family shows the page list and the kana as its own.
    form->next_bar_Click();
    ASSERT_EQ(state().CurrentFontName, u"DejaVu Serif");
    form->next_bar_Click();
    ASSERT_EQ(state().CurrentFontName, u"IPAゴシック");
    EXPECT_TRUE(form->List2()->isVisible());
    EXPECT_TRUE(cell(0xB1, CharacterPageModel::HasGlyphRole).toBool());
    EXPECT_EQ(grid->characterFont().family(), u"IPAゴシック");
    EXPECT_EQ(form->findChild<QAction*>(u"fontname_bar"_qs)->text(), u"IPAゴシック");
}

TEST_F(CharacterMap, ArrowsWrapAroundTheFontListAndResetThePage)
{
    const QStringList names = model->names();
    ASSERT_EQ(names.size(), 3);
    Form12* form = openFor(names.first());
    form->back_bar_Click();
    EXPECT_EQ(list->selectedRow(), 2);
    EXPECT_EQ(state().CurrentFontName, names.last());
    EXPECT_EQ(main->windowTitle(), names.last() + u" -Typecask v201"_qs); // the list's own click ran
    form->next_bar_Click();
    EXPECT_EQ(list->selectedRow(), 0);
    EXPECT_EQ(state().CurrentFontName, names.first());

    // A double-byte page goes back to the single-byte page on a step.
    while (state().CurrentFontName != u"IPAゴシック")
        form->next_bar_Click();
    form->List2()->setCurrentRow(3);
    ASSERT_NE(form->List1()->page(), 0);
    form->back_bar_Click();
    form->next_bar_Click();
    EXPECT_EQ(form->List1()->page(), 0);
    EXPECT_EQ(form->List2()->currentRow(), -1);

    // With nothing selected, "→" starts at the top and "←" at the bottom.
    list->selectionModel()->clearSelection();
    form->next_bar_Click();
    EXPECT_EQ(list->selectedRow(), 0);
    list->selectionModel()->clearSelection();
    form->back_bar_Click();
    EXPECT_EQ(list->selectedRow(), 2);

    // An empty font list: nothing happens.
    model->clear();
    const QString before = state().CurrentFontName;
    form->next_bar_Click();
    form->back_bar_Click();
    EXPECT_EQ(state().CurrentFontName, before);
}

TEST_F(CharacterMap, CopyNeedsASelectionAndPutsRtfAndText)
{
    state().PreviewBold = true;
    state().PreviewItalic = true;
    form1->Picture1->setForeColor(QColor(255, 0, 0));
    Form12* form = openFor(u"IPAゴシック"_qs);
    QAction* copy = form->findChild<QAction*>(u"popup00(0)"_qs);
    ASSERT_NE(copy, nullptr);
    Q_EMIT form->popup0()->aboutToShow();
    EXPECT_FALSE(copy->isEnabled());
    form->popup00_Click(0);
    EXPECT_EQ(clipboard->sets, 0);

    clickCell(form->List1(), 0x41);
    Q_EMIT form->popup0()->aboutToShow();
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    ASSERT_EQ(clipboard->sets, 1);
    EXPECT_EQ(clipboard->content.text, u"A");
    // Upright and not bold, whatever the preview shows; size and colour from the preview.
    EXPECT_EQ(clipboard->content.rtf,
              sampleRtf(session->catalog, u"IPAゴシック"_qs, u"A"_qs, state().PreviewSize, 0x0000FF, false,
                        false, session->alignment));

    // The right button opens the same menu over the cells, the selection kept.
    QTest::mouseClick(form->List1()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(form->popup0()->isVisible());
    EXPECT_EQ(form->List1()->selectedCharacter(), u"A");
    form->popup0()->close();

    form->findChild<QAction*>(u"popup00(2)"_qs)->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(CharacterMap, DoubleClickAppendsAtTheEnd)
{
    Form12* form = openFor(u"IPAゴシック"_qs);
    form1->Text1->setText(u"xy"_qs);
    form1->Text1->setCursorPosition(0);
    clickCell(form->List1(), 0x41, true);
    EXPECT_EQ(form1->Text1->text(), u"xyA");
    EXPECT_EQ(state().SampleText, u"xyA"); // the preview follows the box

    // A full box takes nothing more.
    const QString full(200, u'z');
    form1->Text1->setText(full);
    clickCell(form->List1(), 0x42, true);
    EXPECT_EQ(form1->Text1->text(), full);
}

TEST_F(CharacterMap, FontNameMenuOpensTheDetailsOfTheCurrentFamily)
{
    Form12* form = openFor(u"DejaVu Serif"_qs);
    QString shown;
    auto seen = onNextModal([&shown](QWidget* w) { shown = w->findChild<QLabel*>(u"Label1(0)"_qs)->text(); });
    form->findChild<QAction*>(u"fontname_bar"_qs)->trigger();
    EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_EQ(shown, u"DejaVu Serif");
}

TEST_F(CharacterMap, ColumnsFollowTheWidth)
{
    Form12* form = openFor(u"DejaVu Sans"_qs);
    CharacterGrid* grid = form->List1();
    form->resize(twipsToPixels(6000), 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->columnCount(), pixelsToTwips(grid->width()) / 1000 + 1);
    form->resize(40, 400);
    QCoreApplication::processEvents();
    EXPECT_GE(grid->columnCount(), 1);
}

TEST_F(CharacterMap, PagesOpenAtTheirStartAndLowStrokesStayInTheirCell)
{
    Form12* form = openFor(u"IPAゴシック"_qs);
    form->resize(400, 300); // narrow: the single-byte page needs many columns
    QCoreApplication::processEvents();
    CharacterGrid* grid = form->List1();
    QScrollBar* across = grid->horizontalScrollBar();
    ASSERT_GT(across->maximum(), 0);

    // Scrolled to its end, a step to another family or page opens at " !"#..." again.
    across->setValue(across->maximum());
    form->next_bar_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(across->value(), 0);
    while (state().CurrentFontName != u"IPAゴシック")
        form->next_bar_Click();
    across->setValue(across->maximum());
    form->List2()->setCurrentRow(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(across->value(), 0);

    // The page list too starts at its top when the window opens again.
    form->List2()->verticalScrollBar()->setValue(form->List2()->verticalScrollBar()->maximum());
    form->close();
    form = openFor(u"IPAゴシック"_qs);
    EXPECT_EQ(form->List2()->verticalScrollBar()->value(), 0);

    // The "_" of the IPA faces is a thin stroke that hinting can snap to nothing: it must show
    // in its cell, selected or not.
    form->resize(900, 700);
    QCoreApplication::processEvents();
    const QModelIndex low = grid->model()->index(0x5F - 0x20, 0);
    // Ink: pixels well apart from the cell's own ground, whatever the two colours are.
    const auto inkIn = [&] {
        grid->scrollTo(low);
        QCoreApplication::processEvents();
        const QRect cell = grid->visualRect(low).adjusted(3, 3, -4, -4); // inside the focus frame
        const QImage shot = grid->viewport()->grab().toImage();
        const int ground = shot.pixelColor(cell.topLeft()).lightness();
        int n = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                n += std::abs(shot.pixelColor(x, y).lightness() - ground) > 40;
        return n;
    };
    EXPECT_GT(inkIn(), 8);
    grid->setCurrentIndex(low);
    EXPECT_GT(inkIn(), 8);
}

} // namespace
