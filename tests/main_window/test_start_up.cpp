// From start-up to shutdown with the real windows on the offscreen platform.
#include "core/font_list_model.h"
#include "core/session.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"
#include "fakes/hostile_names.h"
#include "main_window/font_browser.h"
#include "main_window/main_window.h"
#include "main_window/start_up.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace typecask;

namespace {

std::shared_ptr<fakes::FakeFontSource> fonts()
{
    auto src = std::make_shared<fakes::FakeFontSource>();
    src->add(u"DejaVu Sans"_qs, 0, 4)
        .add(u"IPAゴシック"_qs, 128, 4)
        .add(u"Fixed"_qs, 0, 1)
        .add(u"OpenSymbol"_qs, 2, 4);
    return src;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct ProgramRun
{
    explicit ProgramRun(const QString& folder)
    {
        session.programFolder = folder;
        main = StartUp(session, fake.services, fonts());
    }
    Session session;
    fakes::FakeServices fake;
    std::unique_ptr<MDIForm1> main;
};

} // namespace

TEST(StartUp, FirstStartThenQuitWritesBothFiles)
{
    QTemporaryDir dir;
    {
        ProgramRun run(dir.path());
        MDIForm1& w = *run.main;
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(run.session.state.Loading);
        // Centred, 5500 twips high at the medium preview step.
        const int expectedHeight = qRound(5500 * w.logicalDpiY() / 1440.0);
        EXPECT_EQ(w.height(), expectedHeight);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_LE(std::abs(w.geometry().center().y() - screen.center().y()), 2);
        EXPECT_LE(std::abs(w.geometry().center().x() - screen.center().x()), 2);

        // The default filters list the Japanese and Western TrueType families.
        EXPECT_EQ(w.form1()->fontModel()->names(), (QStringList{u"DejaVu Sans"_qs, u"IPAゴシック"_qs}));
        EXPECT_EQ(w.form1()->Text1->text(), u"AaBbCcDdEeXxYyZz12345");
        EXPECT_EQ(w.findChild<QComboBox*>(u"Combo1"_qs)->currentText(), u"32");
        w.findChild<QAbstractButton*>(u"Check5"_qs)->click(); // the HTML bar, built now
        EXPECT_EQ(w.findChild<QComboBox*>(u"Combo2"_qs)->currentText(), u"7");
        EXPECT_EQ(w.findChild<QComboBox*>(u"Combo3"_qs)->currentText(), u"48");

        QAction* quit = w.findChild<QAction*>(u"file_bar0(2)"_qs);
        ASSERT_NE(quit, nullptr);
        EXPECT_EQ(quit->text(), u"終了(&X)");
        quit->trigger();
        EXPECT_TRUE(run.session.state.Loading);
    }
    const QByteArray ini = readFile(dir.filePath(u"Typecask.ini"_qs));
    EXPECT_TRUE(ini.startsWith("TypecaskVer2.01\r\nFalse\r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 32 \r\n 1 \r\n"));
    EXPECT_EQ(ini.count("\r\n"), 16);
    EXPECT_EQ(readFile(dir.filePath(u"TypecaskBK.lst"_qs)), QByteArray("\r\n"));
}

TEST(StartUp, SecondStartReadsTheFilesBack)
{
    QTemporaryDir dir;
    {
        QFile f(dir.filePath(u"Typecask.ini"_qs));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("TypecaskVer2.01\r\nTrue\r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n 12 \r\n 2 \r\n 20 \r\n 19 \r\n"
                "True\r\nFalse\r\nFalse\r\nj\r\nW, \"quoted\"\r\ns\r\n");
        QFile b(dir.filePath(u"TypecaskBK.lst"_qs));
        ASSERT_TRUE(b.open(QIODevice::WriteOnly));
        b.write("zeta\r\n\r\nAlpha\r\nzeta\r\n");
    }
    ProgramRun run(dir.path());
    MDIForm1& w = *run.main;
    EXPECT_EQ(w.form1()->fontModel()->names(),
              (QStringList{u"DejaVu Sans"_qs, u"Fixed"_qs, u"OpenSymbol"_qs}));
    EXPECT_EQ(w.favorites()->names(), (QStringList{u"Alpha"_qs, u"zeta"_qs, u"zeta"_qs}));
    EXPECT_EQ(w.form1()->Text1->text(), u"W, \"quoted\"");
    EXPECT_EQ(w.height(), qRound(7000 * w.logicalDpiY() / 1440.0));
    EXPECT_FALSE(w.findChild<QWidget*>(u"Picture2"_qs)->isVisibleTo(&w));
    w.findChild<QAbstractButton*>(u"Check5"_qs)->click();
    EXPECT_EQ(w.findChild<QComboBox*>(u"Combo2"_qs)->currentText(), u"3");
    EXPECT_TRUE(w.windowTitle().endsWith(u" -Typecask v201"_qs));
    w.close();
    const QByteArray ini = readFile(dir.filePath(u"Typecask.ini"_qs));
    EXPECT_TRUE(ini.contains("\r\nW, \"quoted\"\r\n"));
    EXPECT_TRUE(ini.contains("\r\n 12 \r\n 2 \r\n"));
    EXPECT_EQ(readFile(dir.filePath(u"TypecaskBK.lst"_qs)), QByteArray("Alpha\r\nzeta\r\nzeta\r\n"));
}

TEST(StartUp, FavouritesOfAnyNameComeBackAfterARestart)
{
    QTemporaryDir dir;
    QStringList names = test::hostileFontNames();
    {
        ProgramRun run(dir.path());
        for (const QString& n : names)
            run.main->favorites()->insertSorted(n);
        run.main->close();
        EXPECT_TRUE(run.fake.messageBox->messages.isEmpty());
    }
    ProgramRun again(dir.path());
    QStringList back = again.main->favorites()->names();
    std::sort(names.begin(), names.end());
    std::sort(back.begin(), back.end());
    EXPECT_EQ(back, names);
}

TEST(StartUp, AFileSizeLimitIsReportedLikeAnyFailedSave)
{
    // The limit as a shell's ulimit -f sets it, with the signal's default action: ending the
    // program at the write that crosses it, unless the program ignores it.
    std::signal(SIGXFSZ, SIG_DFL);
    QTemporaryDir dir;
    ProgramRun run(dir.path());
    for (int i = 0; i < 600; ++i)
        run.main->favorites()->insertSorted(u"Font Family %1"_qs.arg(i, 4, 10, QChar(u'0')));
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    run.main->close();
    ::setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_EQ(run.fake.messageBox->messages.size(), 1);
    const QString message = run.fake.messageBox->messages.first();
    EXPECT_TRUE(message.contains(u"TypecaskBK.lst（ファイルが大きすぎます）"_qs)) << message.toStdString();
}

TEST(StartUp, UnwritableProgramFolderStillQuitsCleanly)
{
    ProgramRun run(u"/proc/typecask-unwritable"_qs); // not even root may write here
    EXPECT_TRUE(run.main->isVisible());
    run.main->close();
    EXPECT_TRUE(run.session.state.Loading);
    EXPECT_FALSE(QFile::exists(u"/proc/typecask-unwritable/Typecask.ini"_qs));
    // One message names both files that could not be saved.
    ASSERT_EQ(run.fake.messageBox->messages.size(), 1);
    const QString message = run.fake.messageBox->messages.first();
    EXPECT_TRUE(message.startsWith(u"次のファイルを保存できませんでした。"_qs)) << message.toStdString();
    EXPECT_TRUE(message.contains(u"Typecask.ini"_qs));
    EXPECT_TRUE(message.contains(u"TypecaskBK.lst"_qs));
}

TEST(StartUp, LeftoversOfAKilledSaveAreRemoved)
{
    QTemporaryDir dir;
    const QString leftover = dir.filePath(u"Typecask.ini.Ab12Cd"_qs);
    const QString theirs = dir.filePath(u"Typecask.ini.backup"_qs);
    for (const QString& path : {leftover, theirs}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("TypecaskVer2.01\r\n");
        f.close();
        // Old enough that no running save can still own it.
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    ProgramRun run(dir.path());
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_TRUE(QFile::exists(theirs));
    run.main->close();
}

TEST(StartUp, FirstCaptionUsesTheListedNameOfTheDefaultFamily)
{
    // The default font resolves to a family the catalog lists under another of its names.
    QTemporaryDir dir;
    QString drawn;
    {
        ProgramRun first(dir.path());
        drawn = first.session.state.CurrentFontName; // the family the preview really draws in
        first.main->close();
    }
    auto src = std::make_shared<fakes::FakeFontSource>();
    src->add(u"見本ゴシック"_qs, 128, 4);
    src->families.back().otherNames = {drawn};
    Session session;
    session.programFolder = dir.path();
    fakes::FakeServices fake;
    auto main = StartUp(session, fake.services, src);
    EXPECT_EQ(session.state.CurrentFontName, u"見本ゴシック");
    EXPECT_EQ(main->windowTitle(), u"見本ゴシック -Typecask v201");
    main->close();
}
