#include "storage/settings_file.h"

#include "core/cp932.h"
#include "fakes/file_faults.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;
using namespace typecask::test;

namespace {

void writeRaw(const QTemporaryDir& dir, const QByteArray& bytes)
{
    QFile f(dir.filePath(u"Typecask.ini"_qs));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readRaw(const QTemporaryDir& dir)
{
    QFile f(dir.filePath(u"Typecask.ini"_qs));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file as the program writes it, with one line replaced.
QByteArray fileWithLine(int line, const QByteArray& value)
{
    QStringList lines = settingsFileLines(AppSettings{});
    lines[line] = QString::fromUtf8(value);
    return lines.join(u"\r\n"_qs).toUtf8() + "\r\n";
}

AppSettings loadWith(int line, const QByteArray& value)
{
    QTemporaryDir dir;
    writeRaw(dir, fileWithLine(line, value));
    return applySettingsLines(loadSettings(dir.path()));
}

} // namespace

TEST(SettingsFile, DefaultsAreWrittenExactly)
{
    QTemporaryDir dir;
    const AppSettings s = applySettingsLines(loadSettings(dir.path())); // no file
    ASSERT_TRUE(saveSettings(dir.path(), s));
    const QByteArray expected =
        "TypecaskVer2.01\r\nFalse\r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 32 \r\n 1 \r\n 20 \r\n 19 \r\n"
        "True\r\nFalse\r\nTrue\r\n" +
        u"あいうえおかきくけこ亜亥宇江尾"_qs.toUtf8() +
        "\r\nAaBbCcDdEeXxYyZz12345\r\n!\"#$%&'()=<>.,?/_[]*+-@`{};:\r\n";
    EXPECT_EQ(readRaw(dir), expected);
    EXPECT_EQ(s.sampleTextSymbol.size(), 28);
}

TEST(SettingsFile, LineRules)
{
    EXPECT_EQ(loadWith(2, " 1 ").categories[0], 1);
    EXPECT_EQ(loadWith(2, " 0 ").categories[0], 0);
    EXPECT_EQ(loadWith(2, "yes").categories[0], 0);
    EXPECT_EQ(loadWith(2, " 10 ").categories[0], 1); // contains a 1
    EXPECT_EQ(loadWith(6, " 100 ").previewSize, 72);
    EXPECT_EQ(loadWith(6, " 5 ").previewSize, 8);
    EXPECT_EQ(loadWith(6, "20.5").previewSize, 20); // ties to even
    EXPECT_EQ(loadWith(6, "21.5").previewSize, 22);
    EXPECT_EQ(loadWith(6, "99999999999").previewSize, 72);
    EXPECT_EQ(loadWith(7, " 3 ").previewAreaSize, 2);
    EXPECT_EQ(loadWith(7, "-1 ").previewAreaSize, 0);
    EXPECT_EQ(loadWith(8, " 200 ").listSampleSize, 72);
    EXPECT_EQ(loadWith(9, " 250 ").listRowCount, 250); // no clamp
    EXPECT_EQ(loadWith(6, "").previewSize, 32);        // not a number: the line's default
    EXPECT_EQ(loadWith(7, "large").previewAreaSize, 1);
    EXPECT_EQ(loadWith(9, "x").listRowCount, 19);
    EXPECT_FALSE(loadWith(11, "true").showVerticalFonts); // exact "True" only
    EXPECT_TRUE(loadWith(11, "True").showVerticalFonts);
    EXPECT_FALSE(loadWith(10, "True ").listVertical);
    EXPECT_TRUE(loadWith(1, "True").allFontTypes);
    EXPECT_FALSE(loadWith(12, "False").selectionBarVisible);
    EXPECT_EQ(loadWith(13, "").sampleTextJapanese, QString()); // an empty text is a text
}

TEST(SettingsFile, RoundTripKeepsEveryValue)
{
    QTemporaryDir dir;
    AppSettings s;
    s.allFontTypes = true;
    s.categories = {0, 1, 1, 0};
    s.previewSize = 9;
    s.previewAreaSize = 2;
    s.listSampleSize = 72;
    s.listRowCount = -3;
    s.listVertical = false;
    s.showVerticalFonts = true;
    s.selectionBarVisible = false;
    s.sampleTextJapanese = u"a,b \"c\" 'd'"_qs;
    s.sampleTextWestern = QString();
    s.sampleTextSymbol = u"  spaced  "_qs;
    ASSERT_TRUE(saveSettings(dir.path(), s));
    const AppSettings r = applySettingsLines(loadSettings(dir.path()));
    EXPECT_EQ(settingsFileLines(r), settingsFileLines(s));
    EXPECT_EQ(r.sampleTextJapanese, u"a,b \"c\" 'd'");
    EXPECT_TRUE(readRaw(dir).contains("\r\n-3 \r\n"));
}

TEST(SettingsFile, ReadsShiftJisAndLfFiles)
{
    QTemporaryDir dir;
    QByteArray sjis = fileWithLine(13, "@@");
    sjis.replace("@@", cp932::encodeBytes(u"日本語サンプル"_qs));
    sjis.replace("\r\n", "\n");
    writeRaw(dir, sjis);
    const AppSettings s = applySettingsLines(loadSettings(dir.path()));
    EXPECT_EQ(s.sampleTextJapanese, u"日本語サンプル");
    EXPECT_EQ(s.previewSize, 32);
}

TEST(SettingsFile, BadFilesFallBackWithoutLosingTheRest)
{
    QTemporaryDir dir;
    // Short file: what is there is used, missing lines take their defaults.
    writeRaw(dir, "TypecaskVer2.01\r\nTrue\r\n 0 \r\n");
    AppSettings s = applySettingsLines(loadSettings(dir.path()));
    EXPECT_TRUE(s.allFontTypes);
    EXPECT_EQ(s.categories[0], 0);
    EXPECT_EQ(s.categories[1], 1);
    EXPECT_EQ(s.previewSize, 32);
    EXPECT_EQ(s.sampleTextWestern, u"AaBbCcDdEeXxYyZz12345");

    // Binary garbage: the lines are read by the same rules and nothing crashes.
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 37) & 0xFF));
    writeRaw(dir, garbage);
    s = applySettingsLines(loadSettings(dir.path()));
    EXPECT_GE(s.previewSize, 8);
    EXPECT_LE(s.previewSize, 72);

    // One 10 MB line: it is line 0, every other line takes its default.
    writeRaw(dir, QByteArray(10 * 1024 * 1024, 'x'));
    s = applySettingsLines(loadSettings(dir.path()));
    EXPECT_EQ(settingsFileLines(s), settingsFileLines(AppSettings{}));
}

TEST(SettingsFile, UnwritableFolderFailsQuietly)
{
    // Even root cannot create files here.
    EXPECT_FALSE(saveSettings(u"/proc/typecask-test"_qs, AppSettings{}));
}

TEST(SettingsFile, UnwritableFolderKeepsTheOldFile)
{
    QTemporaryDir dir;
    writeRaw(dir, "old\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile(dir.filePath(u"probe"_qs)).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore permissions";
    EXPECT_FALSE(saveSettings(dir.path(), AppSettings{}));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readRaw(dir), QByteArray("old\r\n"));
}

namespace {

AppSettings loadFixture(const QTemporaryDir& dir, const QString& name)
{
    writeRaw(dir, fixture(u"settings/"_qs + name));
    return applySettingsLines(loadSettings(dir.path()));
}

} // namespace

TEST(SettingsFile, FixturesFromEveryKindOfWriter)
{
    QTemporaryDir dir;
    EXPECT_EQ(settingsFileLines(loadFixture(dir, u"defaults_crlf.ini"_qs)), settingsFileLines(AppSettings{}));

    const AppSettings windows = loadFixture(dir, u"windows_cp932_lf.ini"_qs);
    EXPECT_TRUE(windows.allFontTypes);
    EXPECT_EQ(windows.previewSize, 48);
    EXPECT_EQ(windows.sampleTextJapanese, u"日本語サンプル～①");
    EXPECT_EQ(windows.sampleTextSymbol, u"＠＃＄");

    // A byte order mark, lone CR line ends and a short file: the first 8 lines, then defaults.
    writeRaw(dir, fixture(u"settings/bom_cr_short.ini"_qs));
    const SettingsLines lines = loadSettings(dir.path());
    EXPECT_EQ(lines[0], u"TypecaskVer2.01"_qs);
    EXPECT_EQ(lines[7], u" 1 "_qs);
    EXPECT_FALSE(lines[8]);
}

TEST(SettingsFile, OneStrayByteGarblesOnlyItsOwnLine)
{
    QTemporaryDir dir;
    const AppSettings s = loadFixture(dir, u"stray_byte_line15.ini"_qs);
    EXPECT_EQ(s.sampleTextJapanese, u"IPA明朝で表示");
    EXPECT_EQ(s.sampleTextSymbol, u"stray ｵ byte"); // B5 is a half-width katakana in code page 932
    // Saved back in UTF-8, and read back the same.
    ASSERT_TRUE(saveSettings(dir.path(), s));
    EXPECT_TRUE(readRaw(dir).contains(u"IPA明朝で表示"_qs.toUtf8()));
    EXPECT_EQ(settingsFileLines(applySettingsLines(loadSettings(dir.path()))), settingsFileLines(s));
}

TEST(SettingsFile, AFifoInPlaceOfTheFileReadsAsMissingAndIsNotReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(makeFifo(dir.filePath(u"Typecask.ini"_qs)));
    ::alarm(30); // start-up used to block here for ever
    const AppSettings s = applySettingsLines(loadSettings(dir.path()));
    ::alarm(0);
    EXPECT_EQ(settingsFileLines(s), settingsFileLines(AppSettings{}));
    const SaveResult saved = saveSettings(dir.path(), s);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.path, dir.filePath(u"Typecask.ini"_qs));
    EXPECT_FALSE(saved.error.isEmpty());
}

TEST(SettingsFile, AFullDiskKeepsTheOldFileAndTheSaveSaysSo)
{
    const TmpfsRun run = onSmallTmpfs(64 * 1024, [](const QString& folder) {
        const QString path = folder + u"/Typecask.ini"_qs;
        TYPECASK_CHILD_CHECK(writeFile(path, fixture(u"settings/windows_cp932_lf.ini"_qs)));
        TYPECASK_CHILD_CHECK(fillFileSystem(folder, 0));
        const SaveResult saved = saveSettings(folder, AppSettings{});
        TYPECASK_CHILD_CHECK(!saved);
        TYPECASK_CHILD_CHECK(saved.error == u"ディスクの空き容量が足りません");
        TYPECASK_CHILD_CHECK(readFile(path) == fixture(u"settings/windows_cp932_lf.ini"_qs));
        return true;
    });
    if (run == TmpfsRun::Unsupported)
        GTEST_SKIP() << "no small file system can be mounted here";
    EXPECT_EQ(run, TmpfsRun::Passed);
}
