// The font browser driven through its real widgets on the offscreen platform.
#include "core/fontconfig_source.h"
#include "core/text_helpers.h"
#include "core/vertical_text.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"
#include "platform/qt_units.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

const QString Suffix = u" -Typecask v201"_qs;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList fileLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u"\r\n"_qs);
}

class Browser : public uitest::StartedWindow
{
protected:
    std::shared_ptr<fakes::FakeFontSource> fonts() const override
    {
        auto src = std::make_shared<fakes::FakeFontSource>();
        src->add(u"DejaVu Serif"_qs, 0, 4)
            .add(u"IPAゴシック"_qs, 128, 4)
            .add(u"DejaVu Sans"_qs, 0, 4)
            .add(u"Fixed"_qs, 0, 1)
            .add(u"OpenSymbol"_qs, 2, 4)
            .add(u"Garuda"_qs, 222, 4)
            .add(u"IPA明朝"_qs, 128, 4);
        return src;
    }
};

} // namespace

TEST_F(Browser, StartsWithAFamilyInTheCaptionAndPreviewsClicks)
{
    EXPECT_TRUE(QFontDatabase::hasFamily(state().CurrentFontName)) << state().CurrentFontName.toStdString();
    EXPECT_EQ(main->windowTitle(), state().CurrentFontName + Suffix);
    EXPECT_EQ(model->names(),
              (QStringList{u"DejaVu Sans"_qs, u"DejaVu Serif"_qs, u"IPAゴシック"_qs, u"IPA明朝"_qs}));
    EXPECT_EQ(list->selectedRow(), -1);

    clickRow(list, 1);
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Serif");
    EXPECT_EQ(main->windowTitle(), u"DejaVu Serif"_qs + Suffix);

    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(state().CurrentFontName, u"IPA明朝");
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans");
    EXPECT_EQ(main->windowTitle(), u"DejaVu Sans"_qs + Suffix);
}

TEST_F(Browser, FilterMenuRefillsTheListAndTheChoicesAreSaved)
{
    QMenu* view = child<QMenu>(u"hyouzi_BAR"_qs);
    QMenu* filters = child<QMenu>(u"hyouzi_BAR17"_qs);
    Q_EMIT filters->aboutToShow();
    EXPECT_TRUE(action(u"hyouzifont_BAR(1)"_qs)->isChecked());
    EXPECT_TRUE(action(u"hyouzifont_BAR(3)"_qs)->isChecked());
    EXPECT_FALSE(action(u"hyouzifont_BAR(5)"_qs)->isChecked());

    action(u"hyouzifont_BAR(3)"_qs)->trigger();
    EXPECT_EQ(model->names(), (QStringList{u"DejaVu Sans"_qs, u"DejaVu Serif"_qs}));
    EXPECT_FALSE(child<QCheckBox>(u"Check4(0)"_qs)->isChecked());

    action(u"hyouzifont_BAR(0)"_qs)->trigger();
    EXPECT_TRUE(child<QRadioButton>(u"Option1(0)"_qs)->isChecked());
    EXPECT_EQ(model->names(), (QStringList{u"DejaVu Sans"_qs, u"DejaVu Serif"_qs, u"Fixed"_qs}));

    // The other-fonts category shows its TrueType names without any symbol font.
    action(u"hyouzifont_BAR(6)"_qs)->trigger();
    EXPECT_TRUE(model->names().contains(u"Garuda"_qs));
    EXPECT_FALSE(model->names().contains(u"OpenSymbol"_qs));

    Q_EMIT view->aboutToShow();
    EXPECT_TRUE(action(u"hyouzifont_BAR(0)"_qs)->isChecked());
    EXPECT_FALSE(action(u"hyouzifont_BAR(1)"_qs)->isChecked());
    EXPECT_FALSE(action(u"hyouzifont_BAR(3)"_qs)->isChecked());
    EXPECT_TRUE(action(u"hyouzi_BAR15"_qs)->isChecked());

    action(u"hyouzi_BAR15"_qs)->trigger(); // the selection bar goes
    quit();
    const QStringList ini = fileLines(dir.filePath(u"Typecask.ini"_qs));
    ASSERT_GE(ini.size(), 13);
    EXPECT_EQ(ini[1], u"True");                                                          // all font types
    EXPECT_EQ(ini.mid(2, 4), (QStringList{u" 0 "_qs, u" 1 "_qs, u" 0 "_qs, u" 1 "_qs})); // categories
    EXPECT_EQ(ini[12], u"False");                                                        // selection bar

    start();
    EXPECT_FALSE(child(u"Picture2"_qs)->isVisibleTo(main.get()));
    EXPECT_EQ(model->names(),
              (QStringList{u"DejaVu Sans"_qs, u"DejaVu Serif"_qs, u"Fixed"_qs, u"Garuda"_qs}));
}

TEST_F(Browser, AllCategoriesClearedGiveAnEmptyList)
{
    for (int i = 0; i < 4; ++i) {
        auto* box = child<QCheckBox>(u"Check4(%1)"_qs.arg(i));
        if (box->isChecked())
            box->click();
    }
    EXPECT_EQ(model->count(), 0);
    child<QRadioButton>(u"Option1(0)"_qs)->click();
    EXPECT_EQ(model->count(), 0);
    const QString before = state().CurrentFontName;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(state().CurrentFontName, before);
}

TEST_F(Browser, DraggingThroughTheListKeepsOnePendingPreview)
{
    const QRect first = list->visualRect(model->index(0, 0));
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans");
    QTimer* timer = form1->findChild<QTimer*>(u"Timer1"_qs);
    ASSERT_EQ(timer, list->tracker());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 50);

    // The selection runs over every row before the event loop gets a turn.
    const int drawn = form1->previewCount();
    for (int row = 1; row < model->count(); ++row) {
        list->selectionModel()->setCurrentIndex(model->index(row, 0), QItemSelectionModel::ClearAndSelect);
        QTest::mouseMove(list->viewport(), list->visualRect(model->index(row, 0)).center());
    }
    EXPECT_EQ(form1->previewCount(), drawn);
    QCoreApplication::processEvents();
    EXPECT_EQ(form1->previewCount(), drawn + 1);
    EXPECT_EQ(state().CurrentFontName, u"IPA明朝");

    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 0);
}

TEST_F(Browser, ContextMenuActsOnTheRightFontName)
{
    QMenu* menu = main->fontMenu();
    QAction* remove = action(u"popupcopy_bar6"_qs);
    QAction* add = action(u"popupcopy_bar5"_qs);

    // Space with nothing selected: an empty name, nothing to add.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(state().ContextFontName.isEmpty());
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(remove->isVisible());
    menu->close();

    // The right button on another row acts on the selected one and keeps the selection.
    clickRow(list, 0);
    clickRow(list, 2, Qt::RightButton);
    EXPECT_EQ(state().ContextFontName, u"DejaVu Sans");
    EXPECT_EQ(list->selectedRow(), 0);
    EXPECT_TRUE(add->isVisible());
    EXPECT_TRUE(add->isEnabled());
    add->trigger();
    menu->close();
    EXPECT_EQ(main->favorites()->names(), QStringList{u"DejaVu Sans"_qs});
    EXPECT_TRUE(state().ContextFontName.isEmpty());

    // The preview acts on the previewed font.
    clickRow(list, 3);
    QTest::mouseClick(form1->Picture1, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(state().ContextFontName, u"IPA明朝");
    menu->close();

    // The favourites list shows delete instead of add, enabled only with a selection.
    FontListView* favorites = main->favoritesView();
    child<QAbstractButton>(u"Check10"_qs)->click();
    clickRow(favorites, 0, Qt::RightButton);
    EXPECT_TRUE(state().ContextFontName.isEmpty());
    EXPECT_TRUE(remove->isVisible());
    EXPECT_FALSE(add->isVisible());
    EXPECT_FALSE(remove->isEnabled());
    menu->close();
    clickRow(favorites, 0);
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans");
    clickRow(favorites, 0, Qt::RightButton);
    EXPECT_EQ(state().ContextFontName, u"DejaVu Sans");
    EXPECT_TRUE(remove->isEnabled());
    remove->trigger();
    menu->close();
    EXPECT_EQ(main->favorites()->count(), 0);
}

TEST_F(Browser, FavouritesLimitShowsTheMessage)
{
    QStringList many;
    for (int i = 0; i <= 10000; ++i)
        many.append(u"F%1"_qs.arg(i));
    main->favorites()->setNames(many);
    clickRow(list, 0);
    clickRow(list, 0, Qt::RightButton);
    action(u"popupcopy_bar5"_qs)->trigger();
    main->fontMenu()->close();
    EXPECT_EQ(main->favorites()->count(), 10001);
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith(u"お気に入りの登録が多すぎます。"_qs));
    EXPECT_EQ(state().ContextFontName, u"DejaVu Sans");
}

TEST_F(Browser, DeleteKeyRemovesTheSelectedFavouriteOnly)
{
    quit();
    writeFile(dir.filePath(u"TypecaskBK.lst"_qs), "beta\r\nAlpha\r\ngamma\r\n");
    start();
    FontListView* favorites = main->favoritesView();
    favorites->setFocus();
    QTest::keyClick(favorites, Qt::Key_Delete); // nothing selected
    EXPECT_EQ(main->favorites()->count(), 3);
    favorites->selectRow(0);
    QTest::keyClick(favorites, Qt::Key_Delete);
    EXPECT_EQ(main->favorites()->names(), (QStringList{u"beta"_qs, u"gamma"_qs}));
    favorites->selectRow(1);
    QTest::keyClick(favorites, Qt::Key_Backspace);
    EXPECT_EQ(main->favorites()->names(), QStringList{u"beta"_qs});
}

TEST_F(Browser, LoadingSuppressesRedrawsAndRefills)
{
    child<QAbstractButton>(u"Check5"_qs)->click(); // the HTML bar and its size boxes
    state().Loading = true;
    const int drawn = form1->previewCount();
    const QString caption = main->windowTitle();
    Q_EMIT child<QComboBox>(u"Combo1"_qs)->activated(0);
    EXPECT_EQ(state().PreviewSize, 8);
    EXPECT_EQ(child<QComboBox>(u"Combo2"_qs)->currentText(), u"1");
    EXPECT_EQ(child<QComboBox>(u"Combo3"_qs)->currentText(), u"12");
    form1->Text1->setText(u"changed"_qs);
    EXPECT_NE(state().SampleText, u"changed");
    child<QCheckBox>(u"Check4(0)"_qs)->click();
    EXPECT_EQ(model->count(), 4);
    main->resize(main->width() + 40, main->height());
    form1->ShowPreview(u"DejaVu Serif"_qs);
    EXPECT_EQ(form1->previewCount(), drawn);
    EXPECT_EQ(main->windowTitle(), caption);

    state().Loading = false;
    Q_EMIT child<QComboBox>(u"Combo1"_qs)->activated(64);
    EXPECT_EQ(form1->previewCount(), drawn + 1);
    EXPECT_EQ(child<QComboBox>(u"Combo2"_qs)->currentText(), u"7");
    EXPECT_EQ(child<QComboBox>(u"Combo3"_qs)->currentText(), u"108");
}

TEST_F(Browser, StripsShowHideAndTheClientAreaFollows)
{
    auto* picture2 = child(u"Picture2"_qs);
    auto* picture8 = child(u"Picture8"_qs);
    EXPECT_TRUE(child(u"Picture7"_qs)->isVisible());
    EXPECT_TRUE(picture2->isVisible());
    EXPECT_EQ(main->findChild<QWidget*>(u"Picture3"_qs), nullptr); // the export bars are built
    EXPECT_EQ(main->findChild<QWidget*>(u"Picture6"_qs), nullptr); // when first shown
    EXPECT_FALSE(picture8->isVisible());

    const QRect before = form1->geometry();
    action(u"hyouzi_BAR15"_qs)->trigger();
    EXPECT_FALSE(picture2->isVisible());
    EXPECT_GT(form1->width(), before.width()); // at once, without an event loop turn

    // The RTF bar first: the HTML bar still comes above it, below the button strip.
    child<QAbstractButton>(u"Check6"_qs)->click();
    auto* picture6 = child(u"Picture6"_qs);
    ASSERT_TRUE(picture6 && picture6->isVisible());
    action(u"hyouzi_BAR0"_qs)->trigger();
    EXPECT_TRUE(child<QAbstractButton>(u"Check5"_qs)->isChecked());
    auto* picture3 = child(u"Picture3"_qs);
    ASSERT_TRUE(picture3 && picture3->isVisible());
    EXPECT_GE(picture3->y(), child(u"Picture1"_qs)->geometry().bottom());
    EXPECT_GE(picture6->y(), picture3->geometry().bottom());
    EXPECT_LT(form1->height(), before.height());
    EXPECT_GE(form1->y(), picture6->geometry().bottom());
    child<QAbstractButton>(u"Check5"_qs)->click();
    EXPECT_FALSE(picture3->isVisible());
    child<QAbstractButton>(u"Check5"_qs)->click();
    EXPECT_EQ(child(u"Picture3"_qs), picture3); // shown again, not built again
    EXPECT_TRUE(picture3->isVisible());

    const int wide = form1->width();
    action(u"hyouzi_BAR16"_qs)->trigger();
    EXPECT_TRUE(picture8->isVisible());
    EXPECT_LT(form1->width(), wide);
    // The favourites list takes the pane's height below its buttons.
    auto* c16 = child(u"Command16"_qs);
    EXPECT_EQ(main->favoritesView()->geometry().bottom(), picture8->height() - 1);
    EXPECT_GE(main->favoritesView()->y(), c16->geometry().bottom());

    Q_EMIT child<QMenu>(u"hyouzi_BAR"_qs)->aboutToShow();
    EXPECT_FALSE(action(u"hyouzi_BAR15"_qs)->isChecked());
    EXPECT_TRUE(action(u"hyouzi_BAR16"_qs)->isChecked());
    EXPECT_TRUE(action(u"hyouzi_BAR0"_qs)->isChecked());
    EXPECT_TRUE(action(u"hyouzi_BAR1"_qs)->isChecked());
    EXPECT_FALSE(action(u"hyouzi_BAR14"_qs)->isChecked());

    child<QAbstractButton>(u"Command18"_qs)->click();
    EXPECT_FALSE(child<QAbstractButton>(u"Check10"_qs)->isChecked());
    EXPECT_FALSE(picture8->isVisible());
}

TEST_F(Browser, ListColumnsAndPreviewFollowTheWindowSize)
{
    const auto expectColumns = [&] {
        QCoreApplication::processEvents();
        const int expected = std::max(1, pixelsToTwips(list->width()) / 3000);
        EXPECT_EQ(form1->columnCount(), expected);
        EXPECT_EQ(list->gridSize().width(), list->contentsRect().width() / expected);
        return expected;
    };
    EXPECT_GE(expectColumns(), 2);
    main->resize(twipsToPixels(4000), main->height());
    EXPECT_EQ(expectColumns(), 1);
    main->resize(twipsToPixels(16000), main->height());
    EXPECT_GE(expectColumns(), 4);
    EXPECT_EQ(form1->PreviewWidth(), form1->Picture1->width());
    EXPECT_EQ(form1->PreviewHeight(), twipsToPixels(2000));

    // The large preview step pushes the text box and the list down.
    const int listHeight = list->height();
    state().PreviewAreaSize = 2;
    form1->OokisaHenkou();
    EXPECT_EQ(form1->Picture1->height(), twipsToPixels(3000));
    EXPECT_EQ(form1->Text1->y(), twipsToPixels(3000));
    EXPECT_EQ(list->y(), form1->Text1->geometry().bottom() + 1);
    EXPECT_EQ(list->height(), listHeight - (twipsToPixels(3000) - twipsToPixels(2000)));
    EXPECT_EQ(list->geometry().bottom(), form1->height() - 1);
    EXPECT_EQ(form1->PreviewHeight(), twipsToPixels(3000));
}

TEST_F(Browser, PreviewWrapsAndStopsInTheArea)
{
    clickRow(list, 0);
    form1->Text1->setText(QString(200, u'W'));
    const PreviewLines& lines = form1->lastLines();
    ASSERT_GE(lines.lines.size(), 1);
    EXPECT_TRUE(lines.cut);
    EXPECT_LT(lines.lines.join(QString()).size(), 200);

    // Code points stay whole, and the text is drawn as typed.
    const QString emoji = u"a\U0001F600b"_qs;
    form1->Text1->setText(emoji);
    EXPECT_EQ(form1->lastLines().lines, QStringList{emoji});
    EXPECT_EQ(state().SampleText, emoji);

    // A cancelled colour pick changes nothing.
    const QColor fore = form1->Picture1->foreColor();
    const QColor back = form1->Picture1->backColor();
    const int beforePick = form1->previewCount();
    QStringList pickers;
    auto cancelPicker = [&pickers] {
        QTimer::singleShot(0, [&pickers] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            pickers.append(dialog->objectName() + u' ' + dialog->windowTitle());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
    };
    cancelPicker();
    child<QAbstractButton>(u"Command1"_qs)->click();
    cancelPicker();
    action(u"chenge_backcolor_Bar"_qs)->trigger();
    EXPECT_EQ(pickers, (QStringList{u"Form2 色指定"_qs, u"Form2 色指定"_qs}));
    EXPECT_EQ(form1->Picture1->foreColor(), fore);
    EXPECT_EQ(form1->Picture1->backColor(), back);
    EXPECT_EQ(form1->previewCount(), beforePick);

    // Style changes redraw.
    const int drawn = form1->previewCount();
    child<QAbstractButton>(u"Check1"_qs)->click();
    EXPECT_TRUE(state().PreviewBold);
    child<QAbstractButton>(u"Check2"_qs)->click();
    EXPECT_TRUE(state().PreviewItalic);
    EXPECT_EQ(form1->previewCount(), drawn + 2);
    EXPECT_TRUE(messages->messages.isEmpty());
}

TEST_F(Browser, SampleTextBoxRules)
{
    QLineEdit* text = form1->Text1;
    child<QAbstractButton>(u"Command10"_qs)->click();
    EXPECT_EQ(text->text(), state().SampleTextJapanese);
    action(u"hyouzi_BAR10"_qs)->trigger();
    EXPECT_EQ(state().SampleText, state().SampleTextSymbol);

    // Typing stops at 200 characters; one outside the BMP counts once.
    text->setText(QString(199, u'a'));
    text->setFocus();
    text->end(false);
    for (const QString& typed : {u"\U0001F600"_qs, u"x"_qs}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(text, &key);
    }
    EXPECT_EQ(text->text(), QString(199, u'a') + u"\U0001F600"_qs);

    // Up and Down go to the list and leave the text alone.
    const QString before = text->text();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    EXPECT_TRUE(QCoreApplication::sendEvent(text, &down));
    EXPECT_EQ(text->text(), before);

    // A dropped text replaces the sample; a dropped file does nothing.
    QMimeData words;
    words.setText(u"dropped"_qs);
    EXPECT_TRUE(form1->Text1_OLEDragDrop(words));
    EXPECT_EQ(text->text(), u"dropped");
    EXPECT_EQ(state().SampleText, u"dropped");
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(u"/tmp/x.html"_qs)});
    file.setText(u"/tmp/x.html"_qs);
    EXPECT_FALSE(form1->Text1_OLEDragDrop(file));
    EXPECT_EQ(text->text(), u"dropped");
}

TEST_F(Browser, FilesDroppedOnTheWindowGoToTheFontCheck)
{
    QMimeData words;
    words.setText(u"just text"_qs);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(u"/tmp/b.html"_qs), QUrl(u"https://example.com/a.html"_qs),
                   QUrl::fromLocalFile(u"/tmp/a.html"_qs)});
    EXPECT_FALSE(main->MDIForm_OLEDragDrop(words));
    EXPECT_TRUE(messages->messages.isEmpty());
    EXPECT_TRUE(main->MDIForm_OLEDragDrop(files));
    // Local files only, in drop order; these do not exist.
    ASSERT_EQ(messages->messages.size(), 1);
    const QString message = messages->messages.first();
    EXPECT_LT(message.indexOf(u"/tmp/b.html"_qs), message.indexOf(u"/tmp/a.html"_qs));
    EXPECT_FALSE(message.contains(u"example.com"_qs));
}

TEST_F(Browser, FolderItemsOpenTheFontsAndProgramFolders)
{
    action(u"hyouzi_BAR4"_qs)->trigger();
    action(u"hyouzi_BAR5"_qs)->trigger();
    const QString fontsFolder = dir.filePath(u"data/fonts"_qs);
    EXPECT_EQ(shell->opened, (QStringList{fontsFolder, dir.path()}));
    EXPECT_TRUE(QDir(fontsFolder).exists());
}

TEST_F(Browser, LaterWindowsAreListedButDisabled)
{
    EXPECT_EQ(action(u"MakeItiran_Bar"_qs)->text(), u"一覧作成((&L)");
    EXPECT_EQ(child<QMenu>(u"tool_Bar"_qs)->title(), u"ﾂｰﾙ(&T)");
    EXPECT_EQ(child(u"Check1"_qs)->toolTip(), u"太文字");
}

TEST_F(Browser, BoldIsBolderForAFamilyWithoutABoldFace)
{
    // The IPA families of the test set ship a regular face only. Qt thickens such a face only
    // below 64 pixels, so the large sizes are the ones that need the program's own bold.
    clickRow(list, rowOf(u"IPAゴシック"_qs));
    form1->Text1->setText(u"亜Ab"_qs);
    auto* sizes = child<QComboBox>(u"Combo1"_qs);
    auto* bold = child<QAbstractButton>(u"Check1"_qs);
    for (const int size : {32, 47, 48, 60, 72}) {
        Q_EMIT sizes->activated(size - 8);
        ASSERT_EQ(state().PreviewSize, size);
        ASSERT_FALSE(state().PreviewBold);
        const qint64 regular = ink(form1->Picture1->image());
        bold->click();
        const qint64 thick = ink(form1->Picture1->image());
        bold->click();
        EXPECT_GT(thick, regular * 5 / 4) << size << "pt: " << regular << " " << thick;
    }
}

TEST_F(Browser, NavigationKeysStartFromNothingSelected)
{
    const QStringList names = model->names();
    ASSERT_GE(names.size(), 3);
    const auto press = [this](Qt::Key key) {
        list->setFocus();
        QTest::keyClick(list, key);
        return state().CurrentFontName;
    };
    // At start-up nothing is selected: each key does what it says.
    EXPECT_EQ(list->selectedRow(), -1);
    EXPECT_EQ(press(Qt::Key_End), names.last());
    child<QCheckBox>(u"Check4(0)"_qs)->click(); // a refill selects nothing again
    child<QCheckBox>(u"Check4(0)"_qs)->click();
    EXPECT_EQ(list->selectedRow(), -1);
    EXPECT_EQ(press(Qt::Key_Down), names.first());
    EXPECT_EQ(press(Qt::Key_Down), names[1]);
    EXPECT_EQ(press(Qt::Key_Home), names.first());
    EXPECT_EQ(press(Qt::Key_End), names.last());
    EXPECT_EQ(press(Qt::Key_Up), names[names.size() - 2]);
}

TEST_F(Browser, LeftAndRightMoveBetweenColumns)
{
    // A list of many names in several columns.
    QStringList many;
    for (int i = 0; i < 60; ++i)
        many.append(u"Family %1"_qs.arg(i, 2, 10, QChar(u'0')));
    model->setNames(many);
    main->resize(1200, main->height());
    QCoreApplication::processEvents();
    const int perColumn = list->viewport()->height() / list->gridSize().height();
    ASSERT_GT(perColumn, 0);
    ASSERT_LT(perColumn, 30);
    list->setFocus();
    list->selectRow(2);
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(list->selectedRow(), 2 + perColumn);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(list->selectedRow(), 2);
    QTest::keyClick(list, Qt::Key_Left); // first column: stays
    EXPECT_EQ(list->selectedRow(), 2);
}

TEST_F(Browser, PasteKeepsTheFirstCharactersUpToTheLimit)
{
    QLineEdit* box = form1->Text1;
    box->setText(u"ab"_qs);
    box->setCursorPosition(1);
    QString paste;
    for (int i = 0; i < 250; ++i)
        paste += QChar(u'0' + i % 10);
    box->insert(paste); // what a paste does
    EXPECT_EQ(codePointCount(box->text()), 200);
    EXPECT_EQ(box->text(), u"a"_qs + paste.left(198) + u"b"_qs);
    EXPECT_EQ(box->cursorPosition(), 199);

    // Over a selection, the selected text goes first; characters outside the BMP stay whole.
    box->setText(u"xyz"_qs);
    box->setSelection(0, 3);
    box->insert(QString(300, u'あ') + u"\U0001F600"_qs);
    EXPECT_EQ(box->text(), QString(200, u'あ'));
    box->setText(QString(199, u'a'));
    box->setCursorPosition(199);
    box->insert(u"\U0001F600\U0001F600"_qs);
    EXPECT_EQ(box->text(), QString(199, u'a') + u"\U0001F600"_qs);
}

TEST_F(Browser, DeleteLeavesNothingSelectedInTheFavourites)
{
    child<QAbstractButton>(u"Check10"_qs)->click();
    main->favorites()->setNames({u"DejaVu Sans"_qs, u"DejaVu Serif"_qs, u"IPAゴシック"_qs});
    FontListView* favourites = main->favoritesView();
    clickRow(favourites, 0);
    ASSERT_EQ(state().CurrentFontName, u"DejaVu Sans");
    QTest::keyClick(favourites, Qt::Key_Delete);
    EXPECT_EQ(favourites->selectedRow(), -1);
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans"); // nothing new previewed
    QTest::keyClick(favourites, Qt::Key_Delete);        // nothing selected: nothing removed
    EXPECT_EQ(main->favorites()->names(), (QStringList{u"DejaVu Serif"_qs, u"IPAゴシック"_qs}));
}

TEST_F(Browser, HtmlSizeBoxesHaveTipsAndTheSizeListShowsTwentyRows)
{
    child<QAbstractButton>(u"Check5"_qs)->click();
    EXPECT_EQ(child(u"Combo2"_qs)->toolTip(), u"Fontタグの大きさ指定");
    EXPECT_EQ(child(u"Combo3"_qs)->toolTip(), u"スタイルシートで指定するフォントの大きさ（ピクセル）");
    auto* sizes = child<QComboBox>(u"Combo1"_qs);
    sizes->showPopup();
    QAbstractItemView* view = sizes->view();
    const int rowHeight = view->sizeHintForRow(0);
    EXPECT_LE(view->height(), rowHeight * 21);
    EXPECT_GE(view->height(), rowHeight * 10);
    sizes->hidePopup();
}

TEST_F(Browser, EveryStripButtonIsReachableAtTheMinimumWidth)
{
    main->resize(1, main->height());
    QCoreApplication::processEvents();
    QWidget* strip = child(u"Picture1"_qs);
    for (const QString& name : {u"Picture4"_qs, u"Picture5"_qs, u"Check10"_qs}) {
        QWidget* w = child(name);
        const QPoint right = w->mapTo(main.get(), QPoint(w->width() - 1, 0));
        EXPECT_LE(right.x(), main->width() - 1) << name.toStdString();
        EXPECT_TRUE(strip->rect().contains(w->geometry().center()) || strip->isAncestorOf(w));
    }
}

// The part of the preview that is not background.
QRect inkRect(const QImage& image)
{
    const QRgb back = image.pixel(image.width() - 1, image.height() - 1);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != back)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(Browser, CharactersAWesternFamilyLacksAreDrawnInTheJapaneseFamilyOfItsKind)
{
    const QString japanese = matchedFamily(genericFamilyOf(u"DejaVu Serif"_qs) + u":lang=ja"_qs);
    ASSERT_FALSE(japanese.isEmpty());
    form1->Text1->setText(u"あ亜"_qs);
    form1->ShowPreview(japanese);
    const QRect inJapanese = inkRect(form1->Picture1->image());
    ASSERT_FALSE(inJapanese.isEmpty());
    // The same glyphs at the same advances; only the baseline is the Western family's.
    form1->ShowPreview(u"DejaVu Serif"_qs);
    const QRect throughWestern = inkRect(form1->Picture1->image());
    EXPECT_EQ(throughWestern.left(), inJapanese.left());
    EXPECT_EQ(throughWestern.width(), inJapanese.width());
    EXPECT_NEAR(throughWestern.height(), inJapanese.height(), 1);

    // Mixed text: the Latin letter in the family itself, the Japanese one after its width.
    form1->Text1->setText(u"Wあ"_qs);
    form1->ShowPreview(u"DejaVu Serif"_qs);
    const QRect mixed = inkRect(form1->Picture1->image());
    form1->Text1->setText(u"W"_qs);
    form1->ShowPreview(u"DejaVu Serif"_qs);
    const QRect latin = inkRect(form1->Picture1->image());
    EXPECT_EQ(mixed.left(), latin.left());
    EXPECT_GT(mixed.right(), latin.right() + inJapanese.width() / 4);
    EXPECT_EQ(form1->lastLines().lines, QStringList{u"W"_qs});
}

TEST_F(Browser, APreviewAskedForWhileHiddenIsDrawnWhenShown)
{
    main->hide();
    const int drawn = form1->previewCount();
    form1->ShowPreview(u"DejaVu Serif"_qs);
    EXPECT_EQ(form1->previewCount(), drawn);                                   // nobody could see it
    EXPECT_TRUE(main->windowTitle().startsWith(u"DejaVu Serif -Typecask"_qs)); // the caption at once
    main->show();
    EXPECT_EQ(form1->previewCount(), drawn + 1);
    main->hide();
    main->show(); // nothing new asked for: not drawn again
    EXPECT_EQ(form1->previewCount(), drawn + 1);
}

// An "@" family previews as vertical text: columns from the right edge, top to bottom, wrapped at
// the area's height, and bold as much bolder as the horizontal preview's.
TEST_F(Browser, VerticalFamilyPreviewsInColumnsFromTheRight)
{
    auto* sizes = child<QComboBox>(u"Combo1"_qs);
    Q_EMIT sizes->activated(72 - 8);
    form1->Text1->setText(u"縦書きの見本です。ひらがな、カタカナー、漢字とLatin 2026年"_qs);
    form1->ShowPreview(u"@IPA明朝"_qs);
    EXPECT_EQ(main->windowTitle(), u"@IPA明朝"_qs + Suffix);
    const VerticalLayout& columns = form1->lastColumns();
    ASSERT_GE(columns.columns, 2);
    const QImage& image = form1->Picture1->image();
    const double right = image.width(); // device pixels
    EXPECT_NEAR(columns.glyphs.front().x, right - columns.columnWidth, columns.columnWidth / 4);
    EXPECT_LT(columns.glyphs.front().y, columns.columnWidth);
    double lowest = 0;
    for (const PlacedGlyph& g : columns.glyphs)
        lowest = std::max(lowest, g.y);
    EXPECT_LE(lowest, image.height());
    // The ink lies in the right part, where the first columns are.
    const QImage rightHalf =
        image.copy(image.width() / 2, 0, image.width() - image.width() / 2, image.height());
    EXPECT_GT(ink(rightHalf), 0);

    const qint64 regular = ink(image);
    child<QAbstractButton>(u"Check1"_qs)->click();
    EXPECT_GT(ink(form1->Picture1->image()), regular * 5 / 4);
    EXPECT_TRUE(messages->messages.isEmpty());
}
