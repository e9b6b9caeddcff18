// typecask-cli gradient and random-colours against the test font set (FONTCONFIG_FILE).
#include "export/cli_runner.h"

using namespace typecask;
using clitest::runCli;

namespace {

QByteArray utf8(const char16_t* s)
{
    return QString::fromUtf16(s).toUtf8();
}

QString sixteen(const QString& first, const QString& rest)
{
    QStringList colours{first};
    for (int i = 1; i < 16; ++i)
        colours << rest;
    return colours.join(u',');
}

} // namespace

TEST(MakerCli, GradientPrintsTheCopyExactly)
{
    auto r = runCli({u"gradient"_qs, u"--font"_qs, u"IPAゴシック"_qs, u"--start"_qs, u"FF0000"_qs,
                     u"--end"_qs, u"0000FF"_qs, u"--size"_qs, u"12"_qs, u"a<c"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, utf8(u"<FONT SIZE=\"3\" FACE=\"IPAゴシック\"><FONT COLOR=\"#FF0000\">a</FONT><FONT "
                          u"COLOR=\"#800080\">&lt;</FONT><FONT COLOR=\"#0000FF\">c</FONT></FONT>"));

    r = runCli({u"gradient"_qs, u"--font"_qs, u"F"_qs, u"--start"_qs, u"000000"_qs, u"--middle"_qs,
                u"00FF00"_qs, u"--end"_qs, u"000000"_qs, u"--no-font-tag"_qs, u"--style-sheet"_qs, u"--px"_qs,
                u"9"_qs, u"--bold"_qs, u"xyz"_qs});
    EXPECT_EQ(r.out, QByteArray(R"(<span style="color:#000000;font-size:9px;font-weight:bold">x</span>)"
                                R"(<span style="color:#00FF00;font-size:9px;font-weight:bold">y</span>)"
                                R"(<span style="color:#000000;font-size:9px;font-weight:bold">z</span>)"));

    r = runCli({u"gradient"_qs, u"--rtf"_qs, u"--font"_qs, u"IPAゴシック"_qs, u"--start"_qs, u"FF0000"_qs,
                u"--end"_qs, u"0000FF"_qs, u"--align"_qs, u"right"_qs, u"あい"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(R"({\f2\fmodern\fcharset128 IPA\'83\'53\'83\'56\'83\'62\'83\'4E;}})"));
    EXPECT_TRUE(r.out.contains(
        R"({\colortbl\red0\green0\blue0;\red255\green0\blue0;\red0\green0\blue255;}\deflang1041)"));
    EXPECT_TRUE(r.out.endsWith(R"(\pard\nowwrap\nooverflow\plain\f2\fs64\qr\cf1\dbch\f2 \'82\'A0)"
                               R"(\plain\f2\fs64\qr\cf2\dbch\f2 \'82\'A2)"
                               "\r\n}"));
}

TEST(MakerCli, RandomColoursTakesTheCellColoursAsGiven)
{
    auto r =
        runCli({u"random-colours"_qs, u"--font"_qs, u"F"_qs, u"--colours"_qs,
                sixteen(u"FF0000"_qs, u"0000ff"_qs), u"--font-size"_qs, u"2"_qs, u"--italic"_qs, u"A b"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray(R"(<I><FONT SIZE="2" FACE="F"><FONT COLOR="#FF0000">A</FONT>&nbsp;)"
                                R"(<FONT COLOR="#0000FF">b</FONT></FONT></I>)"));

    r = runCli({u"random-colours"_qs, u"--rtf"_qs, u"--font"_qs, u"F"_qs, u"--colours"_qs,
                sixteen(u"FF0000"_qs, u"000000"_qs), u"abcdefghijklmnopqrst"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(R"(\red0\green0\blue0;)"), 16); // black first, then 15 cells
    EXPECT_TRUE(r.out.endsWith(R"(\plain\f2\fs64\cf16 p)"
                               "\r\n}"));
    EXPECT_FALSE(r.out.contains("\\cf17"));
}

TEST(MakerCli, BadArgumentsAreRefused)
{
    const QString colours = sixteen(u"FF0000"_qs, u"000000"_qs);
    const QStringList bad[] = {
        {u"gradient"_qs, u"--font"_qs, u"F"_qs, u"--start"_qs, u"FF0000"_qs, u"ab"_qs},
        {u"gradient"_qs, u"--font"_qs, u"F"_qs, u"--start"_qs, u"FF0000"_qs, u"--end"_qs, u"00FF00"_qs,
         u"a"_qs},
        {u"gradient"_qs, u"--font"_qs, u"F"_qs, u"--start"_qs, u"red"_qs, u"--end"_qs, u"00FF00"_qs,
         u"ab"_qs},
        {u"gradient"_qs, u"--font"_qs, u"F"_qs, u"--start"_qs, u"FF0000"_qs, u"--end"_qs, u"00FF00"_qs,
         u"--color"_qs, u"FF0000"_qs, u"ab"_qs},
        {u"random-colours"_qs, u"--font"_qs, u"F"_qs, u"ab"_qs},
        {u"random-colours"_qs, u"--font"_qs, u"F"_qs, u"--colours"_qs, colours + u",000000", u"ab"_qs},
        {u"random-colours"_qs, u"--font"_qs, u"F"_qs, u"--colours"_qs, colours, u"--align"_qs, u"up"_qs,
         u"ab"_qs},
    };
    for (const QStringList& args : bad) {
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST(MakerCli, HelpDescribesBothCommands)
{
    auto r = runCli({u"gradient"_qs, u"--font"_qs, u"F"_qs, u"--help"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("Usage: typecask-cli gradient --font NAME --start RRGGBB"));
    EXPECT_TRUE(r.out.contains("--middle RRGGBB"));
    r = runCli({u"random-colours"_qs, u"--help"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("Usage: typecask-cli random-colours --font NAME --colours"));
    EXPECT_FALSE(r.out.contains("--color "));
    r = runCli({u"--help"_qs});
    EXPECT_TRUE(r.out.contains("  random-colours  the text of the random colour maker's copy\n"));
}
