#include "storage/favorites_file.h"

#include "fakes/file_faults.h"
#include "fakes/hostile_names.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;
using namespace typecask::test;

namespace {
void writeRaw(const QTemporaryDir& dir, const QByteArray& bytes)
{
    QFile f(dir.filePath(u"TypecaskBK.lst"_qs));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(FavoritesFile, EmptyLinesAreSkippedAndOrderKept)
{
    QTemporaryDir dir;
    writeRaw(dir, "Zeta\r\n\r\nalpha\r\nZeta\r\n");
    EXPECT_EQ(favoriteNames(loadFavorites(dir.path())), (QStringList{u"Zeta"_qs, u"alpha"_qs, u"Zeta"_qs}));
    EXPECT_TRUE(loadFavorites(dir.filePath(u"nowhere"_qs)).isEmpty());
}

TEST(FavoritesFile, EmptyListIsOneEmptyLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(saveFavorites(dir.path(), {}));
    QFile f(dir.filePath(u"TypecaskBK.lst"_qs));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\r\n"));
    EXPECT_TRUE(favoriteNames(loadFavorites(dir.path())).isEmpty());
}

TEST(FavoritesFile, NamesRoundTripIncludingDuplicatesAndJapanese)
{
    QTemporaryDir dir;
    const QStringList names{u"IPAゴシック"_qs, u"IPAゴシック"_qs, u"DejaVu Sans"_qs, u"Uninstalled Font"_qs};
    ASSERT_TRUE(saveFavorites(dir.path(), names));
    EXPECT_EQ(favoriteNames(loadFavorites(dir.path())), names);
}

TEST(FavoritesFile, AnyNameAFontCanCarryReadsBackExactly)
{
    QTemporaryDir dir;
    QStringList names = hostileFontNames();
    names += {u"\u0001Zx marked"_qs, u"Zx \\n not a break\\"_qs, u"Zx "_qs + QString(32000, u'\u3042')};
    ASSERT_TRUE(saveFavorites(dir.path(), names));
    EXPECT_EQ(favoriteNames(loadFavorites(dir.path())), names);
    // Only the names that need it are written escaped; the others stay plain lines.
    const QByteArray file = readFile(dir.filePath(u"TypecaskBK.lst"_qs));
    EXPECT_TRUE(file.contains("\r\nZx Back\\slash {group} \\par\r\n"));
    EXPECT_TRUE(file.contains("\r\n\x01Zx CR\\r\\nLF\r\n\x01Zx New\\nLine\r\n"));
    EXPECT_TRUE(file.contains("\r\n\x01\x01Zx marked\r\n"));
}

TEST(FavoritesFile, ReadsAtMost32001Lines)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 40000; ++i)
        bytes += "Font" + QByteArray::number(i) + "\r\n";
    writeRaw(dir, bytes);
    const QStringList names = favoriteNames(loadFavorites(dir.path()));
    ASSERT_EQ(names.size(), 32001);
    EXPECT_EQ(names.last(), u"Font32000");
}

#include "storage/program_folder.h"

TEST(ProgramFolder, PortableInstallWinsWhenItsSettingsStandBesideTheExecutable)
{
    QTemporaryDir exe, data;
    EXPECT_EQ(programFolderFor(exe.path(), data.path()), data.path());
    QFile f(exe.filePath(u"Typecask.ini"_qs));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(programFolderFor(exe.path(), data.path()), exe.path());
    EXPECT_EQ(programFile(u"/a/"_qs, u"x"_qs), u"/a/x");
    EXPECT_EQ(programFile(u"/a"_qs, u"x"_qs), u"/a/x");
}

TEST(FavoritesFile, OneLatin1NameDoesNotGarbleTheOthers)
{
    QTemporaryDir dir;
    writeRaw(dir, fixture(u"favorites/mixed_encodings.lst"_qs));
    const QStringList names = favoriteNames(loadFavorites(dir.path()));
    EXPECT_EQ(names,
              (QStringList{u"IPA明朝"_qs, u"Caf\uFFFD Sans"_qs, u"ＭＳ ゴシック"_qs, u"DejaVu Sans"_qs}));
    ASSERT_TRUE(saveFavorites(dir.path(), names));
    EXPECT_TRUE(readFile(dir.filePath(u"TypecaskBK.lst"_qs)).startsWith(u"IPA明朝\r\n"_qs.toUtf8()));
    EXPECT_EQ(favoriteNames(loadFavorites(dir.path())), names);
}

TEST(FavoritesFile, LineEndsByteOrderMarkAndALeadingFeffName)
{
    QTemporaryDir dir;
    writeRaw(dir, fixture(u"favorites/mixed_line_ends.lst"_qs));
    EXPECT_EQ(favoriteNames(loadFavorites(dir.path())),
              (QStringList{u"A"_qs, u"B"_qs, u"C"_qs, u"D"_qs, u"E"_qs}));

    writeRaw(dir, fixture(u"favorites/bom_lf_empty_lines.lst"_qs));
    const QStringList names = favoriteNames(loadFavorites(dir.path()));
    EXPECT_EQ(names, (QStringList{u"\uFEFFFEFF Name"_qs, u"IPAゴシック"_qs}));
    ASSERT_TRUE(saveFavorites(dir.path(), names));
    EXPECT_EQ(favoriteNames(loadFavorites(dir.path())), names);
}

TEST(FavoritesFile, SpecialAndHugeFilesAreReadWithinBounds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"TypecaskBK.lst"_qs);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_qs, path));
    ::alarm(30); // reading /dev/zero used to end only when memory ran out
    EXPECT_TRUE(loadFavorites(dir.path()).isEmpty());
    ::alarm(0);
    // A link to a device is not replaced either: the save says it did not save.
    EXPECT_FALSE(saveFavorites(dir.path(), {u"A"_qs}));
    ASSERT_TRUE(QFile::remove(path));

    ASSERT_TRUE(makeSparseFile(path, 100LL * 1024 * 1024));
    const long before = peakMemoryKiB();
    const QStringList lines = loadFavorites(dir.path());
    EXPECT_LT(peakMemoryKiB() - before, 16 * 1024);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.first().size(), FavoriteLineMaxBytes);
}

TEST(FavoritesFile, AFullDiskKeepsTheOldListAndTheSaveSaysSo)
{
    const TmpfsRun run = onSmallTmpfs(64 * 1024, [](const QString& folder) {
        const QString path = folder + u"/TypecaskBK.lst"_qs;
        TYPECASK_CHILD_CHECK(writeFile(path, "IPA明朝\r\n"));
        TYPECASK_CHILD_CHECK(fillFileSystem(folder, 8192));
        // About 12 KiB: under the 16 KiB a buffered save file holds back until its final flush.
        QStringList names;
        for (int i = 0; i < 600; ++i)
            names.append(u"Font Family %1"_qs.arg(i, 4, 10, QChar(u'0')));
        const SaveResult saved = saveFavorites(folder, names);
        TYPECASK_CHILD_CHECK(!saved);
        TYPECASK_CHILD_CHECK(saved.error == u"ディスクの空き容量が足りません");
        TYPECASK_CHILD_CHECK(favoriteNames(loadFavorites(folder)) == QStringList{u"IPA明朝"_qs});
        return true;
    });
    if (run == TmpfsRun::Unsupported)
        GTEST_SKIP() << "no small file system can be mounted here";
    EXPECT_EQ(run, TmpfsRun::Passed);
}
