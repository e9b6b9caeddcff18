#include "storage/favorites_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;

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
    EXPECT_EQ(favoriteNames(LoadFavorites(dir.path())), (QStringList{u"Zeta"_qs, u"alpha"_qs, u"Zeta"_qs}));
    EXPECT_TRUE(LoadFavorites(dir.filePath(u"nowhere"_qs)).isEmpty());
}

TEST(FavoritesFile, EmptyListIsOneEmptyLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(SaveFavorites(dir.path(), {}));
    QFile f(dir.filePath(u"TypecaskBK.lst"_qs));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\r\n"));
    EXPECT_TRUE(favoriteNames(LoadFavorites(dir.path())).isEmpty());
}

TEST(FavoritesFile, NamesRoundTripIncludingDuplicatesAndJapanese)
{
    QTemporaryDir dir;
    const QStringList names{u"IPAゴシック"_qs, u"IPAゴシック"_qs, u"DejaVu Sans"_qs, u"Uninstalled Font"_qs};
    ASSERT_TRUE(SaveFavorites(dir.path(), names));
    EXPECT_EQ(favoriteNames(LoadFavorites(dir.path())), names);
}

TEST(FavoritesFile, ReadsAtMost32001Lines)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 40000; ++i)
        bytes += "Font" + QByteArray::number(i) + "\r\n";
    writeRaw(dir, bytes);
    const QStringList names = favoriteNames(LoadFavorites(dir.path()));
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
