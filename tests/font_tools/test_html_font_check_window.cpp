// The HTML font check window reached the three ways a user reaches it: the command line, a
// drop on the main window and File > Open.
#include "core/font_filter.h"
#include "core/fontconfig_source.h"
#include "dialogs/favorites_editor_window.h"
#include "export/cli_runner.h"
#include "font_tools/font_search_window.h"
#include "font_tools/html_font_check_window.h"
#include "main_window/progress_window.h"
#include "main_window/sample_list_window.h"
#include "main_window/started_window.h"

#include <QDirIterator>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

using namespace typecask;

namespace {

QString fixture(const char* name)
{
    return qEnvironmentVariable("TYPECASK_TEST_DATA") + u"/html/"_qs + QString::fromUtf8(name);
}

class FontCheckWindow : public uitest::StartedWindow
{
protected:
    Form14& check() { return main->windows().form14(); }

    bool drop(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls.append(QUrl::fromLocalFile(p));
        data.setUrls(urls);
        return main->MDIForm_OLEDragDrop(data);
    }

    QStringList missingLines() { return check().Text1->toPlainText().split(u'\n', Qt::SkipEmptyParts); }
};

TEST_F(FontCheckWindow, CommandLineFilesFillTheWindow)
{
    quit();
    session = std::make_unique<Session>();
    session->programFolder = dir.path();
    main = StartUp(*session, fake.services, fonts(), {fixture("lf.html"), fixture("second.html")});
    EXPECT_TRUE(main->isVisible());
    ASSERT_TRUE(check().isVisible());
    EXPECT_EQ(check().parentWidget(), main.get());
    EXPECT_EQ(check().installedNames(),
              (QStringList{u"DejaVu Sans"_qs, u"DejaVu Serif"_qs, u"IPAゴシック"_qs}));
    EXPECT_EQ(missingLines(), (QStringList{u"Open Tail"_qs, u"Missing Font"_qs}));
    EXPECT_EQ(check().windowTitle(), u"見つかったフォント[3]");
    EXPECT_TRUE(messages->messages.isEmpty());
}

TEST_F(FontCheckWindow, FromTheCommandLineItHasTheProgramIconAndErrorsWaitForTheMainWindow)
{
    quit();
    session = std::make_unique<Session>();
    session->programFolder = dir.path();
    main = StartUp(*session, fake.services, fonts(), {dir.filePath(u"gone.html"_qs), fixture("lf.html")});
    ASSERT_TRUE(check().isVisible());
    // Not over the start-up's progress window: the message comes once the start is over.
    EXPECT_TRUE(messages->messages.isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages.first().contains(u"gone.html"_qs));
    // The program's icon, given once the main window is up, reaches the check window too.
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(pixmap));
    EXPECT_FALSE(check().windowIcon().isNull());
    QApplication::setWindowIcon(QIcon());
}

TEST_F(FontCheckWindow, DroppedFilesAreReadBehindTheProgressWindowAndAddUp)
{
    bool mainShownWhileReading = true;
    QString progress;
    QTimer::singleShot(0, [&] {
        mainShownWhileReading = main->isVisible();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f6 = qobject_cast<Form6*>(w); f6 && f6->isVisible())
                progress = f6->status();
    });
    EXPECT_TRUE(drop({fixture("cr.htm")}));
    EXPECT_FALSE(mainShownWhileReading);
    EXPECT_EQ(progress, u"Now Reading....");
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(check().isVisible());
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<Form6*>(w) && w->isVisible());
    EXPECT_EQ(missingLines(), QStringList{u"Open Tail"_qs});

    // A second file while the window is open adds to the same lists, each name once.
    drop({fixture("second.html"), fixture("bom.html")});
    EXPECT_EQ(missingLines(), (QStringList{u"Open Tail"_qs, u"Missing Font"_qs, u"欠けた書体"_qs}));
    EXPECT_EQ(check().installedNames(),
              (QStringList{u"DejaVu Sans"_qs, u"DejaVu Serif"_qs, u"Fixed"_qs, u"IPAゴシック"_qs}));
    EXPECT_EQ(check().windowTitle(), u"見つかったフォント[4]");

    // Closing the window empties it.
    check().close();
    drop({fixture("second.html")});
    EXPECT_EQ(check().installedNames(), QStringList{});
    EXPECT_EQ(missingLines(), (QStringList{u"Open Tail"_qs, u"Missing Font"_qs}));
}

TEST_F(FontCheckWindow, AnOpenSearchWindowHidesWhileFilesAreReadAndComesBack)
{
    main->windows().openSearch();
    QWidget* search = &main->windows().form10();
    ASSERT_TRUE(search->isVisible());
    bool searchShownWhileReading = true;
    QTimer::singleShot(0, [&] { searchShownWhileReading = search->isVisible(); });
    drop({fixture("lf.html")});
    EXPECT_FALSE(searchShownWhileReading);
    EXPECT_TRUE(search->isVisible());
    EXPECT_TRUE(check().isVisible());
}

TEST_F(FontCheckWindow, UnreadableFilesAreNamedAndTheWindowsStayUsable)
{
    const QString gone = dir.filePath(u"gone.html"_qs);
    drop({gone, fixture("utf16le.html"), dir.path() + u"/x.html"_qs});
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages.first().contains(gone));
    EXPECT_TRUE(messages->messages.first().contains(u"ファイルがありません"_qs));
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(check().isVisible());
    EXPECT_EQ(check().installedNames(), QStringList{u"IPAゴシック"_qs});
    // A path that is not HTML is passed by without a word.
    drop({dir.filePath(u"notes.txt"_qs)});
    EXPECT_EQ(messages->messages.size(), 1);
}

TEST_F(FontCheckWindow, FileOpenStartsInTheProgramFolder)
{
    action(u"file_bar0(0)"_qs)->trigger(); // cancelled
    EXPECT_EQ(fake.fileDialog->folders, QStringList{dir.path()});
    EXPECT_FALSE(check().isVisible());
    fake.fileDialog->answers = {fixture("meta_eucjp.html")};
    action(u"file_bar0(0)"_qs)->trigger();
    EXPECT_TRUE(check().isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(missingLines(), QStringList{u"IPA明朝"_qs}); // not in this font set
}

TEST_F(FontCheckWindow, InstalledListActsLikeTheFontList)
{
    drop({fixture("lf.html")});
    FontListView* installed = check().List1;
    const int serif = static_cast<int>(check().installedNames().indexOf(u"DejaVu Serif"_qs));

    clickRow(installed, serif);
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Serif");
    EXPECT_EQ(main->windowTitle(), u"DejaVu Serif -Typecask v201");

    // Double click: the family is selected in the main font list too.
    list->clearSelection();
    const QRect r = installed->visualRect(installed->model()->index(serif, 0));
    QTest::mouseDClick(installed->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(list->selectedName(), u"DejaVu Serif");

    // Right or Left: the details window, the previewed font unchanged.
    state().CurrentFontName = u"DejaVu Sans"_qs;
    const auto seen = onNextModal();
    QTest::keyClick(installed, Qt::Key_Right);
    EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans");

    // Space: the font menu for the selected name.
    QTest::keyClick(installed, Qt::Key_Space);
    EXPECT_EQ(state().ContextFontName, u"DejaVu Serif");
    EXPECT_TRUE(main->fontMenu()->isVisible());
    main->fontMenu()->close();

    // F2 to F4, wherever the focus is in the window: the sample texts.
    QApplication::setActiveWindow(&check());
    QTest::keyClick(&check(), Qt::Key_F3);
    EXPECT_EQ(form1->Text1->text(), state().SampleTextJapanese);
    QTest::keyClick(check().Text1, Qt::Key_F2);
    EXPECT_EQ(form1->Text1->text(), state().SampleTextWestern);
}

TEST_F(FontCheckWindow, ListButtonsOpenTheSampleListAndTheFavouritesEditor)
{
    drop({fixture("lf.html")});
    const QStringList installed = check().installedNames();
    QStringList listed;
    auto seen = onNextModal([&listed](QWidget* w) {
        if (auto* f18 = qobject_cast<Form18*>(w))
            for (int i = 0; i < f18->names().count(); ++i)
                listed.append(f18->names().at(i));
    });
    findNamed<QPushButton>(&check(), u"Command1"_qs)->click();
    EXPECT_EQ(seen->value(0), u"Form18");
    EXPECT_EQ(listed, installed);

    seen = onNextModal();
    QApplication::setActiveWindow(&check());
    QTest::keyClick(check().List1, Qt::Key_F1);
    EXPECT_EQ(seen->value(0), u"Form18");

    QStringList source;
    seen = onNextModal([&source](QWidget* w) {
        if (auto* f11 = qobject_cast<Form11*>(w))
            source = f11->source()->names();
    });
    findNamed<QToolButton>(&check(), u"Command3"_qs)->click();
    EXPECT_EQ(seen->value(0), u"Form11");
    EXPECT_EQ(source, installed);

    findNamed<QPushButton>(&check(), u"Command2"_qs)->click();
    EXPECT_FALSE(check().isVisible());
}

TEST_F(FontCheckWindow, TheCssTabShowsEachFamilyListAndKeepsTheNamesTabAsItWas)
{
    drop({fixture("css/coverage.html")});
    auto* tabs = findNamed<QTabWidget>(&check(), u"Tabs"_qs);
    auto* css = findNamed<QTreeWidget>(&check(), u"CssList"_qs);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->currentIndex(), 0); // the two lists first, as they always were
    EXPECT_EQ(tabs->tabText(1), u"CSS"_qs);
    EXPECT_TRUE(check().List1->isVisible());
    // The names tab reads the page as it always did: quoted names come out as fragments.
    EXPECT_TRUE(check().installedNames().isEmpty());
    EXPECT_EQ(missingLines(), (QStringList{u"'IPAゴシック'"_qs, u"sans-serif"_qs}));

    tabs->setCurrentIndex(1);
    EXPECT_TRUE(css->isVisible());
    EXPECT_EQ(css->headerItem()->text(1), u"表示に使うﾌｫﾝﾄ"_qs);
    ASSERT_EQ(css->topLevelItemCount(), 2);
    const QTreeWidgetItem* dejaVu = css->topLevelItem(0);
    EXPECT_EQ(dejaVu->text(0), u"\"DejaVu Sans\""_qs);
    EXPECT_EQ(dejaVu->text(1), u"DejaVu Sans"_qs);
    EXPECT_EQ(dejaVu->text(2), u"代替ﾌｫﾝﾄで表示"_qs);
    EXPECT_EQ(dejaVu->text(3), u"3字: 日 U+65E5  本 U+672C  語 U+8A9E"_qs);
    // Shown in the font that has them, not in the list's own, which would draw boxes.
    EXPECT_EQ(dejaVu->font(3).families().value(0), u"IPAGothic"_qs);
    ASSERT_EQ(dejaVu->childCount(), 2);
    EXPECT_EQ(dejaVu->child(1)->text(1), u"IPAGothic"_qs);
    const QTreeWidgetItem* ipa = css->topLevelItem(1);
    EXPECT_EQ(ipa->text(1), u"IPAゴシック"_qs);
    EXPECT_EQ(ipa->text(2), u"OK"_qs);
    ASSERT_EQ(ipa->childCount(), 3);
    EXPECT_EQ(ipa->child(1)->text(0), u"sans-serif"_qs);
    EXPECT_EQ(ipa->child(1)->text(2), u"総称ﾌｧﾐﾘｰ"_qs);
    EXPECT_EQ(ipa->child(2)->text(3), u"3字: 日 U+65E5  本 U+672C  語 U+8A9E"_qs);

    // The columns follow the window's width.
    const int before = css->columnWidth(3);
    check().resize(check().width() + 300, check().height());
    QCoreApplication::processEvents();
    EXPECT_GT(css->columnWidth(3), before);

    // A second file adds its lists and web fonts; closing empties the view.
    drop({fixture("css/modern.html")});
    EXPECT_GT(css->topLevelItemCount(), 2);
    EXPECT_FALSE(css->findItems(u"Brand Web"_qs, Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    check().close();
    EXPECT_EQ(css->topLevelItemCount(), 0);
}

} // namespace

namespace {

// The HTML manuals Debian installs, read by the window (through a drop, which takes any number
// of files) and by typecask-cli check over the real font catalog of the test font set.
TEST(FontCheckManuals, WindowAndCliFindTheSameNames)
{
    QStringList pages;
    QDirIterator it(u"/usr/share/doc"_qs, {u"*.html"_qs, u"*.htm"_qs}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        pages.append(it.next());
    pages.sort();
    ASSERT_FALSE(pages.isEmpty()) << "no HTML manuals under /usr/share/doc";

    const auto cli = clitest::runCli(QStringList{u"check"_qs, u"--"_qs} + pages);
    ASSERT_TRUE(cli.exitCode == 0 || cli.exitCode == 1) << cli.err.toStdString();
    QStringList installed, missing;
    for (const QString& line : QString::fromUtf8(cli.out).split(u'\n', Qt::SkipEmptyParts))
        (line.startsWith(u"installed\t"_qs) ? installed : missing).append(line.section(u'\t', 1));
    ASSERT_FALSE(installed.isEmpty() && missing.isEmpty()) << "the manuals name no fonts";

    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    fakes::FakeServices fake;
    Session session;
    session.programFolder = dir.path();
    auto main = StartUp(session, fake.services, std::make_shared<FontconfigSource>());
    QMimeData drop;
    QList<QUrl> urls;
    for (const QString& p : pages)
        urls.append(QUrl::fromLocalFile(p));
    drop.setUrls(urls);
    ASSERT_TRUE(main->MDIForm_OLEDragDrop(drop));
    Form14& check = main->windows().form14();
    sortIgnoringCase(installed);
    EXPECT_EQ(check.installedNames(), installed);
    EXPECT_EQ(check.Text1->toPlainText().split(u'\n', Qt::SkipEmptyParts), missing);
    EXPECT_TRUE(fake.messageBox->messages.isEmpty());
    main->close();
}

} // namespace
