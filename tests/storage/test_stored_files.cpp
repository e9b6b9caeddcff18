#include "storage/stored_files.h"

#include "fakes/file_faults.h"
#include "storage/favorites_file.h"
#include "storage/settings_file.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

using namespace typecask;
using namespace typecask::test;

namespace {

void makeFile(const QTemporaryDir& dir, const QString& name, bool old = true)
{
    const QString path = dir.filePath(name);
    ASSERT_TRUE(writeFile(path, "complete\r\n"));
    if (old) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
}

} // namespace

TEST(StoredFiles, SaveLeftoversAreRemovedAndNothingElse)
{
    QTemporaryDir dir;
    const QStringList leftovers{u"Typecask.ini.Ab3xYz"_qs, u"TypecaskBK.lst.QWERTY"_qs,
                                u"Color.dat.a1b2c3"_qs};
    for (const QString& name : leftovers)
        makeFile(dir, name);
    const QStringList kept{
        u"Typecask.ini"_qs,       u"Typecask.ini.backup"_qs,  u"Color.dat.202401"_qs,
        u"Typecask.ini.Ab3xY"_qs, u"Typecask.ini.Ab3xYz1"_qs, u"typecask.ini.Ab3xYz"_qs,
        u"Other.txt.Ab3xYz"_qs,   u"Color.dat.Ab-xYz"_qs,     u"Typecask.ini.Ab3xYz.bak"_qs};
    for (const QString& name : kept)
        makeFile(dir, name);
    makeFile(dir, u"TypecaskBK.lst.Fresh1"_qs, false); // may be a save running right now
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Color.dat.Dir123"_qs));
    ASSERT_TRUE(QFile::link(dir.filePath(u"Typecask.ini"_qs), dir.filePath(u"Typecask.ini.Link12"_qs)));

    QStringList removed = removeStaleSaveFiles(dir.path());
    removed.sort();
    QStringList expected;
    for (const QString& name : leftovers)
        expected.append(dir.filePath(name));
    expected.sort();
    EXPECT_EQ(removed, expected);
    for (const QString& name : kept + QStringList{u"TypecaskBK.lst.Fresh1"_qs, u"Color.dat.Dir123"_qs})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(u"Typecask.ini.Link12"_qs)).isSymLink());
    EXPECT_TRUE(removeStaleSaveFiles(dir.filePath(u"missing"_qs)).isEmpty());
}

TEST(StoredFiles, AKilledSaveLeavesTheOldFileAndALeftoverThatIsRemoved)
{
    QTemporaryDir dir;
    ASSERT_TRUE(saveFavorites(dir.path(), {u"IPA明朝"_qs}));
    const QByteArray old = readFile(dir.filePath(u"TypecaskBK.lst"_qs));
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // The kernel kills this process at the write that passes the limit, mid-save.
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        saveFavorites(dir.path(), QStringList(5000, u"DejaVu Sans"_qs));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    EXPECT_EQ(readFile(dir.filePath(u"TypecaskBK.lst"_qs)), old);

    const QStringList leftovers = QDir(dir.path()).entryList({u"TypecaskBK.lst.*"_qs}, QDir::Files);
    ASSERT_EQ(leftovers.size(), 1);
    EXPECT_TRUE(removeStaleSaveFiles(dir.path()).isEmpty()); // a save elsewhere may still be writing it
    QFile leftover(dir.filePath(leftovers.first()));
    ASSERT_TRUE(leftover.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        leftover.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    leftover.close();
    EXPECT_EQ(removeStaleSaveFiles(dir.path()), QStringList{leftover.fileName()});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"TypecaskBK.lst"_qs});
}

TEST(StoredFiles, QtNamesItsSaveFilesTheWayTheCleanUpExpects)
{
    // QSaveFile makes its temporary file through the same engine as QTemporaryFile.
    QTemporaryDir dir;
    const QRegularExpression pattern(u"^Typecask\\.ini\\.[A-Za-z0-9]{6}$"_qs);
    for (int i = 0; i < 20; ++i) {
        QTemporaryFile f(dir.filePath(u"Typecask.ini.XXXXXX"_qs));
        ASSERT_TRUE(f.open());
        EXPECT_TRUE(pattern.match(QFileInfo(f.fileName()).fileName()).hasMatch())
            << f.fileName().toStdString();
    }
}

TEST(StoredFiles, FailedSavesMakeOneMessage)
{
    QTemporaryDir dir;
    const SaveResult settings = saveSettings(u"/proc/typecask-test"_qs, AppSettings{});
    const SaveResult favorites = saveFavorites(dir.path(), {u"IPA明朝"_qs});
    ASSERT_FALSE(settings);
    ASSERT_TRUE(favorites);
    EXPECT_EQ(failedSavesMessage({settings, favorites}),
              u"次のファイルを保存できませんでした。\n\n/proc/typecask-test/Typecask.ini（"_qs +
                  settings.error + u'）');
    EXPECT_EQ(failedSavesMessage({favorites}), QString());

    const SaveResult other{u"/x/TypecaskBK.lst"_qs, u"ディスクの空き容量が足りません"_qs};
    EXPECT_EQ(failedSavesMessage({settings, other}).count(u'\n'), 3);
}
