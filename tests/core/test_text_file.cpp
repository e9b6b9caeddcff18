#include "core/text_file.h"

#include "core/cp932.h"
#include "fakes/file_faults.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;
using namespace typecask::test;

namespace {

constexpr ReadLimits Plenty{1000, 4096};

QStringList readBytes(const QByteArray& bytes, ReadLimits limits = Plenty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f"_qs);
    EXPECT_TRUE(writeFile(path, bytes));
    return readTextLines(path, limits).value_or(QStringList{u"(missing)"_qs});
}

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
}

} // namespace

TEST(TextFile, LineEndsAndByteOrderMark)
{
    EXPECT_EQ(readBytes("a\r\nb\nc\rd"), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
    EXPECT_EQ(readBytes("a\r\n"), QStringList{u"a"_qs});
    EXPECT_EQ(readBytes("\r\n"), QStringList{QString()});
    EXPECT_EQ(readBytes("\r\r\n"), (QStringList{QString(), QString()}));
    EXPECT_EQ(readBytes("a\r\n\r\nb"), (QStringList{u"a"_qs, QString(), u"b"_qs}));
    EXPECT_EQ(readBytes(""), QStringList{});
    EXPECT_EQ(readBytes("\xEF\xBB\xBF"), QStringList{});
    EXPECT_EQ(readBytes("\xEF\xBB\xBFx\r\n"), QStringList{u"x"_qs});
    EXPECT_EQ(readBytes("1\n2\n3\n", {2, 10}), (QStringList{u"1"_qs, u"2"_qs}));

    // A CR LF split between two reads of the file is still one line end.
    QByteArray split(64 * 1024 - 1, 'x');
    split += "\r\ny";
    EXPECT_EQ(readBytes(split, {10, 128 * 1024}), (QStringList{QString(64 * 1024 - 1, u'x'), u"y"_qs}));
}

TEST(TextFile, EncodingIsDecidedLineByLine)
{
    // UTF-8 names, one Latin-1 line and one code page 932 line: each line reads on its own.
    const QStringList lines = readBytes(fixture(u"favorites/mixed_encodings.lst"_qs));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], u"IPA明朝");
    EXPECT_EQ(lines[1], u"Caf\uFFFD Sans"); // E9 20 is no code page 932 character
    EXPECT_EQ(lines[2], u"ＭＳ ゴシック");
    EXPECT_EQ(lines[3], u"DejaVu Sans");

    // Only the file's first bytes are a byte order mark; a U+FEFF anywhere else is text.
    EXPECT_EQ(readBytes("a\r\n\xEF\xBB\xBF"
                        "b"),
              (QStringList{u"a"_qs, u"\uFEFFb"_qs}));
    EXPECT_EQ(readBytes("\xEF\xBB\xBF\xEF\xBB\xBF"
                        "b"),
              QStringList{u"\uFEFFb"_qs});
}

TEST(TextFile, LongLinesAreCutAtACharacterAndReadBackWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f"_qs);
    const ReadLimits limits{5, 10};
    // UTF-8 cut inside the fourth character: three whole characters, not mojibake.
    EXPECT_EQ(readBytes(u"日日日日\r\nnext"_qs.toUtf8(), limits), (QStringList{u"日日日"_qs, u"next"_qs}));
    // Code page 932 grows in UTF-8: the line is cut so that its UTF-8 form fits.
    EXPECT_EQ(readBytes(cp932::encodeBytes(u"日日日日日日"_qs) + "\nx", limits),
              (QStringList{u"日日日"_qs, u"x"_qs}));
    EXPECT_EQ(readBytes("\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80", limits),
              QStringList{u"😀😀"_qs}); // a pair is never split

    const QStringList cut = readBytes(cp932::encodeBytes(u"ｱｲｳｴｵｶｷｸｹｺ"_qs) + "\n\xFF\xFF\xFF\xFF\n", limits);
    ASSERT_TRUE(writeTextLines(path, cut));
    EXPECT_EQ(readTextLines(path, limits).value(), cut);
}

TEST(TextFile, SpecialFilesAreNeverRead)
{
    QTemporaryDir dir;
    ::alarm(30); // a blocking open would otherwise hang the test run
    const QString fifo = dir.filePath(u"fifo"_qs);
    ASSERT_TRUE(makeFifo(fifo));
    EXPECT_FALSE(readTextLines(fifo, Plenty));
    const QString zero = dir.filePath(u"zero"_qs);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_qs, zero));
    EXPECT_FALSE(readTextLines(zero, Plenty));
    EXPECT_FALSE(readTextLines(dir.path(), Plenty));
    EXPECT_FALSE(readTextLines(dir.filePath(u"missing"_qs), Plenty));
    ::alarm(0);
}

TEST(TextFile, AHugeFileCostsNoMoreThanTheLinesUsed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"huge"_qs);
    ASSERT_TRUE(makeSparseFile(path, 100LL * 1024 * 1024)); // one 100 MB line
    const long before = peakMemoryKiB();
    const auto lines = readTextLines(path, {16, 64 * 1024});
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1);
    EXPECT_EQ(lines->first().size(), 64 * 1024);
    EXPECT_LT(peakMemoryKiB() - before, 16 * 1024);
}

TEST(TextFile, WriteIsCrLfUtf8AndKeepsALeadingFeff)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sub/f.txt"_qs);
    ASSERT_TRUE(writeTextLines(path, {u"日本"_qs, QString(), u"x"_qs}));
    EXPECT_EQ(readFile(path), QByteArray("\xE6\x97\xA5\xE6\x9C\xAC\r\n\r\nx\r\n"));
    EXPECT_EQ(readTextLines(path, Plenty).value(), (QStringList{u"日本"_qs, QString(), u"x"_qs}));

    // A first line that begins with U+FEFF is preceded by a byte order mark, so the next read keeps it.
    const QStringList feff{u"\uFEFFa"_qs, u"\uFEFFb"_qs};
    ASSERT_TRUE(writeTextLines(path, feff));
    EXPECT_TRUE(readFile(path).startsWith("\xEF\xBB\xBF\xEF\xBB\xBF"
                                          "a\r\n"));
    EXPECT_EQ(readTextLines(path, Plenty).value(), feff);
}

TEST(TextFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f"_qs);
    ASSERT_TRUE(writeFile(path, "old\r\n"));
    SaveResult result;
    {
        const FileSizeLimit limit(1000);
        result = writeTextLines(path, QStringList(500, u"0123456789"_qs));
    }
    EXPECT_FALSE(result);
    EXPECT_EQ(result.path, path);
    EXPECT_EQ(result.error, u"ファイルが大きすぎます");
    EXPECT_EQ(readFile(path), QByteArray("old\r\n"));
    EXPECT_EQ(filesIn(dir), QStringList{u"f"_qs}); // no temporary file left behind
}

TEST(TextFile, SaveRefusesSpecialFilesAndWritesThroughLinks)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"fifo"_qs);
    ASSERT_TRUE(makeFifo(fifo));
    const SaveResult result = writeTextLines(fifo, {u"x"_qs});
    EXPECT_EQ(result.error, u"通常のファイルではありません");
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());

    const QString real = dir.filePath(u"real"_qs);
    const QString link = dir.filePath(u"link"_qs);
    ASSERT_TRUE(writeFile(real, "old\r\n"));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(writeTextLines(link, {u"new"_qs}));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(real), QByteArray("new\r\n"));
}
