// Runs against the test font set (FONTCONFIG_FILE), whose fonts the test script installs.
#include "core/fontconfig_source.h"

#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

struct Row
{
    QString list, name;
    int charset, type;
    QString pitch;
    int height, width;
    QString avg;
};

QString runCli(const QStringList& args)
{
    QProcess p;
    p.start(qEnvironmentVariable("TYPECASK_CLI"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<Row> details()
{
    std::vector<Row> rows;
    for (const QString& line : runCli({u"fonts"_qs, u"--details"_qs}).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList c = line.split(u'\t');
        EXPECT_EQ(c.size(), 8) << line.toStdString();
        if (c.size() == 8)
            rows.push_back(
                Row{c[0], c[1], c[2].toInt(), c[3].toInt(), c[4], c[5].toInt(), c[6].toInt(), c[7]});
    }
    return rows;
}

const Row* find(const std::vector<Row>& rows, const QString& name)
{
    for (const Row& r : rows)
        if (r.name == name)
            return &r;
    return nullptr;
}

} // namespace

TEST(FontconfigSource, TestFontSetLandsInItsCategories)
{
    const auto rows = details();
    for (const char* jp : {"IPAゴシック", "IPA明朝"}) {
        const Row* r = find(rows, QString::fromUtf8(jp));
        ASSERT_NE(r, nullptr) << jp;
        EXPECT_EQ(r->list, u"japanese-truetype");
        EXPECT_EQ(r->charset, 128);
        EXPECT_EQ(r->type, 4);
        EXPECT_EQ(r->height, 16);
        EXPECT_EQ(r->avg, u"1024");
    }
    const Row* dejavu = find(rows, u"DejaVu Sans"_qs);
    ASSERT_NE(dejavu, nullptr);
    EXPECT_EQ(dejavu->list, u"western-truetype");
    EXPECT_EQ(dejavu->pitch, u"0x22"); // PANOSE sans serif, variable pitch
    EXPECT_EQ(find(rows, u"DejaVu Sans Mono"_qs)->pitch, u"0x31");

    const Row* type1 = find(rows, u"Nimbus Roman"_qs);
    ASSERT_NE(type1, nullptr);
    EXPECT_EQ(type1->list, u"western-other");
    EXPECT_EQ(type1->type, 0);
    EXPECT_TRUE(type1->avg.isEmpty()); // no OS/2 table

    EXPECT_EQ(find(rows, u"Standard Symbols PS"_qs)->list, u"symbol-other");
    EXPECT_EQ(find(rows, u"OpenSymbol"_qs)->list, u"symbol-truetype");
    EXPECT_EQ(find(rows, u"Garuda"_qs)->charset, 222);
    EXPECT_EQ(find(rows, u"Garuda"_qs)->list, u"other-truetype");

    const Row* fixed = find(rows, u"Fixed"_qs);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->type, 1);
    EXPECT_GT(fixed->height, 0);
}

TEST(FontconfigSource, DefaultListIsJapaneseAndWesternTrueTypeSorted)
{
    const auto rows = details();
    QStringList expected;
    for (const Row& r : rows)
        if (r.list == u"japanese-truetype" || r.list == u"western-truetype")
            expected.append(r.name);
    const QStringList listed = runCli({u"fonts"_qs}).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(expected.begin(), expected.end()));
    for (qsizetype i = 1; i < listed.size(); ++i)
        EXPECT_LE(listed[i - 1].compare(listed[i], Qt::CaseInsensitive), 0);

    EXPECT_TRUE(runCli({u"fonts"_qs, u"--categories"_qs, QString()}).isEmpty());
    const QString all = runCli({u"fonts"_qs, u"--categories"_qs, u"jwso"_qs, u"--all-types"_qs});
    EXPECT_TRUE(all.contains(u"Nimbus Roman\n"_qs));
    EXPECT_TRUE(all.contains(u"Garuda\n"_qs));
}

TEST(FontconfigSource, ListedNamesResolveToTheirFamily)
{
    FontconfigSource src;
    EXPECT_EQ(src.resolveFamily(u"IPAGothic"_qs), u"IPAゴシック");
    EXPECT_EQ(src.resolveFamily(u"dejavu sans"_qs), u"DejaVu Sans");
    EXPECT_TRUE(src.resolveFamily(u"No Such Family"_qs).isEmpty());
    const auto d = src.readDetails(u"IPA Pゴシック"_qs);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->pitchAndFamily & 3, 2);
    EXPECT_FALSE(src.readDetails(u"No Such Family"_qs).has_value());
}

TEST(FontconfigSource, CharsetRuleOrder)
{
    auto cov = [](std::initializer_list<const char*> langs, bool symbol = false) {
        auto set = std::make_shared<QSet<QByteArray>>();
        for (const char* l : langs)
            set->insert(l);
        return charsetForCoverage(
            LanguageCoverage{[set](const char* l) { return set->contains(l); }, symbol, set->isEmpty()});
    };
    EXPECT_EQ(cov({"ja", "en", "ko"}), 128);
    EXPECT_EQ(cov({"en"}, true), 2);
    EXPECT_EQ(cov({}), 2);
    EXPECT_EQ(cov({"ko", "en"}), 129);
    EXPECT_EQ(cov({"zh-cn", "zh-tw"}), 134);
    EXPECT_EQ(cov({"zh-hk"}), 136);
    EXPECT_EQ(cov({"th", "en"}), 222);
    EXPECT_EQ(cov({"hi", "en"}), 1);
    EXPECT_EQ(cov({"lo", "en", "de", "el", "ru"}), 0); // pan-European with a stray script
    EXPECT_EQ(cov({"en", "ar", "he"}), 0);
    EXPECT_EQ(cov({"el"}), 161);
    EXPECT_EQ(cov({"ru", "el"}), 161);
    EXPECT_EQ(cov({"pl"}), 238);
    EXPECT_EQ(cov({"xx"}), 1);
    EXPECT_EQ(fontTypeForFormat("CFF", true), 4);
    EXPECT_EQ(fontTypeForFormat("PCF", false), 1);
    EXPECT_EQ(fontTypeForFormat("Type 1", true), 0);
}
