// typecask-cli search against the test font set (FONTCONFIG_FILE).
#include "export/cli_runner.h"

#include <QTemporaryDir>

using namespace typecask;
using clitest::runCli;

namespace {

QStringList lines(const QByteArray& out)
{
    return QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts);
}

QStringList search(const QStringList& args)
{
    const auto r = runCli(QStringList{u"search"_qs} + args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return lines(r.out);
}

} // namespace

TEST(SearchCli, NamesIgnoreCaseAndWidth)
{
    // The search runs over every catalog name, the vertical-writing ("@") families too, whether
    // the font list shows them or not.
    const QStringList ipa{u"@IPA Pゴシック"_qs, u"@IPA P明朝"_qs, u"@IPAゴシック"_qs, u"@IPA明朝"_qs,
                          u"IPA Pゴシック"_qs,  u"IPA P明朝"_qs,  u"IPAゴシック"_qs,  u"IPA明朝"_qs};
    EXPECT_EQ(search({u"ipa"_qs}), ipa);
    EXPECT_EQ(search({u"ＩＰＡ"_qs}), ipa);
    const QStringList gothic{u"@IPA Pゴシック"_qs, u"@IPAゴシック"_qs, u"IPA Pゴシック"_qs,
                             u"IPAゴシック"_qs};
    EXPECT_EQ(search({u"IPA ゴシック"_qs}), gothic);
    EXPECT_EQ(search({u"ｺﾞｼｯｸ"_qs, u"ipa"_qs}), gothic);
    // Without words every family, in the list's order.
    const QStringList all = search({});
    EXPECT_GT(all.size(), 20);
    EXPECT_EQ(all.first(), u"@IPA Pゴシック");
}

TEST(SearchCli, DetailedConditions)
{
    EXPECT_EQ(search({u"--types"_qs, u"r"_qs}),
              (QStringList{u"Clean"_qs, u"ClearlyU"_qs, u"ClearlyU Alternate Glyphs"_qs, u"ClearlyU PUA"_qs,
                           u"cursor.pcf"_qs, u"deccurs.pcf"_qs, u"decsess.pcf"_qs, u"Fixed"_qs,
                           u"micro.pcf"_qs, u"Newspaper"_qs}));
    EXPECT_EQ(search({u"--charsets"_qs, u"j"_qs, u"--families"_qs, u"modern"_qs}),
              (QStringList{u"@IPAゴシック"_qs, u"@IPA明朝"_qs, u"IPAゴシック"_qs, u"IPA明朝"_qs}));
    // Half as wide as high or wider, among the TrueType fonts; exactly half passes both ways.
    const auto ratio = [](const char16_t* condition) {
        return search({u"--types"_qs, u"t"_qs, u"--ratio"_qs, QString::fromUtf16(condition)});
    };
    const QStringList wide = ratio(u">50");
    EXPECT_TRUE(wide.contains(u"DejaVu Sans Mono"_qs)); // 8 of 16
    EXPECT_FALSE(wide.contains(u"DejaVu Sans"_qs));     // 7 of 16
    const QStringList narrow = ratio(u"<50");
    const QStringList wider = ratio(u">51");
    for (const QString& name : wide)
        EXPECT_NE(narrow.contains(name), wider.contains(name)) << name.toStdString();
    EXPECT_EQ(wide.size() + narrow.size() - (wide.size() - wider.size()),
              search({u"--types"_qs, u"t"_qs}).size());
}

TEST(SearchCli, NarrowFromAFileAndBadArguments)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(u"names.txt"_qs));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("DejaVu Serif\r\nIPA\xe6\x98\x8e\xe6\x9c\x9d\r\n\r\nDejaVu Sans\n");
    f.close();
    EXPECT_EQ(search({u"--narrow-from"_qs, f.fileName(), u"dejavu"_qs}),
              (QStringList{u"DejaVu Sans"_qs, u"DejaVu Serif"_qs}));
    EXPECT_EQ(search({u"--narrow-from"_qs, f.fileName()}).size(), 3);

    for (const QStringList& bad : {QStringList{u"--types"_qs, u"x"_qs}, QStringList{u"--ratio"_qs, u"50"_qs},
                                   QStringList{u"--charsets"_qs}, QStringList{u"--nope"_qs},
                                   QStringList{u"--narrow-from"_qs, dir.filePath(u"missing"_qs)}}) {
        const auto r = runCli(QStringList{u"search"_qs} + bad);
        EXPECT_EQ(r.exitCode, 2) << bad.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(u"typecask-cli search"_qs));
    }
}
