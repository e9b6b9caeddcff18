// typecask-cli check and fontlist as a script or a build would run them.
#include "core/fontconfig_source.h"
#include "export/cli_runner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <map>
#include <string>

using namespace typecask;
using typecask::clitest::runCli;

namespace {

QString fixture(const char* name)
{
    return qEnvironmentVariable("TYPECASK_TEST_DATA") + u"/html/"_qs + QString::fromUtf8(name);
}

TEST(HtmlCli, CheckListsInstalledThenMissingWithTheExitStatus)
{
    auto r = runCli({u"check"_qs, fixture("lf.html"), fixture("second.html")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.out), u"installed\tDejaVu Serif\n"
                                        "installed\tIPAゴシック\n"
                                        "installed\tDejaVu Sans\n"
                                        "missing\tOpen Tail\n"
                                        "missing\tMissing Font\n");
    EXPECT_TRUE(r.err.isEmpty());

    // Nothing missing: 0. The test font set names the IPA fonts in Japanese.
    r = runCli({u"check"_qs, fixture("utf16le.html")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(r.out), u"installed\tIPAゴシック\n");
}

TEST(HtmlCli, CheckKnowsAFamilyByEveryNameItCarries)
{
    // The catalog lists the IPA families by their Japanese names; pages usually name them in
    // English. The name is compared exactly, and listed as the page wrote it.
    QTemporaryDir dir;
    const QString page = dir.filePath(u"names.html"_qs);
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(u"<FONT FACE=\"IPAPGothic\">a</FONT><FONT FACE=\"IPAMincho,IPA明朝\">b</FONT>"
            "<FONT FACE=\"ipamincho\">c</FONT>"_qs.toUtf8());
    f.close();
    const auto r = runCli({u"check"_qs, page});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.out), u"installed\tIPAPGothic\n"
                                        "installed\tIPAMincho\n"
                                        "installed\tIPA明朝\n"
                                        "missing\tipamincho\n");
}

TEST(HtmlCli, CheckNamesFilesItCannotReadAndChecksTheRest)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"gone.html"_qs);
    const QString text = dir.filePath(u"notes.txt"_qs);
    QFile(text).open(QIODevice::WriteOnly);
    const auto r = runCli({u"check"_qs, missing, fixture("utf16le.html"), text});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(QString::fromUtf8(r.out), u"installed\tIPAゴシック\n");
    EXPECT_TRUE(r.err.contains(missing)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(text)) << r.err.toStdString();
    // The CSS form takes the same files as the plain one.
    const auto css = runCli({u"check"_qs, u"--css"_qs, text, fixture("utf16le.html")});
    EXPECT_EQ(css.exitCode, 2);
    EXPECT_TRUE(css.err.contains(text + u": not an .htm or .html file"_qs)) << css.err.toStdString();
    EXPECT_TRUE(r.err.contains(text + u": not an .htm or .html file"_qs)) << r.err.toStdString();

    EXPECT_EQ(runCli({u"check"_qs}).exitCode, 2);
    EXPECT_EQ(runCli({u"check"_qs, u"--frobnicate"_qs}).exitCode, 2);
    // "--" lets a file name begin with "--".
    EXPECT_EQ(runCli({u"check"_qs, u"--"_qs, u"--x.html"_qs}).exitCode, 2);
    EXPECT_EQ(runCli({u"check"_qs, u"--help"_qs}).exitCode, 0);
}

TEST(HtmlCli, BothChecksLeaveOutANameLongerThanAFontNameMayBe)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(u"long.html"_qs);
    const QString longName(1025, u'L');
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        (u"<p style=\"font-family:'%1',serif\">a</p><FONT FACE=\"%1\">b</FONT>"_qs.arg(longName)).toUtf8());
    f.close();
    const auto plain = runCli({u"check"_qs, page});
    EXPECT_FALSE(plain.out.contains(longName.toUtf8()));
    const auto css = runCli({u"check"_qs, u"--css"_qs, u"--json"_qs, page});
    const QJsonArray lists = QJsonDocument::fromJson(css.out).object().value(u"lists").toArray();
    ASSERT_EQ(lists.size(), 1) << css.out.toStdString();
    // The rest of the list stays: the value as written, and serif as its one family.
    const QJsonArray families = lists[0].toObject().value(u"families").toArray();
    ASSERT_EQ(families.size(), 1);
    EXPECT_EQ(families[0].toObject().value(u"name").toString(), u"serif");
}

TEST(HtmlCli, CssCheckResolvesEachListAndNamesTheCharactersThatFallBack)
{
    const QString page = fixture("css/coverage.html");
    auto r = runCli({u"check"_qs, u"--css"_qs, page});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.out), u"FAIL\t\"DejaVu Sans\"\n"
                                        "\tresolves to\tDejaVu Sans (installed)\n"
                                        "\tinstalled\tDejaVu Sans\n"
                                        "\tdrawn by fallback\tIPAGothic\t3\t日本語\n"
                                        "\tuncovered\t3 of 3\t日本語\n"
                                        "ok\t'IPAゴシック', sans-serif\n"
                                        "\tresolves to\tIPAゴシック (installed)\n"
                                        "\tinstalled\tIPAゴシック\n"
                                        "\tgeneric\tsans-serif\n"
                                        "\tdrawn by list\tIPAゴシック\t3\t日本語\n"
                                        "\tuncovered\t0 of 3\n"_qs);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

    r = runCli({u"check"_qs, u"--css"_qs, u"--json"_qs, page, fixture("css/modern.html")});
    EXPECT_EQ(r.exitCode, 1);
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(root[u"version"_qs].toInt(), 2);
    const QJsonArray files = root[u"files"_qs].toArray();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[1][u"styleSheets"_qs].toArray().size(), 2);
    const QJsonArray lists = root[u"lists"_qs].toArray();
    ASSERT_GE(lists.size(), 2);
    const QJsonObject first = lists[0].toObject();
    EXPECT_EQ(first[u"resolved"_qs].toString(), u"DejaVu Sans"_qs);
    EXPECT_EQ(first[u"resolvedBy"_qs].toString(), u"installed"_qs);
    // The same list in both pages: the text of both.
    EXPECT_EQ(first[u"uncoveredCount"_qs].toInt(), 4);
    EXPECT_EQ(first[u"uncovered"_qs].toArray(), (QJsonArray{u"と"_qs, u"日"_qs, u"本"_qs, u"語"_qs}));
    const QJsonArray drawn = first[u"drawnBy"_qs].toArray();
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_EQ(drawn.last()[u"by"_qs].toString(), u"fallback"_qs);
    EXPECT_EQ(drawn.last()[u"characters"_qs].toString(), u"と日本語"_qs);
    EXPECT_FALSE(first[u"ok"_qs].toBool());
    EXPECT_TRUE(lists[1][u"ok"_qs].toBool());
    QStringList states;
    for (const QJsonValue& l : lists)
        for (const QJsonValue& f : l[u"families"_qs].toArray())
            states += f[u"name"_qs].toString() + u'=' + f[u"state"_qs].toString();
    for (const char16_t* s :
         {u"Brand Web=web-font", u"Nowhere Sans=missing", u"fantasy=generic", u"DejaVu Serif=installed"})
        EXPECT_TRUE(states.contains(QStringView(s).toString())) << states.join(u' ').toStdString();
    EXPECT_EQ(root[u"webFonts"_qs].toArray().size(), 1);

    // Only covered text under installed names passes.
    QTemporaryDir dir;
    QFile ok(dir.filePath(u"ok.html"_qs));
    ASSERT_TRUE(ok.open(QIODevice::WriteOnly));
    ok.write("<style>p { font-family: 'DejaVu Sans', serif }</style><p>Latin only</p>");
    ok.close();
    EXPECT_EQ(runCli({u"check"_qs, u"--css"_qs, ok.fileName()}).exitCode, 0);

    EXPECT_EQ(runCli({u"check"_qs, u"--json"_qs, page}).exitCode, 2); // --json needs --css
    r = runCli({u"check"_qs, u"--css"_qs, dir.filePath(u"gone.html"_qs), page});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.contains("DejaVu Sans"));
}

// The language fonts are ranked for, as fontconfig takes it: --lang, else FC_LANG, LC_ALL,
// LC_CTYPE, LANG, even when that locale was never generated.
TEST(HtmlCli, CssCheckChoosesFontsForTheLanguageOfTheEnvironmentOrOfLang)
{
    QTemporaryDir dir;
    QFile page(dir.filePath(u"sans.html"_qs));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p style='font-family: sans-serif'>abc</p>");
    page.close();
    const auto resolved = [&](const QStringList& options) {
        const auto r = runCli(QStringList{u"check"_qs, u"--css"_qs, u"--json"_qs} + options +
                              QStringList{page.fileName()});
        return QJsonDocument::fromJson(r.out).object()[u"lists"_qs][0][u"resolved"_qs].toString();
    };
    const QString japanese = resolved({u"--lang"_qs, u"ja"_qs});
    EXPECT_TRUE(japanese.startsWith(u"IPA"_qs)) << japanese.toStdString();
    EXPECT_NE(resolved({u"--lang"_qs, u"en"_qs}), japanese);

    const QByteArray saved[] = {qgetenv("LANG"), qgetenv("LOCPATH")};
    qputenv("LANG", "ja_JP.UTF-8");
    qputenv("LOCPATH", dir.path().toUtf8()); // no locale is generated there
    EXPECT_EQ(resolved({}), japanese);
    qputenv("FC_LANG", "en");
    EXPECT_NE(resolved({}), japanese);
    EXPECT_EQ(resolved({u"--lang"_qs, u"ja_JP"_qs}), japanese);
    qunsetenv("FC_LANG");
    qputenv("LANG", saved[0]);
    if (saved[1].isEmpty())
        qunsetenv("LOCPATH");
    else
        qputenv("LOCPATH", saved[1]);

    const auto env = [](std::map<std::string, QByteArray> vars) {
        return fontconfigLanguage([&](const char* name) { return vars[name]; });
    };
    EXPECT_EQ(env({{"LANG", "ja_JP.UTF-8"}}), u"ja"_qs);
    EXPECT_EQ(env({{"LANG", "ja_JP.UTF-8"}, {"LC_CTYPE", "C.UTF-8"}}), u"en"_qs);
    EXPECT_EQ(env({{"LC_CTYPE", "C"}, {"LC_ALL", "ja_JP.eucJP@x"}}), u"ja"_qs);
    EXPECT_EQ(env({{"LC_ALL", "C"}, {"FC_LANG", "zh-tw:ja"}}), u"zh-tw"_qs);
    EXPECT_EQ(env({}), u"en"_qs);
}

TEST(HtmlCli, FontlistWritesThePages)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"pages"_qs);
    auto r =
        runCli({u"fontlist"_qs, u"--per-page"_qs, u"4"_qs, u"--size"_qs, u"5"_qs, u"--bold"_qs, u"--text"_qs,
                u"<i>Ab</i>"_qs, u"--fg"_qs, u"ff0000"_qs, u"--bg"_qs, u"00FF00"_qs, u"--out"_qs, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList pages = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(pages.first(), out + u"/FontList1.Html"_qs);
    QFile first(pages.first());
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray page = first.readAll();
    EXPECT_TRUE(page.startsWith("\xEF\xBB\xBF<HTML>\r\n"));
    EXPECT_TRUE(page.contains("<BODY BGCOLOR=#00FF00>\r\n"));
    EXPECT_TRUE(page.contains(
        R"(<TD><B><FONT SIZE="5" COLOR="#FF0000" FACE="DejaVu Sans"><i>Ab</i></FONT></B></TD>)"));
    EXPECT_EQ(page.count("<TR>"), 4);
    EXPECT_EQ(page.count("<A HREF="), pages.size());

    for (const QStringList& bad : {QStringList{u"--per-page"_qs, u"0"_qs},
                                   {u"--per-page"_qs, u"40000"_qs},
                                   {u"--per-page"_qs, u"1.5"_qs},
                                   {u"--size"_qs, u"8"_qs},
                                   {u"--fg"_qs, u"red"_qs},
                                   {u"--nope"_qs}})
        EXPECT_EQ(runCli(QStringList{u"fontlist"_qs} + bad + QStringList{u"--out"_qs, out}).exitCode, 2)
            << bad.join(u' ').toStdString();
    EXPECT_EQ(runCli({u"fontlist"_qs}).exitCode, 2); // no --out

    // A file in the way of the folder: reported, exit 1.
    const QString blocked = dir.filePath(u"file"_qs);
    QFile(blocked).open(QIODevice::WriteOnly);
    r = runCli({u"fontlist"_qs, u"--out"_qs, blocked});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(blocked));
}

} // namespace
