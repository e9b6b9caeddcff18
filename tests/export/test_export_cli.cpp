// The copy commands of typecask-cli against the test font set (FONTCONFIG_FILE).
#include "export/cli_runner.h"
#include "export/string_table.h"

using namespace typecask;
using clitest::runCli;

namespace {

QByteArray utf8(const char16_t* s)
{
    return QString::fromUtf16(s).toUtf8();
}

} // namespace

TEST(ExportCli, RtfUsesTheInstalledFamily)
{
    auto r = runCli({u"rtf"_qs, u"--font"_qs, u"IPAゴシック"_qs, u"あ"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray colours = R"({\colortbl\red0\green0\blue0;})";
    EXPECT_EQ(r.out, stringTableEntry(23).toLatin1() +
                         R"({\f2\fmodern\fcharset128 IPA\'83\'53\'83\'56\'83\'62\'83\'4E;}})" + "\r\n" +
                         colours + "\r\n" + stringTableEntry(24).toLatin1() +
                         R"(\pard\nowwrap\nooverflow\plain\f2\fs64\dbch\f2 \'82\'A0)" + "\r\n}");

    r = runCli({u"rtf"_qs, u"--font"_qs, u"DejaVu Sans"_qs, u"--size"_qs, u"9"_qs, u"--color"_qs,
                u"FF8000"_qs, u"--italic"_qs, u"--bold"_qs, u"--align"_qs, u"right"_qs, u"aあ"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(R"({\f2\fswiss\fcharset0 DejaVu\'20Sans;}})"));
    EXPECT_TRUE(r.out.contains(R"({\colortbl\red0\green0\blue0;\red255\green128\blue0;})"));
    EXPECT_TRUE(r.out.endsWith(R"(\plain\f2\fs18\cf1\i\b\qr\dbch\f2 a{\uc2\u12354\'82\'A0})"
                               "\r\n}"));

    r = runCli({u"rtf"_qs, u"--font"_qs, u"Nimbus Mono PS"_qs, u"--align"_qs, u"center"_qs, u"x"_qs});
    EXPECT_TRUE(r.out.contains(R"({\f2\fmodern\fcharset0 Nimbus\'20Mono\'20PS;})"));
    EXPECT_TRUE(r.out.endsWith(R"(\plain\f2\fs64\qc x)"
                               "\r\n}"));
}

// Characters code page 932 maps only one way keep their Unicode escape, in the text and in the
// font table: written as their bytes they would paste as "\100" and the like.
TEST(ExportCli, RtfKeepsOneWayCharacters)
{
    auto r = runCli({u"rtf"_qs, u"--font"_qs, u"IPAゴシック"_qs, u"¥100 ‾—〜‖"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(R"(\dbch\f2 \u165\'3F100\'20\u8254\'3F\u8212\'3F\u12316\'3F\u8214\'3F)"
                               "\r\n}"))
        << r.out.toStdString();

    r = runCli({u"rtf"_qs, u"--font"_qs, u"¥Font"_qs, u"x"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(R"({\f2 \u165\'3FFont;}})")) << r.out.toStdString();
}

TEST(ExportCli, HtmlAndNames)
{
    auto r = runCli({u"html"_qs, u"--font"_qs, u"IPA明朝"_qs, u"--size"_qs, u"12"_qs, u"--color"_qs,
                     u"FF0000"_qs, u"--bold"_qs, u"Ab"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, utf8(u"<B><FONT SIZE=\"3\" COLOR=\"#FF0000\" FACE=\"IPA明朝\">Ab</FONT></B>\r\n"));

    // The size boxes follow --size unless given.
    r = runCli({u"html"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"15"_qs, u"--style-sheet"_qs,
                u"--font-family"_qs, u"--italic"_qs, u"x"_qs});
    EXPECT_EQ(
        r.out,
        utf8(u"<I><FONT SIZE=\"5\" COLOR=\"#000000\" FACE=\"F\"><span "
             u"style=\"color:#000000;font-family:F;font-size:22px;font-style:italic\">x</span></FONT></I>"
             u"\r\n"));
    r = runCli({u"html"_qs, u"--font"_qs, u"F"_qs, u"--no-font-tag"_qs, u"--style-sheet"_qs,
                u"--font-size"_qs, u"1"_qs, u"--px"_qs, u""_qs, u"x"_qs});
    EXPECT_EQ(r.out, utf8(u"<span style=\"color:#000000;font-size:px\">x</span>\r\n"));
    r = runCli({u"html"_qs, u"--font"_qs, u"F"_qs, u"--no-font-tag"_qs, u"a\r\nb"_qs});
    EXPECT_EQ(r.out, QByteArray("a\r\nb\r\n"));
    r = runCli({u"html"_qs, u"--font"_qs, u"F"_qs, u"--no-font-tag"_qs, u"--"_qs, u"--bold"_qs});
    EXPECT_EQ(r.out, QByteArray("--bold\r\n"));

    const std::pair<const char16_t*, const char16_t*> forms[] = {
        {u"0", u"IPA明朝"},           {u"2", u" FACE=\"IPA明朝\""}, {u"3", u" FACE=IPA明朝"},
        {u"4", u" face=\"IPA明朝\""}, {u"5", u" face=IPA明朝"},     {u"6", u" font-family:IPA明朝;"},
    };
    for (const auto& [form, text] : forms) {
        r = runCli({u"name"_qs, u"--form"_qs, QString::fromUtf16(form), u"IPA明朝"_qs});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, utf8(text)) << QString::fromUtf16(form).toStdString();
    }
}

TEST(ExportCli, ArgumentsArriveExactlyAsGiven)
{
    // A leading U+FEFF is a character of the text, not a byte order mark to drop.
    auto r = runCli({u"html"_qs, u"--font"_qs, u"\uFEFFF"_qs, u"--no-font-tag"_qs, u"\uFEFFAB"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray("\xEF\xBB\xBF"
                                "AB\r\n"));
    r = runCli({u"name"_qs, u"--form"_qs, u"3"_qs, u"\uFEFFF"_qs});
    EXPECT_EQ(r.out, QByteArray(" FACE=\xEF\xBB\xBF"
                                "F"));
    r = runCli({u"rtf"_qs, u"--font"_qs, u"F"_qs, u"\uFEFFAB"_qs});
    EXPECT_TRUE(r.out.endsWith(R"(\dbch\f2 \u-257\'3FAB)"
                               "\r\n}"))
        << r.out.toStdString();

    // The largest size whose \fs (twice the size) is still a 16-bit number.
    r = runCli({u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"16383"_qs, u"x"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(R"(\plain\f2\fs32766 x)"));
}

TEST(ExportCli, Details)
{
    auto r = runCli({u"details"_qs, u"IPAゴシック"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, utf8(u"name: IPAゴシック\n"
                          u"charset: 日本語\n"
                          u"type: TRUETYPE\n"
                          u"文字の高さ: 16\n"
                          u"ﾌｫﾝﾄの平均幅: 7\n"
                          u"ﾌｫﾝﾄの太さ: 1024\n"
                          u"family: 固定ストローク幅\n"
                          u"sample: ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
                          u"sample: abcdefghijklmnopqrstuvwxyz\n"
                          u"sample: あいうえおかきくけこ亜意宇江尾\n"));

    // The OpenType build of a URW family; its Type 1 build alone has no OS/2 average width.
    r = runCli({u"details"_qs, u"Nimbus Sans"_qs});
    EXPECT_TRUE(r.out.contains(utf8(u"type: TRUETYPE\n")));
    EXPECT_TRUE(r.out.contains(utf8(u"ﾌｫﾝﾄの太さ: 639\n")));
    EXPECT_EQ(r.out.count("sample: "), 2);
    r = runCli({u"details"_qs, u"Nimbus Sans"_qs}, qEnvironmentVariable("TYPECASK_TEST_FONTCONFIG_TYPE1"));
    EXPECT_TRUE(r.out.contains(utf8(u"type: 0\n")));
    EXPECT_TRUE(r.out.contains(utf8(u"ﾌｫﾝﾄの太さ: \n")));

    r = runCli({u"details"_qs, u"Garuda"_qs});
    EXPECT_TRUE(r.out.contains("charset: THAI\n"));

    r = runCli({u"details"_qs, u"No Such Family"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, utf8(u"name: ???\n"
                          u"charset: ???\n"
                          u"type: ???\n"
                          u"文字の高さ: ????\n"
                          u"ﾌｫﾝﾄの平均幅: ????\n"
                          u"ﾌｫﾝﾄの太さ: ????\n"
                          u"family: ????\n"
                          u"sample: \n"));
}

TEST(ExportCli, BadArgumentsFail)
{
    const QStringList bad[] = {
        {u"rtf"_qs, u"text"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"a"_qs, u"b"_qs},
        {u"rtf"_qs, u"--font"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"0"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"32768"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"16384"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"32767"_qs, u"t"_qs},
        {u"html"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"16384"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--size"_qs, u"big"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--color"_qs, u"GG0000"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--color"_qs, u"FFF"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--color"_qs, u"+FFFFF"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--align"_qs, u"middle"_qs, u"t"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--style-sheet"_qs, u"t"_qs},
        {u"html"_qs, u"--font"_qs, u"F"_qs, u"--align"_qs, u"left"_qs, u"t"_qs},
        {u"html"_qs, u"--font"_qs, u"F"_qs, u"--px"_qs},
        {u"html"_qs, u"t"_qs},
        {u"name"_qs, u"--form"_qs, u"1"_qs, u"F"_qs},
        {u"name"_qs, u"--form"_qs, u"7"_qs, u"F"_qs},
        {u"name"_qs, u"F"_qs},
        {u"name"_qs, u"--form"_qs, u"0"_qs},
        {u"html"_qs, u"--font"_qs, u"F"_qs, u"--"_qs},
        {u"details"_qs},
        {u"details"_qs, u"a"_qs, u"b"_qs},
    };
    for (const QStringList& args : bad) {
        const auto r = runCli(args);
        EXPECT_NE(r.exitCode, 0) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(u' ').toStdString();
    }
}

TEST(ExportCli, HelpAndVersion)
{
    // Each command answers --help among its options with its own usage, on stdout.
    const std::pair<QStringList, const char*> helps[] = {
        {{u"--help"_qs}, "Usage: typecask-cli COMMAND [OPTION]... [ARGUMENT]\n"},
        {{u"fonts"_qs, u"--all-types"_qs, u"--help"_qs}, "Usage: typecask-cli fonts "},
        {{u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--help"_qs}, "Usage: typecask-cli rtf "},
        {{u"html"_qs, u"--help"_qs}, "Usage: typecask-cli html "},
        {{u"name"_qs, u"--help"_qs}, "Usage: typecask-cli name "},
        {{u"details"_qs, u"--help"_qs}, "Usage: typecask-cli details "},
    };
    for (const auto& [args, start] : helps) {
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 0) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.startsWith(start)) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("output version information and exit\n"));
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
    for (const QStringList& args : {QStringList{u"--version"_qs}, QStringList{u"fonts"_qs, u"--version"_qs},
                                    QStringList{u"details"_qs, u"--version"_qs}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.startsWith("typecask-cli (Typecask) 2.01\n")) << r.out.toStdString();
    }

    // After "--", or as an option's value, --help is text.
    auto r = runCli({u"html"_qs, u"--font"_qs, u"F"_qs, u"--no-font-tag"_qs, u"--"_qs, u"--help"_qs});
    EXPECT_EQ(r.out, QByteArray("--help\r\n"));
    r = runCli({u"html"_qs, u"--font"_qs, u"--help"_qs, u"--no-font-tag"_qs, u"x"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("x\r\n"));
}

TEST(ExportCli, UsageErrorsExitWithTwo)
{
    const QStringList bad[] = {
        {},
        {u"--bogus"_qs},
        {u"-h"_qs},
        {u"fontz"_qs},
        {u"fonts"_qs, u"--bogus"_qs},
        {u"rtf"_qs, u"--font"_qs, u"F"_qs, u"--bogus"_qs, u"t"_qs},
        {u"details"_qs, u"--bogus"_qs},
    };
    for (const QStringList& args : bad) {
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"Try 'typecask-cli"_qs)) << r.err.toStdString();
    }
}
