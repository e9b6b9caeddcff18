// The favourites editor through the real widgets: its commands, keys, popup and the three
// ways out.
#include "core/font_list_model.h"
#include "dialogs/favorites_editor_window.h"
#include "dialogs/modal_helpers.h"
#include "main_window/started_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListView>
#include <QMenu>

using namespace typecask;

namespace {

class Editor : public uitest::StartedWindow
{
protected:
    void withEditor(const std::function<void(Form11&)>& inspect)
    {
        uitest::withModal<Form11>([this] { child<QAbstractButton>(u"Command17"_qs)->click(); }, inspect);
    }

    static void click(Form11& f, const char* button)
    {
        f.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    }
    static QAction* item(Form11& f, const QString& name) { return f.findChild<QAction*>(name); }
    // Clicks a row of a list, with Ctrl to add it to the selection.
    static void pick(QListView* list, int row, bool add = false)
    {
        const QRect r = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, add ? Qt::ControlModifier : Qt::NoModifier,
                          r.center());
    }
};

} // namespace

TEST_F(Editor, OpensWithTheFontListAndACopyOfTheFavourites)
{
    session->favorites.setNames({u"alpha"_qs, u"Zeta"_qs});
    form1->Text1->setText(u"見本"_qs);
    for (int opening = 0; opening < 2; ++opening) {
        withEditor([&](Form11& f) {
            EXPECT_EQ(f.windowTitle(), u"お気に入りの編集");
            EXPECT_EQ(f.source()->names(), model->names());
            EXPECT_EQ(f.working()->names(), (QStringList{u"alpha"_qs, u"Zeta"_qs}));
            EXPECT_EQ(f.Label1->text(), u"2");
            EXPECT_EQ(f.Label2->text(), u"見本");
            EXPECT_EQ(f.List1->toolTip(), u"現在選択されているフォント");
            EXPECT_EQ(f.List2->toolTip(), u"お気に入り");
        });
    }
    // The Tools menu opens it the same way.
    uitest::withModal<Form11>([this] { action(u"tool_Bar0(2)"_qs)->trigger(); },
                              [&](Form11& f) { EXPECT_EQ(f.source()->count(), model->count()); });
}

TEST_F(Editor, AddAppendsTheSelectedSourceFontsAndClickPreviews)
{
    session->favorites.setNames({u"Zeta"_qs});
    withEditor([&](Form11& f) {
        // Without a current source entry nothing is added, but the count is shown again.
        f.Label1->setText(u"-"_qs);
        click(f, "Command1");
        EXPECT_EQ(f.working()->count(), 1);
        EXPECT_EQ(f.Label1->text(), u"1");

        pick(f.List1, 2);
        pick(f.List1, 0, true);
        EXPECT_EQ(f.Label2->font().family(), model->at(0));
        click(f, "Command1");
        // In list order, after the favourites; the source selection is used up.
        EXPECT_EQ(f.working()->names(), (QStringList{u"Zeta"_qs, model->at(0), model->at(2)}));
        EXPECT_TRUE(f.List1->selectionModel()->selectedRows().isEmpty());
        EXPECT_EQ(f.Label1->text(), u"3");
        EXPECT_EQ(f.List2->currentIndex().row(), 2);

        // Enter in the source list adds too; "すべて追加" adds every source font.
        pick(f.List1, 1);
        QTest::keyClick(f.List1, Qt::Key_Return);
        EXPECT_EQ(f.working()->names().last(), model->at(1));
        click(f, "Command3");
        EXPECT_EQ(f.working()->count(), 4 + model->count());
    });
}

TEST_F(Editor, DeleteRemovesTheSelectedFavouritesByButtonAndKey)
{
    session->favorites.setNames({u"A"_qs, u"B"_qs, u"C"_qs, u"D"_qs, u"E"_qs});
    withEditor([&](Form11& f) {
        pick(f.List2, 1);
        pick(f.List2, 3, true);
        click(f, "Command2");
        EXPECT_EQ(f.working()->names(), (QStringList{u"A"_qs, u"C"_qs, u"E"_qs}));
        EXPECT_EQ(f.Label1->text(), u"3");
        pick(f.List2, 0);
        f.List1->setFocus();
        QTest::keyClick(f.List2, Qt::Key_Delete);
        EXPECT_EQ(f.working()->names(), (QStringList{u"C"_qs, u"E"_qs}));
        EXPECT_EQ(f.focusWidget(), f.List2);
    });
}

TEST_F(Editor, RemoveDuplicatesKeepsTheLastOfEachWhileTheWindowWaits)
{
    session->favorites.setNames({u"A"_qs, u"B"_qs, u"A"_qs, u"C"_qs, u"B"_qs});
    withEditor([&](Form11& f) {
        // What the window shows while the work runs: disabled, with the progress.
        bool disabled = false;
        QString progress;
        QTimer::singleShot(0, &f, [&] {
            disabled = !f.isEnabled();
            // The next turn of events comes after the first name.
            QTimer::singleShot(0, &f, [&] { progress = f.Label1->text(); });
        });
        click(f, "Command5");
        EXPECT_TRUE(disabled);
        EXPECT_TRUE(progress.endsWith(u'%')) << progress.toStdString();
        EXPECT_EQ(f.working()->names(), (QStringList{u"A"_qs, u"C"_qs, u"B"_qs}));
        EXPECT_EQ(f.Label1->text(), u"3");
        EXPECT_TRUE(f.isEnabled());
    });

    // One entry: nothing runs and no progress shows.
    session->favorites.setNames({u"A"_qs});
    withEditor([&](Form11& f) {
        f.Label1->setText(u"-"_qs);
        item(f, u"hensyuu_bar0(6)"_qs)->trigger();
        EXPECT_EQ(f.Label1->text(), u"-");
        EXPECT_EQ(f.working()->names(), QStringList{u"A"_qs});
    });
}

TEST_F(Editor, FontCheckKeepsInstalledNamesTwiceOver)
{
    session->favorites.setNames({u"IPAゴシック"_qs, u"Gone"_qs, u"IPAゴシック"_qs, u"DejaVu Sans"_qs});
    withEditor([&](Form11& f) {
        item(f, u"hensyuu_bar0(7)"_qs)->trigger();
        EXPECT_EQ(f.working()->names(),
                  (QStringList{u"IPAゴシック"_qs, u"IPAゴシック"_qs, u"DejaVu Sans"_qs}));
        EXPECT_EQ(f.Label1->text(), u"3");
    });
}

TEST_F(Editor, TenThousandTakeFiftyMoreThenRefuse)
{
    QStringList many;
    for (int i = 0; i < 10000; ++i)
        many.append(u"F%1"_qs.arg(i, 5, 10, QChar(u'0')));
    session->favorites.setNames(many);
    withEditor([&](Form11& f) {
        QStringList fifty;
        for (int i = 0; i < 50; ++i)
            fifty.append(u"New %1"_qs.arg(i));
        f.LGetList(fifty);
        const int first = model->count();
        QItemSelectionModel* sel = f.List1->selectionModel();
        sel->setCurrentIndex(f.source()->index(first), QItemSelectionModel::NoUpdate);
        sel->select(QItemSelection(f.source()->index(first), f.source()->index(first + 49)),
                    QItemSelectionModel::Select);
        click(f, "Command1");
        EXPECT_EQ(f.working()->count(), 10050);
        EXPECT_TRUE(messages->notices.isEmpty());

        pick(f.List1, 0);
        click(f, "Command1");
        EXPECT_EQ(messages->notices, QStringList{u"多すぎます"_qs});
        EXPECT_EQ(f.working()->count(), 10050);
        // Adding everything knows no limit.
        click(f, "Command3");
        EXPECT_EQ(f.working()->count(), 10050 + first + 50);
    });
}

TEST_F(Editor, OnlyOkWritesTheFavouritesBackSorted)
{
    const QStringList before{u"alpha"_qs, u"Zeta"_qs};
    session->favorites.setNames(before);
    withEditor([&](Form11& f) {
        click(f, "Command4");
        EXPECT_EQ(f.working()->count(), 0);
        EXPECT_EQ(f.Label1->text(), u"0");
        click(f, "Command7");
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(session->favorites.names(), before);
    withEditor([&](Form11& f) {
        click(f, "Command4");
        item(f, u"file_bar0"_qs)->trigger();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(session->favorites.names(), before);

    withEditor([&](Form11& f) {
        pick(f.List1, rowOf(u"IPAゴシック"_qs));
        click(f, "Command1");
        f.LGetList({u"beta"_qs});
        pick(f.List1, f.source()->count() - 1);
        click(f, "Command1");
        click(f, "Command6");
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(session->favorites.names(),
              (QStringList{u"alpha"_qs, u"beta"_qs, u"IPAゴシック"_qs, u"Zeta"_qs}));
    EXPECT_EQ(main->favoritesView()->model()->rowCount(), 4);
}

TEST_F(Editor, PopupShowsTheListsOwnCommandAndDetailsOpenTheDetailsWindow)
{
    session->favorites.setNames({u"DejaVu Serif"_qs});
    withEditor([&](Form11& f) {
        QMenu* menu = f.popup();
        pick(f.List1, 0);
        const QRect r = f.List1->visualRect(f.source()->index(1));
        QTest::mouseClick(f.List1->viewport(), Qt::RightButton, {}, r.center());
        // The current entry, not the one under the mouse.
        EXPECT_EQ(state().ContextFontName, model->at(0));
        EXPECT_TRUE(menu->isVisible());
        EXPECT_TRUE(item(f, u"facedel_bar0(1)"_qs)->isVisible());
        EXPECT_FALSE(item(f, u"facedel_bar0(0)"_qs)->isVisible());
        item(f, u"facedel_bar0(1)"_qs)->trigger();
        menu->close();
        EXPECT_EQ(f.working()->names().last(), model->at(0));
        EXPECT_TRUE(state().ContextFontName.isEmpty());

        pick(f.List2, 0);
        QTest::mouseClick(f.List2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_TRUE(item(f, u"facedel_bar0(0)"_qs)->isVisible());
        EXPECT_FALSE(item(f, u"facedel_bar0(1)"_qs)->isVisible());
        menu->close();

        // "詳細" and the Left key show the details window for the family.
        auto seen = onNextModal();
        item(f, u"facedel_bar0(3)"_qs)->trigger();
        EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
        EXPECT_TRUE(state().ContextFontName.isEmpty());
        seen = onNextModal(
            [](QWidget* w) { EXPECT_EQ(w->findChild<QLabel*>(u"Label1(0)"_qs)->text(), u"DejaVu Serif"); });
        QTest::keyClick(f.List2, Qt::Key_Left);
        EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
        EXPECT_EQ(f.working()->count(), 2); // the key did nothing else
    });
}

TEST_F(Editor, OnlyTheUsersChoiceChangesThePreviewAndTheFirstDownTakesTheFirstEntry)
{
    session->favorites.setNames({u"Zeta"_qs});
    withEditor([&](Form11& f) {
        const QString design = f.Label2->font().family();
        // The list the focus lands in makes an entry current by itself: no preview for that.
        f.List1->setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(f.Label2->font().family(), design);
        QTest::keyClick(f.List1, Qt::Key_Down);
        ASSERT_EQ(f.List1->selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(f.List1->selectionModel()->selectedRows().first().row(), 0);
        EXPECT_EQ(f.Label2->font().family(), model->at(0));
        // Adding moves the favourites' current entry, not the preview.
        pick(f.List1, 2);
        click(f, "Command1");
        EXPECT_EQ(f.Label2->font().family(), model->at(2));
        QTest::keyClick(f.List2, Qt::Key_Home);
        EXPECT_EQ(f.Label2->font().family(), u"Zeta");
    });
}
