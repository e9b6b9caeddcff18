// Runs against the test font set (FONTCONFIG_FILE), whose fonts the test script installs.
#include "core/fontconfig_source.h"
#include "core/sfnt_tables.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <gtest/gtest.h>
#include FT_MODULE_H

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

// fontconfigFile: another font set than the test font set.
QString runCli(const QStringList& args, const QString& fontconfigFile = {})
{
    QProcess p;
    if (!fontconfigFile.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"FONTCONFIG_FILE"_qs, fontconfigFile);
        p.setProcessEnvironment(env);
    }
    p.start(qEnvironmentVariable("TYPECASK_CLI"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<Row> details(const QString& fontconfigFile = {})
{
    std::vector<Row> rows;
    const QString out = runCli({u"fonts"_qs, u"--details"_qs}, fontconfigFile);
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
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

    EXPECT_EQ(find(rows, u"OpenSymbol"_qs)->list, u"symbol-truetype");
    EXPECT_EQ(find(rows, u"Garuda"_qs)->charset, 222);
    EXPECT_EQ(find(rows, u"Garuda"_qs)->list, u"other-truetype");

    const Row* fixed = find(rows, u"Fixed"_qs);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->type, 1);
    EXPECT_GT(fixed->height, 0);
}

// URW ships every family as OpenType and as Type 1; the desktop draws the OpenType one.
TEST(FontconfigSource, UrwFamiliesAreClassifiedFromTheirOpenTypeFace)
{
    const auto rows = details();
    for (const char* name : {"Nimbus Sans", "Nimbus Roman", "C059", "P052"}) {
        const Row* r = find(rows, QString::fromLatin1(name));
        ASSERT_NE(r, nullptr) << name;
        EXPECT_EQ(r->list.toStdString(), "western-truetype") << name;
        EXPECT_EQ(r->type, 4) << name;
        EXPECT_FALSE(r->avg.isEmpty()) << name; // read from the OpenType face's OS/2 table
    }
    // Their OpenType build claims Latin coverage; the fonts hold dingbats and symbols.
    for (const char* name : {"D050000L", "Standard Symbols PS"}) {
        const Row* r = find(rows, QString::fromLatin1(name));
        ASSERT_NE(r, nullptr) << name;
        EXPECT_EQ(r->charset, 2) << name;
        EXPECT_EQ(r->list.toStdString(), "symbol-truetype") << name;
    }
}

TEST(FontconfigSource, TypeOneFamiliesWithoutAnOpenTypeBuild)
{
    const auto rows = details(qEnvironmentVariable("TYPECASK_TEST_FONTCONFIG_TYPE1"));
    const Row* sans = find(rows, u"Nimbus Sans"_qs);
    ASSERT_NE(sans, nullptr);
    EXPECT_EQ(sans->list, u"western-other");
    EXPECT_EQ(sans->type, 0);
    EXPECT_TRUE(sans->avg.isEmpty()); // no OS/2 table
    for (const char* name : {"D050000L", "Standard Symbols PS"}) {
        const Row* r = find(rows, QString::fromLatin1(name));
        ASSERT_NE(r, nullptr) << name;
        EXPECT_EQ(r->list.toStdString(), "symbol-other") << name;
    }
}

// The test font set's own faces, handed over in fontconfig's order and reversed.
TEST(FontconfigSource, ListingOrderDecidesNothing)
{
    FcConfig* config = FcInitLoadConfigAndFonts();
    ASSERT_NE(config, nullptr);
    FcFontSet* set = FcConfigGetFonts(config, FcSetSystem);
    ASSERT_NE(set, nullptr);
    std::vector<FcPattern*> faces(set->fonts, set->fonts + set->nfont);
    const auto forward = FontconfigSource::familiesOf(faces.data(), static_cast<int>(faces.size()));
    std::reverse(faces.begin(), faces.end());
    const auto backward = FontconfigSource::familiesOf(faces.data(), static_cast<int>(faces.size()));
    FcConfigDestroy(config);

    ASSERT_EQ(forward.size(), backward.size());
    QHash<QString, const FontconfigSource::Family*> byName;
    for (const auto& f : backward)
        byName.insert(f.font.faceName, &f);
    for (const auto& f : forward) {
        SCOPED_TRACE(f.font.faceName.toStdString());
        const auto* other = byName.value(f.font.faceName);
        ASSERT_NE(other, nullptr);
        EXPECT_EQ(other->font.charset, f.font.charset);
        EXPECT_EQ(other->font.fontType, f.font.fontType);
        EXPECT_EQ(other->file.toStdString(), f.file.toStdString());
        EXPECT_EQ(other->faceIndex, f.faceIndex);
    }
    for (const auto* families : {&forward, &backward}) {
        for (const auto& f : *families) {
            if (f.file.contains("urw-base35")) {
                SCOPED_TRACE(f.font.faceName.toStdString());
                EXPECT_TRUE(f.file.endsWith(".otf")) << f.file.toStdString();
                EXPECT_EQ(f.font.fontType, 4);
                const bool symbol =
                    f.font.faceName == u"D050000L" || f.font.faceName == u"Standard Symbols PS";
                EXPECT_EQ(f.font.charset, symbol ? 2 : 0);
            }
        }
    }
}

TEST(RepresentativeFaces, OpenTypeThenRegularThenFile)
{
    auto face = [](const char* family, const char* format, int weight, int slant, const char* file,
                   bool outline = true) {
        ListedFace f;
        f.family = family;
        f.format = format;
        f.outline = outline;
        f.weight = weight;
        f.slant = slant;
        f.file = file;
        return f;
    };
    const std::vector<ListedFace> listing = {
        face("Sans", "Type 1", 80, 0, "t1/Sans-Regular.t1"),
        face("Sans", "CFF", 200, 0, "otf/Sans-Bold.otf"),
        face("Sans", "CFF", 80, 0, "otf/Sans-Regular.otf"),
        face("Sans", "CFF", 80, 100, "otf/Sans-Italic.otf"),
        face("Old", "Type 1", 200, 0, "t1/Old-Bold.t1"),
        face("Old", "Type 1", 80, 0, "t1/Old-Regular.t1"),
        face("Old", "PCF", 80, 0, "misc/old.pcf", false),
        face("Twice", "TrueType", 80, 0, "b/Twice.ttf"),
        face("Twice", "TrueType", 80, 0, "a/Twice.ttf"),
        face("", "TrueType", 80, 0, "nameless.ttf"),
    };
    auto chosenFiles = [](const std::vector<ListedFace>& faces) {
        QHash<QByteArray, QByteArray> files;
        for (std::size_t i : representativeFaces(faces))
            files.insert(faces[i].family, faces[i].file);
        return files;
    };
    const QHash<QByteArray, QByteArray> expected{
        {"Sans", "otf/Sans-Regular.otf"}, {"Old", "t1/Old-Regular.t1"}, {"Twice", "a/Twice.ttf"}};
    EXPECT_EQ(chosenFiles(listing), expected);
    std::vector<ListedFace> reversed(listing.rbegin(), listing.rend());
    EXPECT_EQ(chosenFiles(reversed), expected);

    // One record per family, in the order the families first appear.
    const auto order = representativeFaces(reversed);
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(reversed[order[0]].family, "Twice");
    EXPECT_EQ(reversed[order[1]].family, "Old");
    EXPECT_EQ(reversed[order[2]].family, "Sans");
}

TEST(FontconfigSource, DetailsReadFromTheTablesEqualFreeTypes)
{
    FontconfigSource tables;
    FontconfigSource freetype;
    freetype.setReadTablesDirectly(false);
    QStringList names;
    tables.enumerate([&names](const EnumeratedFont& f) {
        names.append(f.faceName);
        return true;
    });
    ASSERT_GT(names.size(), 20);
    for (const QString& name : names) {
        const std::optional<FontDetails> a = tables.readDetails(name);
        const std::optional<FontDetails> b = freetype.readDetails(name);
        ASSERT_EQ(a.has_value(), b.has_value()) << name.toStdString();
        if (!a)
            continue;
        EXPECT_EQ(a->pitchAndFamily, b->pitchAndFamily) << name.toStdString();
        EXPECT_EQ(a->logicalHeight, b->logicalHeight) << name.toStdString();
        EXPECT_EQ(a->logicalWidth, b->logicalWidth) << name.toStdString();
        EXPECT_EQ(a->averageWidthUnits, b->averageWidthUnits) << name.toStdString();
    }
}

TEST(FontconfigSource, DefaultListIsJapaneseAndWesternTrueTypeSorted)
{
    const auto rows = details();
    QStringList expected;
    for (const Row& r : rows)
        if ((r.list == u"japanese-truetype" || r.list == u"western-truetype") && !r.name.startsWith(u'@'))
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
    // QFontInfo's name for a family two foundries supply.
    EXPECT_EQ(src.resolveFamily(u"Nimbus Sans [UKWN]"_qs), u"Nimbus Sans");
    EXPECT_TRUE(src.resolveFamily(u"No Such Family [urw]"_qs).isEmpty());
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
    EXPECT_EQ(charsetForCoverage(
                  LanguageCoverage{[](const char* l) { return qstrcmp(l, "en") == 0; }, false, false, true}),
              2); // a byte table under a Unicode label: its Latin coverage is not text
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

// What fontconfig's own matcher picks, for comparison.
static QString fcMatchFamily(const char* pattern)
{
    FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(nullptr, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, p, &result);
    FcChar8* family = nullptr;
    QString name;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
        name = QString::fromUtf8(reinterpret_cast<const char*>(family));
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(p);
    return name;
}

TEST(FontconfigSource, MatchedFamilyIsFontconfigsChoiceAndCoversTheLanguage)
{
    for (const char* pattern : {"sans-serif:lang=ja", "serif:lang=ja", "monospace:lang=th", "DejaVu Serif"})
        EXPECT_EQ(matchedFamily(QString::fromLatin1(pattern)), fcMatchFamily(pattern)) << pattern;
    // The test font set has no alias rules: every family counts as sans-serif.
    EXPECT_EQ(genericFamilyOf(u"DejaVu Serif"_qs), u"sans-serif");
    EXPECT_EQ(genericFamilyOf(u"No Such Family"_qs), u"sans-serif");
}

namespace {

// A face's table directory with the given tables, each at an offset and length as given.
QByteArray sfntWith(std::initializer_list<std::tuple<const char*, std::uint32_t, std::uint32_t>> tables)
{
    QByteArray b;
    const auto be = [&b](std::uint64_t v, int bytes) { // six bytes at most
        for (int i = bytes - 1; i >= 0; --i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    be(0x00010000, 4);
    be(static_cast<std::uint32_t>(tables.size()), 2);
    be(0, 6);
    for (const auto& [tag, offset, length] : tables) {
        b.append(tag, 4);
        be(0, 4);
        be(offset, 4);
        be(length, 4);
    }
    return b;
}

} // namespace

// The reader takes any bytes (a fuzzer feeds it): what the directory points past is not there.
TEST(SfntTables, OffsetsAndLengthsAreCheckedAgainstTheData)
{
    QByteArray font = sfntWith({{"glyf", 0, 0}, {"OS/2", 44, 78}});
    EXPECT_FALSE(readSfntFace(font, 0)->os2) << "OS/2 wholly past the end";
    font.append(77, '\0');
    EXPECT_FALSE(readSfntFace(font, 0)->os2) << "one byte short";
    font.append('\0');
    font[44 + 2] = 0x01; // xAvgCharWidth 0x01F4 = 500
    font[44 + 3] = static_cast<char>(0xF4);
    const std::optional<SfntFace> face = readSfntFace(font, 0);
    ASSERT_TRUE(face && face->os2);
    EXPECT_TRUE(face->outline);
    EXPECT_EQ(face->os2->xAvgCharWidth, 500);
    EXPECT_FALSE(readSfntFace(font, 1)) << "not a collection: only face 0";
    EXPECT_FALSE(readSfntFace(font.first(40), 0)) << "directory cut short";
    EXPECT_FALSE(readSfntFace(sfntWith({{"OS/2", 0xFFFFFFF0u, 0xFFFFFFFFu}}), 0)->os2) << "offset wraps";

    // A collection: its face count and face offsets come from the data too.
    QByteArray ttc("ttcf\0\2\0\0\0\0\0\2", 12);
    ttc.append("\0\0\0\x14\x7F\0\0\0", 8); // face 0 at 20, face 1 far past the end
    ttc.append(font.first(44));
    EXPECT_TRUE(readSfntFace(ttc, 0));
    EXPECT_FALSE(readSfntFace(ttc, 1));
    EXPECT_FALSE(readSfntFace(ttc, 2)) << "past the face count";
}

// GSUB's feature list is read from the same untrusted bytes: its count and offset must fit the
// table the directory gives, or no feature is found.
TEST(SfntTables, FeatureTagsAreReadOnlyInsideTheGsubTable)
{
    const std::uint32_t vert = 0x76657274, vrt2 = 0x76727432, kern = 0x6B65726E;
    const auto gsubFont = [](std::uint32_t length, std::uint16_t count, std::uint32_t tag) {
        QByteArray font = sfntWith({{"GSUB", 28, length}});
        // Version 1.0, script list 0, feature list at 10, lookup list 0; then the list.
        font.append("\0\1\0\0\0\0\0\x0A\0\0", 10);
        font.append(static_cast<char>(count >> 8)).append(static_cast<char>(count & 0xFF));
        for (int i = 3; i >= 0; --i)
            font.append(static_cast<char>(tag >> (8 * i) & 0xFF));
        font.append("\0\0", 2);
        return font;
    };
    const std::uint32_t both[] = {vert, vrt2};
    const std::uint32_t onlyKern[] = {kern};
    const QByteArray good = gsubFont(18, 1, vrt2);
    EXPECT_TRUE(hasGsubFeature(readFromBytes(good), 0, both));
    EXPECT_FALSE(hasGsubFeature(readFromBytes(good), 0, onlyKern));
    EXPECT_FALSE(hasGsubFeature(readFromBytes(gsubFont(17, 1, vrt2)), 0, both)) << "record past the table";
    EXPECT_FALSE(hasGsubFeature(readFromBytes(gsubFont(18, 0xFFFF, vrt2)), 0, both))
        << "count past the table";
    EXPECT_FALSE(hasGsubFeature(readFromBytes(gsubFont(0xFFFFFFFFu, 2, vrt2)), 0, both))
        << "records past the data";
}

// Each family with vertical alternates (every IPA family has vert) is listed a second time as
// "@" + its name, right after it and in the same list; its lookups and details are the family's.
TEST(FontconfigSource, VerticalWritingFamiliesFollowTheirFamily)
{
    FontconfigSource src;
    std::vector<EnumeratedFont> listed;
    src.enumerate([&listed](const EnumeratedFont& f) {
        listed.push_back(f);
        return true;
    });
    QStringList vertical;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (!listed[i].faceName.startsWith(u'@'))
            continue;
        vertical.append(listed[i].faceName);
        ASSERT_GT(i, 0u);
        EXPECT_EQ(u'@' + listed[i - 1].faceName, listed[i].faceName);
        EXPECT_EQ(listed[i - 1].charset, listed[i].charset);
        EXPECT_EQ(listed[i - 1].fontType, listed[i].fontType);
    }
    vertical.sort();
    EXPECT_EQ(vertical,
              (QStringList{u"@IPA Pゴシック"_qs, u"@IPA P明朝"_qs, u"@IPAゴシック"_qs, u"@IPA明朝"_qs}));

    EXPECT_EQ(src.resolveFamily(u"@ipagothic"_qs), u"@IPAゴシック");
    EXPECT_TRUE(src.resolveFamily(u"@DejaVu Sans"_qs).isEmpty());
    const auto at = src.readDetails(u"@IPA明朝"_qs);
    const auto plain = src.readDetails(u"IPA明朝"_qs);
    ASSERT_TRUE(at && plain);
    EXPECT_EQ(at->pitchAndFamily, plain->pitchAndFamily);
    EXPECT_EQ(at->averageWidthUnits, plain->averageWidthUnits);

    // Listed only when asked for, as the font list does with ShowVerticalFonts.
    EXPECT_FALSE(runCli({u"fonts"_qs}).contains(u'@'));
    EXPECT_TRUE(runCli({u"fonts"_qs, u"--vertical"_qs}).contains(u"\n@IPA明朝\n"_qs));
}

TEST(FontFileDetails, TheAllocationBoundLeavesRealFontsReadable)
{
    // The damaged Type 1 font (one bit of a segment length flipped) for which FreeType asked for
    // 2 GiB is refused; the fuzz target's seeds keep it, where libFuzzer's allocation limit
    // catches the request. The font it was damaged from, and a large CJK font, still read.
    FT_LibraryRec_* freetype = newBoundedFreeType();
    ASSERT_NE(freetype, nullptr);
    const QString data = qEnvironmentVariable("TYPECASK_TEST_DATA") + u"/fonts/"_qs;
    EXPECT_FALSE(
        fontFileDetails(freetype, QFile::encodeName(data + u"type1-segment-2gib.pfb"_qs), 0, false, false));
    EXPECT_TRUE(
        fontFileDetails(freetype, QFile::encodeName(data + u"standard-symbols.pfb"_qs), 0, false, false));
    EXPECT_TRUE(
        fontFileDetails(freetype, "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", 0, true, false));
    FT_Done_Library(freetype);
}
