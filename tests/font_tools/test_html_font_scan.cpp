// The HTML font check's scanners and reader: which names a page yields, in which lists, from
// files in every line-end style and encoding found on a real disk.
#include "font_tools/html_font_scan.h"
#include "font_tools/html_line_reader.h"

#include "fakes/fake_font_source.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

using namespace typecask;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

QString fixture(const char* name)
{
    return qEnvironmentVariable("TYPECASK_TEST_DATA") + u"/html/"_qs + QString::fromUtf8(name);
}

class FontCheck : public ::testing::Test
{
protected:
    FontCheck()
    {
        source.add(u"DejaVu Sans"_qs, 0, 4)
            .add(u"DejaVu Serif"_qs, 0, 4)
            .add(u"IPAゴシック"_qs, 128, 4)
            .add(u"IPA明朝"_qs, 128, 4)
            .add(u"Fixed"_qs, 0, 1);
        catalog = fakes::catalogOf(source);
    }

    // What a page of these bytes yields, read as a file.
    HtmlReadResult read(const QByteArray& content, const char* name = "page.html")
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        return check.readFile(path);
    }

    fakes::FakeFontSource source;
    FontCatalog catalog;
    HtmlFontCheck check{catalog};
    QTemporaryDir dir;
};

struct LineCase
{
    QByteArray line;
    QStringList found;
    QStringList missing;
};

TEST_F(FontCheck, NamesOfOneLine)
{
    const QString kilo(MaxFontNameBytes, u'a');
    const LineCase cases[] = {
        // A quoted FACE with two names: the second loses its one leading space.
        {R"(<font face="DejaVu Sans, IPAゴシック">x</font>)", {u"DejaVu Sans"_qs, u"IPAゴシック"_qs}, {}},
        // Only one leading space goes.
        {R"(<font face="  DejaVu Sans">)", {}, {u" DejaVu Sans"_qs}},
        // Spaces around "=" are allowed; a colon is not an "=".
        {R"(<font face  =   "DejaVu Serif">)", {u"DejaVu Serif"_qs}, {}},
        {R"(<font face:"DejaVu Serif">)", {}, {}},
        // An unquoted value runs to ">", another attribute included.
        {"<font face=DejaVu Sans size=3>", {}, {u"DejaVu Sans size=3"_qs}},
        // Four names give three; empty parts give none.
        {R"(<font face="A,B,C,D">)", {}, {u"A"_qs, u"B"_qs, u"C"_qs}},
        {R"(<font face="A,,B">)", {}, {u"A"_qs, u"B"_qs}},
        // Names compare exactly; the key matches in any case and at the end of a longer name.
        {R"(<font face="dejavu sans">)", {}, {u"dejavu sans"_qs}},
        {R"(<FONT FACE="Fixed"><x typeface="DejaVu Serif">)", {u"Fixed"_qs, u"DejaVu Serif"_qs}, {}},
        // A key inside a value counts when an "=" follows it.
        {R"(<font face="x face=DejaVu Sans>">)", {u"DejaVu Sans"_qs}, {}},
        // Markup or entity characters drop the whole value.
        {R"(<font face="Fixed, A&amp;B">)", {}, {}},
        // A value with no closing quote runs to ">", with neither to the end of the line.
        {R"(<font face="Fixed)", {u"Fixed"_qs}, {}},
        // font-family: ended by ";", by a quote, starting with a quote, in upper case.
        {"p { font-family:DejaVu Serif; }", {u"DejaVu Serif"_qs}, {}},
        {R"(<p style="font-family:Fixed">)", {u"Fixed"_qs}, {}},
        {R"(p { font-family: "DejaVu Serif"; })", {}, {}},
        {"P { FONT-FAMILY:DejaVu Serif; }", {}, {}},
        {"p { font-family : DejaVu Serif; }", {}, {}},
        // Running to the end of the line, its last character included.
        {"h1 { font-family:Tail Font", {}, {u"Tail Font"_qs}},
        // FACE values are filed before font-family values.
        {R"(<p style="font-family:Fixed"><font face="Zeta">)", {u"Fixed"_qs}, {u"Zeta"_qs}},
        // A name longer than any font name is dropped; one just as long is kept.
        {"p { font-family:" + kilo.toUtf8() + "a; }", {}, {}},
        {"p { font-family:" + kilo.toUtf8() + "; }", {}, {kilo}},
        // In a page marked UTF-8, bytes that are not UTF-8 read as U+FFFD: the name as read
        // counts. 342 such bytes make 1,026 bytes; 341 make 1,023.
        {"\xEF\xBB\xBFp { font-family:" + QByteArray(342, '\xCF') + "; }", {}, {}},
        {"\xEF\xBB\xBFp { font-family:" + QByteArray(341, '\xCF') + "; }", {}, {QString(341, QChar(0xFFFD))}},
    };
    for (const LineCase& c : cases) {
        HtmlFontCheck one(catalog);
        const QString path = dir.filePath(u"line.html"_qs);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.line);
        f.close();
        EXPECT_EQ(one.readFile(path).status, HtmlReadResult::Status::Read);
        EXPECT_EQ(one.found(), c.found) << c.line.toStdString();
        EXPECT_EQ(one.missing(), c.missing) << c.line.toStdString();
    }
}

TEST_F(FontCheck, FindEqualsSignAllowsOnlySpaces)
{
    EXPECT_EQ(findEqualsSign("face  = x", 4), 6);
    EXPECT_EQ(findEqualsSign("face\t= x", 4), -1);
    EXPECT_EQ(findEqualsSign("face   ", 4), -1);
    EXPECT_EQ(findEqualsSign("face", 4), -1);
}

TEST_F(FontCheck, EveryLineEndStyleGivesTheSameNames)
{
    const QStringList found{u"DejaVu Serif"_qs, u"IPAゴシック"_qs, u"DejaVu Sans"_qs};
    for (const char* name : {"lf.html", "cr.htm", "crlf.html"}) {
        HtmlFontCheck one(catalog);
        const HtmlReadResult r = one.readFile(fixture(name));
        EXPECT_EQ(r.status, HtmlReadResult::Status::Read) << name;
        EXPECT_EQ(r.lines, 5) << name;
        EXPECT_EQ(one.found(), found) << name;
        // The open value of line 2 ends with its line, not at the ";" of the next one.
        EXPECT_EQ(one.missing(), QStringList{u"Open Tail"_qs}) << name;
    }
}

struct EncodingCase
{
    const char* file;
    const char* encoding;
    QStringList found;
    QStringList missing;
};

TEST_F(FontCheck, EncodingsAreDetected)
{
    const EncodingCase cases[] = {
        {"bom.html", "UTF-8", {u"IPAゴシック"_qs, u"Fixed"_qs}, {u"欠けた書体"_qs}},
        {"cp932.html", "CP932", {u"IPAゴシック"_qs}, {u"ＭＳ Ｐゴシック"_qs, u"ＭＳ 明朝"_qs}},
        {"cp932_late.html", "CP932", {}, {u"Early Name"_qs, u"遅い書体"_qs}},
        {"meta_eucjp.html", "EUC-JP", {u"IPA明朝"_qs}, {}},
        {"meta_shift_jis.html", "CP932", {}, {u"ソ連書体"_qs, u"マル書体"_qs}},
        {"utf16le.html", "UTF-16LE", {u"IPAゴシック"_qs}, {}},
    };
    for (const EncodingCase& c : cases) {
        HtmlFontCheck one(catalog);
        const HtmlReadResult r = one.readFile(fixture(c.file));
        EXPECT_EQ(r.status, HtmlReadResult::Status::Read) << c.file;
        EXPECT_EQ(r.encoding, QByteArray(c.encoding)) << c.file;
        EXPECT_EQ(one.found(), c.found) << c.file;
        EXPECT_EQ(one.missing(), c.missing) << c.file;
    }
}

TEST_F(FontCheck, ListsGrowOverFilesWithEachNameOnce)
{
    check.readFile(fixture("lf.html"));
    check.readFile(fixture("second.html"));
    check.readFile(fixture("lf.html"));
    EXPECT_EQ(check.found(), (QStringList{u"DejaVu Serif"_qs, u"IPAゴシック"_qs, u"DejaVu Sans"_qs}));
    EXPECT_EQ(check.missing(), (QStringList{u"Open Tail"_qs, u"Missing Font"_qs}));
    check.clear();
    EXPECT_TRUE(check.found().isEmpty());
    check.readFile(fixture("second.html"));
    EXPECT_EQ(check.missing(), (QStringList{u"Open Tail"_qs, u"Missing Font"_qs}));
}

TEST_F(FontCheck, OnlyHtmlPathsAreRead)
{
    EXPECT_TRUE(isHtmlPath(u"a.HTM"_qs));
    EXPECT_TRUE(isHtmlPath(u"a.xhtml"_qs));
    EXPECT_FALSE(isHtmlPath(u"a.txt"_qs));
    EXPECT_FALSE(isHtmlPath(QString()));
    EXPECT_EQ(read("<font face=\"Fixed\">", "page.txt").status, HtmlReadResult::Status::Ignored);
    EXPECT_EQ(check.readFile(QString()).status, HtmlReadResult::Status::Ignored);
    EXPECT_TRUE(check.found().isEmpty());
}

TEST_F(FontCheck, UnreadableFilesFailWithAReasonAndKeepTheLists)
{
    check.readFile(fixture("lf.html"));
    const QStringList found = check.found();

    HtmlReadResult r = check.readFile(dir.filePath(u"none.html"_qs));
    EXPECT_EQ(r.status, HtmlReadResult::Status::Failed);
    EXPECT_EQ(r.error, u"ファイルがありません");

    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.html"_qs));
    r = check.readFile(dir.filePath(u"folder.html"_qs));
    EXPECT_EQ(r.status, HtmlReadResult::Status::Failed);
    EXPECT_EQ(r.error, u"フォルダーです");

    // A FIFO is refused at once instead of blocking the read.
    const QString fifo = dir.filePath(u"fifo.html"_qs);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    r = check.readFile(fifo);
    EXPECT_EQ(r.status, HtmlReadResult::Status::Failed);
    EXPECT_FALSE(r.error.isEmpty());

    if (::geteuid() != 0) { // root reads anything
        const QString locked = dir.filePath(u"locked.html"_qs);
        QFile::copy(fixture("second.html"), locked);
        ::chmod(QFile::encodeName(locked).constData(), 0);
        r = check.readFile(locked);
        EXPECT_EQ(r.status, HtmlReadResult::Status::Failed);
        EXPECT_EQ(r.error, u"読み取る権限がありません");
    }
    EXPECT_EQ(check.found(), found);
}

TEST_F(FontCheck, ProgressEveryHundredLines)
{
    QByteArray page;
    for (int i = 0; i < 250; ++i)
        page += "<p>line</p>\n";
    const QString path = dir.filePath(u"long.html"_qs);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(page);
    f.close();
    QList<qint64> seen;
    const HtmlReadResult r = check.readFile(path, [&seen](qint64 line) { seen.append(line); });
    EXPECT_EQ(r.lines, 250);
    EXPECT_EQ(seen, (QList<qint64>{0, 100, 200}));
}

TEST(HtmlLineReader, SplitsAtEveryLineEndAcrossChunks)
{
    // Lines of every length, a quarter-megabyte one among them so that lines and CR LF pairs
    // straddle the reader's chunks, with random line ends.
    QRandomGenerator random(12);
    QStringList expected;
    QByteArray content;
    for (int i = 0; i < 400; ++i) {
        const int length = i == 150 ? 300000 : static_cast<int>(random.bounded(0, 3000));
        QByteArray line(length, 'x');
        for (int k = 0; k < length; k += 97)
            line[k] = static_cast<char>('a' + random.bounded(26));
        expected.append(QString::fromLatin1(line));
        const char* const ends[] = {"\n", "\r", "\r\n"};
        content += line + ends[random.bounded(3)];
    }
    content += "last line without an end";
    expected.append(u"last line without an end"_qs);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"lines.html"_qs);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    HtmlLineReader reader;
    ASSERT_TRUE(reader.open(path));
    QStringList lines;
    QByteArrayView line;
    while (reader.next(line) == HtmlLineReader::Next::Line)
        lines.append(QString::fromLatin1(line));
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST(HtmlLineReader, CharsetDeclarations)
{
    EXPECT_EQ(declaredCharset("<html><head><meta charset=utf-8></head>"), "utf-8");
    EXPECT_EQ(declaredCharset(R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html;charset=Shift_JIS">)"),
              "Shift_JIS");
    EXPECT_EQ(declaredCharset(R"(<meta content='text/html; charset = "euc-jp"' http-equiv=content-type>)"),
              "euc-jp");
    // Commented out, after the head, or without http-equiv: no declaration.
    EXPECT_EQ(declaredCharset("<!-- <meta charset=euc-jp> --><meta charset=\"sjis\">"), "sjis");
    EXPECT_EQ(declaredCharset("<head></head><body><meta charset=euc-jp>"), "");
    EXPECT_EQ(declaredCharset(R"(<meta content="text/html; charset=euc-jp">)"), "");
    EXPECT_EQ(declaredCharset("<metadata charset=euc-jp>"), "");

    EXPECT_EQ(iconvNameForLabel(" Shift_JIS "), "CP932");
    EXPECT_EQ(iconvNameForLabel("x-sjis"), "CP932");
    EXPECT_EQ(iconvNameForLabel("ISO-8859-1"), "CP1252");
    EXPECT_EQ(iconvNameForLabel("utf-16"), "UTF-8");
    EXPECT_EQ(iconvNameForLabel("koi8-r"), "KOI8-R");
    EXPECT_EQ(iconvNameForLabel("no-such-charset"), "");
    EXPECT_EQ(iconvNameForLabel("../../etc/x"), "");
}

} // namespace
