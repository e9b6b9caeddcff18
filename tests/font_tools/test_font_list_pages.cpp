// The HTML font list pages: the page count rule, the exact bytes of a page, and the files.
#include "font_tools/font_list_pages.h"

#include "export/html_tag.h"
#include "fakes/file_faults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

using namespace typecask;
using namespace typecask::test;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QStringList fonts(int n)
{
    QStringList names;
    for (int i = 0; i < n; ++i)
        names.append(u"Font %1"_qs.arg(i, 3, 10, QChar(u'0')));
    return names;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The rows of a page: the names of its name cells.
QStringList rowNames(const QByteArray& page)
{
    QStringList names;
    for (const QByteArray& line : page.split('\n'))
        if (line.startsWith("<TD><FONT") && !line.contains("FACE="))
            names.append(QString::fromUtf8(line.mid(line.indexOf('>', 5) + 1).split('<').first()));
    return names;
}

TEST(FontListPages, PageCount)
{
    const struct
    {
        const char* perPage;
        qsizetype fonts;
        const char* pages;
    } cases[] = {
        {"ALL", 123, "1"},    {"ALL", 0, "1"},     {"10", 25, "3"},    {"10", 30, "3"},
        {"100", 30, "1"},     {"10", 0, "??????"}, {"0", 5, "??????"}, {"-3", 5, "??????"},
        {"abc", 5, "??????"}, {"", 5, "??????"},   {" 12 ", 25, "3"},  {"12.7", 25, "3"},
        {"all", 5, "??????"}, {"99999", 5, "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fontListPageCount(QString::fromUtf8(c.perPage), c.fonts), QString::fromUtf8(c.pages))
            << c.perPage << " " << c.fonts;
    EXPECT_EQ(FontsPerPage(u"99999"_qs, 5), 99999);
    EXPECT_EQ(FontsPerPage(u"ALL"_qs, 7), 7);
}

TEST(FontListPages, ExactPageBytes)
{
    FontListStyle style;
    style.size = u"4"_qs;
    style.textColour = u"#FF0000"_qs;
    style.backColour = u"#FFFFCC"_qs;
    style.sample = u"あA"_qs;
    const QByteArray expected = "\xEF\xBB\xBF<HTML>\r\n"
                                "<HEAD><TITLE>FONT LIST2</TITLE></HEAD>\r\n"
                                "<BODY BGCOLOR=#FFFFCC>\r\n"
                                "<CENTER><TABLE CELLSPACING=0 BORDER=1 width=95%>\r\n"
                                "<TR>\r\n"
                                "<TD><FONT SIZE=\"4\" COLOR=\"#FF0000\">C</FONT></TD>\r\n"
                                "<TD><FONT SIZE=\"4\" COLOR=\"#FF0000\" FACE=\"C\">\xE3\x81\x82"
                                "A</FONT></TD>\r\n"
                                "</TR>\r\n"
                                "</TABLE></CENTER>\r\n"
                                "<A HREF=\"FontList1.Html\">FontList1</A>\r\n"
                                "<A HREF=\"FontList2.Html\">FontList2</A>\r\n"
                                "</BODY></HTML>\r\n";
    EXPECT_EQ(fontListPageHtml({u"A"_qs, u"B"_qs, u"C"_qs}, 2, 2, 2, style), expected);
}

TEST(FontListPages, StyleCellsInOrderAndNamesEscaped)
{
    FontListStyle style;
    style.sample = u"<b>x</b>"_qs; // the user's own markup stays
    style.italic = style.bold = style.boldItalic = true;
    const QByteArray page = fontListPageHtml({u"A&B <C>"_qs}, 1, 1, 1, style);
    const QByteArray face = R"(<FONT SIZE="3" COLOR="#000000" FACE="A&amp;B &lt;C&gt;"><b>x</b></FONT>)";
    const QByteArray row =
        "<TR>\r\n<TD><FONT SIZE=\"3\" COLOR=\"#000000\">A&amp;B &lt;C&gt;</FONT></TD>\r\n<TD>" + face +
        "</TD>\r\n<TD><I>" + face + "</I></TD>\r\n<TD><B>" + face + "</B></TD>\r\n<TD><B><I>" + face +
        "</I></B></TD>\r\n</TR>\r\n";
    EXPECT_TRUE(page.contains(row)) << page.toStdString();
    EXPECT_EQ(page.count("<TD>"), 5);
    EXPECT_EQ(escapeHtml(u"\"Q\" & 'A'"_qs), u"&quot;Q&quot; &amp; 'A'");
    style.italic = style.bold = style.boldItalic = false;
    EXPECT_EQ(fontListPageHtml({u"A"_qs}, 1, 1, 1, style).count("<TD>"), 2);
}

TEST(FontListPages, PagesSplitTheListAndLinkEveryPage)
{
    QTemporaryDir dir;
    const QString folder = fontListFolder(dir.path());
    const QStringList names = fonts(25);
    QList<qsizetype> progress;
    const FontListWriteResult r =
        writeFontListPages(folder, names, 10, {}, [&progress](qsizetype i) { progress.append(i); });
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.written, (QStringList{folder + u"/FontList1.Html"_qs, folder + u"/FontList2.Html"_qs,
                                      folder + u"/FontList3.Html"_qs}));
    EXPECT_EQ(progress.size(), 25);
    EXPECT_EQ(rowNames(fileBytes(r.written[2])), names.mid(20));
    EXPECT_EQ(rowNames(fileBytes(r.written[0])), names.mid(0, 10));
    for (const QString& page : r.written)
        for (int k = 1; k <= 3; ++k)
            EXPECT_TRUE(fileBytes(page).contains(
                QByteArray("<A HREF=\"FontList" + QByteArray::number(k) + ".Html\">")));

    // 30 by 10 is three pages; a later, shorter run leaves the higher pages of an earlier one.
    EXPECT_EQ(writeFontListPages(folder, fonts(30), 10, {}).written.size(), 3);
    EXPECT_EQ(writeFontListPages(folder, fonts(12), 10, {}).written.size(), 2);
    EXPECT_TRUE(QFile::exists(folder + u"/FontList3.Html"_qs));
    EXPECT_EQ(rowNames(fileBytes(folder + u"/FontList2.Html"_qs)), fonts(12).mid(10));
}

TEST(FontListPages, AllOnOnePageAndAnEmptyList)
{
    QTemporaryDir dir;
    FontListWriteResult r = writeFontListPages(dir.path(), fonts(123), 123, {});
    ASSERT_EQ(r.written.size(), 1);
    QByteArray page = fileBytes(r.written[0]);
    EXPECT_EQ(rowNames(page).size(), 123);
    EXPECT_EQ(page.count("<A HREF="), 1);
    EXPECT_TRUE(page.contains("<A HREF=\"FontList1.Html\">FontList1</A>\r\n"));

    r = writeFontListPages(dir.path(), {}, 0, {});
    ASSERT_EQ(r.written.size(), 1);
    page = fileBytes(r.written[0]);
    EXPECT_TRUE(page.contains("width=95%>\r\n</TABLE></CENTER>\r\n"));
    EXPECT_FALSE(page.contains("<TR>"));
}

TEST(FontListPages, FoldersAndPagesThatCannotBeWritten)
{
    QTemporaryDir dir;
    // A file named List in the way of the folder.
    QFile blocker(dir.filePath(u"List"_qs));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FontListWriteResult r = writeFontListPages(fontListFolder(dir.path()), fonts(3), 1, {});
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(dir.filePath(u"List"_qs)));
    EXPECT_TRUE(r.written.isEmpty());

    // A page whose name a folder holds: the pages before it are written, the error names it.
    const QString folder = dir.filePath(u"pages"_qs);
    ASSERT_TRUE(QDir().mkpath(folder + u"/FontList2.Html"_qs));
    r = writeFontListPages(folder, fonts(3), 1, {});
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(u"FontList2.Html"_qs));
    EXPECT_EQ(r.written, QStringList{folder + u"/FontList1.Html"_qs});
}

TEST(FontListPages, PagesAreReplacedWholeKeepingTheirModeAndSayWhenALinkIsSeparated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFontListPages(dir.path(), fonts(2), 1, {}).ok());
    const QString first = dir.filePath(u"FontList1.Html"_qs);
    const QString second = dir.filePath(u"FontList2.Html"_qs);
    ASSERT_EQ(::chmod(QFile::encodeName(first).constData(), 0640), 0);
    const QString linked = dir.filePath(u"published.html"_qs);
    ASSERT_EQ(::link(QFile::encodeName(second).constData(), QFile::encodeName(linked).constData()), 0);
    const QByteArray old = fileBytes(second);

    const FontListWriteResult r = writeFontListPages(dir.path(), {u"New A"_qs, u"New B"_qs}, 1, {});
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(first).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // The link's other name keeps the old page, and the result says which page that was.
    EXPECT_EQ(rowNames(fileBytes(second)), QStringList{u"New B"_qs});
    EXPECT_EQ(fileBytes(linked), old);
    EXPECT_EQ(r.linksSeparated, QStringList{second});
    EXPECT_TRUE(fontListLinksMessage(r.linksSeparated).contains(second));
    EXPECT_TRUE(QDir(dir.path()).entryList({u"*.Html.*"_qs}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST(FontListPages, AFullDiskLeavesTheOldPage)
{
    const TmpfsRun run = onSmallTmpfs(64 * 1024, [](const QString& folder) {
        TYPECASK_CHILD_CHECK(writeFontListPages(folder, fonts(3), 3, {}).ok());
        const QByteArray old = readFile(folder + u"/FontList1.Html"_qs);
        TYPECASK_CHILD_CHECK(fillFileSystem(folder, 4096));
        const FontListWriteResult r = writeFontListPages(folder, fonts(300), 300, {});
        TYPECASK_CHILD_CHECK(!r.ok());
        TYPECASK_CHILD_CHECK(r.error.contains(u"ディスクの空き容量が足りません"_qs));
        TYPECASK_CHILD_CHECK(readFile(folder + u"/FontList1.Html"_qs) == old);
        return true;
    });
    if (run == TmpfsRun::Unsupported)
        GTEST_SKIP() << "no small file system can be mounted here";
    EXPECT_EQ(run, TmpfsRun::Passed);
}

TEST(FontListPages, ProgressNeverReachesAHundred)
{
    EXPECT_EQ(fontListProgress(0, 25), u"0%");
    EXPECT_EQ(fontListProgress(24, 25), u"96%");
    EXPECT_EQ(fontListProgress(29, 100), u"29%");
    EXPECT_EQ(fontListProgress(0, 0), u"0%");
}

} // namespace
