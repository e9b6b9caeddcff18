#include "core/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;

TEST(TextFile, LineEnds)
{
    EXPECT_EQ(splitLines(u"a\r\nb\nc\rd"_qs), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
    EXPECT_EQ(splitLines(u"a\r\n"_qs), QStringList{u"a"_qs});
    EXPECT_EQ(splitLines(u"\r\n"_qs), QStringList{QString()});
    EXPECT_EQ(splitLines(u"a\r\n\r\nb"_qs), (QStringList{u"a"_qs, QString(), u"b"_qs}));
    EXPECT_EQ(splitLines(QString()), QStringList{});
    EXPECT_EQ(splitLines(u"1\n2\n3\n"_qs, 2), (QStringList{u"1"_qs, u"2"_qs}));
}

TEST(TextFile, WriteIsCrLfUtf8AndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sub/f.txt"_qs);
    ASSERT_TRUE(writeTextLines(path, {u"日本"_qs, QString(), u"x"_qs}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xE6\x97\xA5\xE6\x9C\xAC\r\n\r\nx\r\n"));
    EXPECT_EQ(readTextLines(path).value(), (QStringList{u"日本"_qs, QString(), u"x"_qs}));
    EXPECT_FALSE(readTextLines(dir.filePath(u"missing"_qs)).has_value());
}
