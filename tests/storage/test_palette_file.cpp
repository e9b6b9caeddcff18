#include "storage/palette_file.h"

#include "fakes/file_faults.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;
using namespace typecask::test;

namespace {

QByteArray readRaw(const QTemporaryDir& dir)
{
    QFile f(dir.filePath(u"Color.dat"_qs));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QTemporaryDir& dir, const QByteArray& bytes)
{
    QFile f(dir.filePath(u"Color.dat"_qs));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray whiteFile()
{
    QByteArray bytes;
    for (int i = 0; i < 16; ++i)
        bytes += "\r\n";
    for (int i = 0; i < 68; ++i)
        bytes += " 16777215 \r\n";
    return bytes;
}

} // namespace

TEST(PaletteFile, MissingFileGivesWhitePalettesAndEmptyLinesAndSavesAsSuch)
{
    QTemporaryDir dir;
    const PaletteFileContents c = loadPaletteFile(dir.path());
    EXPECT_EQ(c.characterLines, QStringList(16, QString()));
    EXPECT_EQ(c.palettes, PaletteTable());
    EXPECT_EQ(c.palettes.at(3, 16), PaletteWhite);
    ASSERT_TRUE(savePaletteFile(dir.path(), c));
    EXPECT_EQ(readRaw(dir), whiteFile());
}

TEST(PaletteFile, CellPositionsCharacterLinesAndHiddenCellSurviveRoundTrips)
{
    QTemporaryDir dir;
    PaletteFileContents c = loadPaletteFile(dir.path());
    for (int i = 0; i < 16; ++i)
        c.characterLines[i] = u" "_qs + QString::number(i * 1000) + u" "_qs;
    c.characterLines[3] = u"255"_qs; // not in the program's own form: kept as it is
    c.palettes.at(2, 5) = 0x0080FF;
    for (int p = 0; p < PaletteCount; ++p)
        c.palettes.at(p, 16) = 1000 + p;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(savePaletteFile(dir.path(), c));
        EXPECT_EQ(loadPaletteFile(dir.path()).palettes, c.palettes);
        EXPECT_EQ(loadPaletteFile(dir.path()).characterLines, c.characterLines);
    }
    const QList<QByteArray> lines = readRaw(dir).split('\n');
    ASSERT_EQ(lines.size(), 85); // 84 lines and what follows the last line end
    EXPECT_EQ(paletteLine(2, 5), 56);
    EXPECT_EQ(lines[56 - 1], QByteArray(" 33023 \r"));
    EXPECT_EQ(lines[33 - 1], QByteArray(" 1000 \r"));
    EXPECT_EQ(lines[84 - 1], QByteArray(" 1003 \r"));
    EXPECT_EQ(lines[4 - 1], QByteArray("255\r"));
}

TEST(PaletteFile, ShortGarbageAndForeignFilesKeepDefaultsWhereLinesAreMissingOrUnreadable)
{
    QTemporaryDir dir;
    // 16 character lines, then palette 1 cells 0-3: a number, blanks around, garbage, empty.
    QByteArray bytes = "1\n2\n\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n";
    bytes += "255\n   65280   \nabc\n\n-1";
    writeRaw(dir, bytes);
    const PaletteFileContents c = loadPaletteFile(dir.path());
    EXPECT_EQ(c.characterLines[2], QString());
    EXPECT_EQ(c.characterLines[15], u"16");
    EXPECT_EQ(c.palettes.at(0, 0), 255);
    EXPECT_EQ(c.palettes.at(0, 1), 65280);
    EXPECT_EQ(c.palettes.at(0, 2), PaletteWhite);
    EXPECT_EQ(c.palettes.at(0, 3), PaletteWhite);
    EXPECT_EQ(c.palettes.at(0, 4), -1);
    EXPECT_EQ(c.palettes.at(0, 5), PaletteWhite);
    EXPECT_EQ(c.palettes.at(3, 16), PaletteWhite);

    // Binary junk: nothing readable, but the load still succeeds with the defaults.
    writeRaw(dir, QByteArray("\x00\xff\xfe\x81", 4));
    EXPECT_EQ(loadPaletteFile(dir.path()).palettes, PaletteTable());
    EXPECT_EQ(loadPaletteFile(dir.path()).characterLines.size(), 16);
}

TEST(PaletteFile, ValuesAreWrittenWithASignPlaceAndReadStrictly)
{
    EXPECT_EQ(formatPaletteValue(16777215), u" 16777215 ");
    EXPECT_EQ(formatPaletteValue(0), u" 0 ");
    EXPECT_EQ(formatPaletteValue(-1), u"-1 ");
    EXPECT_EQ(parsePaletteValue(u"\t 42 "_qs), 42);
    EXPECT_EQ(parsePaletteValue(u"-2147483648"_qs), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(parsePaletteValue(u"2147483648"_qs));
    EXPECT_FALSE(parsePaletteValue(u"12abc"_qs));
    EXPECT_FALSE(parsePaletteValue(u"1 2"_qs));
    EXPECT_FALSE(parsePaletteValue(u"-"_qs));
    EXPECT_EQ(characterColourFromLine(QString()), 0);
    EXPECT_EQ(characterColourFromLine(u" 255 "_qs), 255);
}

TEST(PaletteFile, FailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    // A program folder that is a file cannot be written in, whoever runs the test.
    writeRaw(dir, "old\r\n");
    EXPECT_FALSE(savePaletteFile(dir.filePath(u"Color.dat"_qs), PaletteFileContents{}));
    EXPECT_EQ(readRaw(dir), QByteArray("old\r\n"));
}

TEST(PaletteFile, Fixtures)
{
    QTemporaryDir dir;
    writeRaw(dir, fixture(u"palette/picker_first_run.dat"_qs));
    EXPECT_EQ(loadPaletteFile(dir.path()).palettes, PaletteTable());
    EXPECT_EQ(loadPaletteFile(dir.path()).characterLines, QStringList(16, QString()));

    writeRaw(dir, fixture(u"palette/random_maker_lf.dat"_qs));
    PaletteFileContents c = loadPaletteFile(dir.path());
    EXPECT_EQ(characterColourFromLine(c.characterLines[15]), 15 * 4111);
    EXPECT_EQ(c.palettes.at(3, 15), (3 * 17 + 15) * 99991 % 16777216);
    EXPECT_EQ(c.palettes.at(2, 16), -1);

    // A byte order mark, code page 932 text among the character lines, garbage, a short file.
    writeRaw(dir, fixture(u"palette/short_garbage_bom.dat"_qs));
    c = loadPaletteFile(dir.path());
    EXPECT_EQ(characterColourFromLine(c.characterLines[0]), 255);
    EXPECT_EQ(c.characterLines[1], u"赤");
    EXPECT_EQ(c.characterLines[5], u" 99999999999 ");
    EXPECT_EQ(c.palettes, PaletteTable());
}

TEST(PaletteFile, ALeadingFeffOnLineOneSurvivesTheSave)
{
    QTemporaryDir dir;
    PaletteFileContents c = loadPaletteFile(dir.path());
    c.characterLines[0] = u"\uFEFF 255 "_qs;
    ASSERT_TRUE(savePaletteFile(dir.path(), c));
    EXPECT_EQ(loadPaletteFile(dir.path()).characterLines, c.characterLines);
}

TEST(PaletteFile, ALinkToADeviceReadsAsMissing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(u"/dev/zero"_qs, dir.filePath(u"Color.dat"_qs)));
    ::alarm(30); // opening the colour picker used to read until memory ran out
    const PaletteFileContents c = loadPaletteFile(dir.path());
    ::alarm(0);
    EXPECT_EQ(c.palettes, PaletteTable());
    EXPECT_EQ(c.characterLines, QStringList(16, QString()));
    EXPECT_FALSE(savePaletteFile(dir.path(), c));
}
