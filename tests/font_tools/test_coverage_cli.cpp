// typecask-cli coverage, and search by set and text, against the test font set.
#include "export/cli_runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace typecask;
using clitest::runCli;

namespace {

// The search finds the vertical-writing ("@") families too: the same fonts.
const QStringList Ipa{u"@IPA Pゴシック"_qs, u"@IPA P明朝"_qs, u"@IPAゴシック"_qs, u"@IPA明朝"_qs,
                      u"IPA Pゴシック"_qs,  u"IPA P明朝"_qs,  u"IPAゴシック"_qs,  u"IPA明朝"_qs};

QStringList search(const QStringList& args)
{
    const auto r = runCli(QStringList{u"search"_qs} + args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(CoverageCli, TableAndJson)
{
    auto r = runCli({u"coverage"_qs, u"--set"_qs, u"jis2"_qs, u"--set"_qs, u"JOYO"_qs, u"IPAGothic"_qs,
                     u"DejaVu Sans"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    // Columns in the order asked for; a family found by any of its names is listed by its own.
    EXPECT_EQ(r.out, QByteArray("family\tjis2\tjoyo\n") + u"IPAゴシック\t3390\t2136\n"_qs.toUtf8() +
                         "DejaVu Sans\t0\t0\n");

    r = runCli({u"coverage"_qs, u"--json"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(report[u"version"_qs].toInt(), 1);
    const QJsonArray sets = report[u"sets"_qs].toArray();
    ASSERT_EQ(sets.size(), 17);
    EXPECT_EQ(sets[0].toObject()[u"name"_qs].toString(), u"joyo");
    EXPECT_EQ(sets[0].toObject()[u"total"_qs].toInt(), 2136);
    const QJsonArray families = report[u"families"_qs].toArray();
    QStringList names;
    for (const QJsonValue& f : families) {
        names.append(f[u"family"_qs].toString());
        EXPECT_EQ(f[u"covered"_qs].toObject().size(), 17);
    }
    // Every family once.
    EXPECT_EQ(names.size(),
              runCli({u"fonts"_qs, u"--categories"_qs, u"jwso"_qs, u"--all-types"_qs, u"--vertical"_qs})
                  .out.count('\n'));
    EXPECT_EQ(names.removeDuplicates(), 0);
    for (const QJsonValue& f : families) {
        if (f[u"family"_qs].toString() == u"IPA明朝") {
            EXPECT_EQ(f[u"covered"_qs][u"aj1-4"_qs].toInt(), 8851);
        }
    }
}

TEST(CoverageCli, SearchBySetAndText)
{
    EXPECT_EQ(search({u"--set"_qs, u"joyo"_qs}), Ipa);
    EXPECT_EQ(search({u"--set"_qs, u"jis4:100"_qs}), Ipa);
    // The IPA fonts have 11462 of Adobe-Japan1-6's 15891 characters: 72 %.
    EXPECT_EQ(search({u"--set"_qs, u"aj1-6:72"_qs}), Ipa);
    EXPECT_TRUE(search({u"--set"_qs, u"aj1-6:73"_qs}).isEmpty());
    EXPECT_EQ(search({u"--set"_qs, u"aj1-6:72"_qs, u"明朝"_qs}),
              (QStringList{u"@IPA P明朝"_qs, u"@IPA明朝"_qs, u"IPA P明朝"_qs, u"IPA明朝"_qs}));
    // A space needs no glyph, the ideographic space does; 𠀋 (U+2000B, JIS level 3) is outside
    // the BMP.
    EXPECT_EQ(search({u"--covers"_qs, u"亜 あ　𠀋"_qs}), Ipa);
    const QStringList latin = search({u"--covers"_qs, u"Ab"_qs});
    EXPECT_TRUE(latin.contains(u"DejaVu Sans"_qs));
    EXPECT_TRUE(latin.contains(u"IPAゴシック"_qs));
    EXPECT_FALSE(latin.contains(u"cursor.pcf"_qs));
    EXPECT_EQ(search({u"--covers"_qs, u"Ab"_qs, u"--set"_qs, u"kana"_qs}), Ipa);
}

TEST(CoverageCli, BadInputIsAUsageError)
{
    const QStringList cases[] = {
        {u"coverage"_qs, u"--set"_qs, u"joyo2"_qs},  {u"coverage"_qs, u"--set"_qs},
        {u"coverage"_qs, u"No Such Family"_qs},      {u"coverage"_qs, u"--bogus"_qs},
        {u"search"_qs, u"--set"_qs, u"kyoiku"_qs},   {u"search"_qs, u"--set"_qs, u"joyo:0"_qs},
        {u"search"_qs, u"--set"_qs, u"joyo:101"_qs}, {u"search"_qs, u"--set"_qs, u"joyo:"_qs},
        {u"search"_qs, u"--set"_qs, u"joyo:+5"_qs},  {u"search"_qs, u"--covers"_qs, u""_qs},
        {u"search"_qs, u"--covers"_qs, u" \t"_qs},
    };
    for (const QStringList& args : cases) {
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"Try 'typecask-cli"_qs)) << r.err.toStdString();
    }
    EXPECT_TRUE(runCli(cases[0]).err.contains(u"unknown set 'joyo2' (the sets: joyo, jinmeiyo"_qs));

    // A surrogate half as the shell passes it: its three UTF-8-like bytes.
    QProcess p;
    p.start(u"bash"_qs, {u"-c"_qs, u"\"$TYPECASK_CLI\" search --covers \"$(printf 'a\\xed\\xa0\\x80')\""_qs});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("unpaired surrogate"));
}
