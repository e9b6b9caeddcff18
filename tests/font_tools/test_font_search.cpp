#include "core/font_filter.h"
#include "fakes/fake_font_source.h"
#include "font_tools/font_search.h"

#include <gtest/gtest.h>

using namespace typecask;
using fakes::FakeFontSource;

namespace {

FontDetails details(std::uint8_t pitchAndFamily, int height, int width)
{
    FontDetails d;
    d.pitchAndFamily = pitchAndFamily;
    d.logicalHeight = height;
    d.logicalWidth = width;
    return d;
}

struct Catalog
{
    std::shared_ptr<FakeFontSource> source = std::make_shared<FakeFontSource>();
    FontCatalog catalog;
    explicit Catalog(const std::function<void(FakeFontSource&)>& fill)
    {
        fill(*source);
        catalog.setSource(source);
        enumerateFonts(catalog, *source);
    }
};

} // namespace

TEST(MatchFontName, WordsIgnoreCaseAndWidthAndMayComeInAnyOrder)
{
    struct Case
    {
        const char16_t* text;
        const char16_t* name;
        bool matches;
    };
    const Case cases[] = {
        {u"", u"anything", true},
        {u"ipa", u"IPAゴシック", true},
        {u"ＩＰＡ", u"IPAゴシック", true},         // full-width text, half-width name
        {u"ipa", u"ＩＰＡ明朝", true},             // and the other way round
        {u"ｺﾞｼｯｸ", u"IPAゴシック", true},          // half-width kana with its sound mark
        {u"ゴシック ipa", u"IPA Pゴシック", true}, // any order
        {u"IPA 明朝", u"IPAゴシック", false},      // every word must occur
        {u"sans mono", u"DejaVu Sans Mono", true},
        {u"sans  mono", u"DejaVu Sans Mono", true}, // consecutive spaces give empty words
        {u"  ", u"x", true},                        // only empty words: nothing is missing
        {u"sans mono", u"DejaVu Sans", false},
        // A full-width space is part of a word, which must occur whole (the name's
        // half-width space is full width there).
        {u"dejavu　sans", u"DejaVu Sans", true},
        {u"sans　dejavu", u"DejaVu Sans", false},
        {u"ipa　ゴシック", u"IPA Pゴシック", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchFontName(QString::fromUtf16(c.text), QString::fromUtf16(c.name)), c.matches)
            << QString::fromUtf16(c.text).toStdString() << " / " << QString::fromUtf16(c.name).toStdString();
}

TEST(MatchFontName, OnlyElevenWordsCount)
{
    // Words 0..10 all occur; a twelfth that does not is ignored, as is everything after it.
    const QString eleven = u"a b c d e f g h i j k"_qs;
    const QString name = u"abcdefghijk"_qs;
    EXPECT_TRUE(matchFontName(eleven, name));
    EXPECT_TRUE(matchFontName(eleven + u" zzz q"_qs, name));
    EXPECT_FALSE(matchFontName(u"a b c d e f g h i j zzz"_qs, name));
    // Empty words use up places too: after "a" and ten empty words, the eleventh space ends it.
    EXPECT_TRUE(matchFontName(u"a"_qs + QString(11, u' ') + u"zzz"_qs, u"a"_qs));
    EXPECT_FALSE(matchFontName(u"a"_qs + QString(10, u' ') + u"zzz"_qs, u"a"_qs));
    EXPECT_EQ(searchWords(u"a b c d e f g h i j k l"_qs).size(), 11);
}

TEST(ToFullWidth, JoinsSoundMarksAndWidensSigns)
{
    EXPECT_EQ(toFullWidth(u"Ab 1~"_qs), u"Ａｂ　１～"_qs);
    EXPECT_EQ(toFullWidth(u"ｶﾞﾊﾟｳﾞｱﾞﾞ"_qs), u"ガパヴア゛゛"_qs);
    EXPECT_EQ(toFullWidth(u"¥¢｡"_qs), u"￥￠。"_qs);
    EXPECT_EQ(normalisedFontName(u"Ipa Pｺﾞｼｯｸ"_qs), u"ＩＰＡ　Ｐゴシック"_qs);
}

TEST(FontNameIndex, TrueTypeListsFirstInCategoryOrder)
{
    Catalog c([](FakeFontSource& s) {
        s.add(u"w-raster"_qs, 0, RasterFontType)
            .add(u"o-tt"_qs, 161, TrueTypeFontType)
            .add(u"j-tt"_qs, 128, TrueTypeFontType)
            .add(u"s-type1"_qs, 2, 0)
            .add(u"w-tt"_qs, 0, TrueTypeFontType)
            .add(u"j-raster"_qs, 128, RasterFontType);
    });
    const FontNameIndex index(c.catalog);
    EXPECT_EQ(index.names(), (QStringList{u"j-tt"_qs, u"w-tt"_qs, u"o-tt"_qs, u"j-raster"_qs, u"w-raster"_qs,
                                          u"s-type1"_qs}));
    EXPECT_EQ(index.normalisedAt(0), u"Ｊ－ＴＴ"_qs);
    EXPECT_EQ(index.normalised(u"not listed"_qs), u"ＮＯＴ　ＬＩＳＴＥＤ"_qs);
}

TEST(DetailedConditions, EachBoxOfEachGroup)
{
    const FontDetails roman = details(0x12, 16, 8);
    struct Case
    {
        int charset;
        int fontType;
        int charsetBox;
        int typeBox;
    };
    const Case cases[] = {{0, TrueTypeFontType, SearchWestern, SearchTrueType},
                          {128, RasterFontType, SearchJapanese, SearchRaster},
                          {2, DeviceFontType, SearchSymbol, SearchDevice},
                          {222, 0, SearchOtherCharset, SearchOtherType},
                          {1, TrueTypeFontType | DeviceFontType, SearchOtherCharset, SearchOtherType}};
    for (const Case& c : cases) {
        const EnumeratedFont font{u"f"_qs, c.charset, c.fontType};
        DetailedConditions d;
        EXPECT_TRUE(passesDetailedConditions(font, &roman, d)) << c.charset;
        d.charsets[static_cast<std::size_t>(c.charsetBox)] = false;
        EXPECT_FALSE(passesDetailedConditions(font, &roman, d)) << c.charset;
        d = {};
        d.fontTypes[static_cast<std::size_t>(c.typeBox)] = false;
        EXPECT_FALSE(passesDetailedConditions(font, &roman, d)) << c.fontType;
    }

    // Family boxes, by the pitch-and-family byte without its pitch bits.
    const EnumeratedFont font{u"f"_qs, 0, TrueTypeFontType};
    const std::pair<std::uint8_t, int> families[] = {{0x52, 0}, {0x02, 1}, {0x31, 2},       {0x12, 3},
                                                     {0x41, 4}, {0x22, 5}, {0x80 | 0x22, 5}};
    for (const auto& [byte, box] : families) {
        const FontDetails d = details(byte, 16, 8);
        DetailedConditions c;
        c.families[static_cast<std::size_t>(box)] = false;
        EXPECT_FALSE(passesDetailedConditions(font, &d, c)) << int(byte);
        c.families[static_cast<std::size_t>(box)] = true;
        EXPECT_TRUE(passesDetailedConditions(font, &d, c)) << int(byte);
    }
    // A byte outside the six classes skips the family test, however the boxes stand.
    DetailedConditions none;
    none.families.fill(false);
    for (std::uint8_t byte : {0x06, 0x0A, 0x62, 0x70}) {
        const FontDetails d = details(byte, 16, 8);
        EXPECT_TRUE(passesDetailedConditions(font, &d, none)) << int(byte);
    }
    // Unread details count as a family byte of 0 ("なし").
    DetailedConditions noneOff;
    noneOff.families[1] = false;
    EXPECT_FALSE(passesDetailedConditions(font, nullptr, noneOff));
    EXPECT_TRUE(passesDetailedConditions(font, nullptr, DetailedConditions{}));
}

TEST(DetailedConditions, RatioPassesOnEqualityBothWays)
{
    const EnumeratedFont font{u"f"_qs, 0, TrueTypeFontType};
    const FontDetails half = details(0x22, 16, 8);
    DetailedConditions c;
    c.ratio = true;
    c.threshold = 50;
    EXPECT_TRUE(passesDetailedConditions(font, &half, c));
    c.atMost = true;
    EXPECT_TRUE(passesDetailedConditions(font, &half, c));
    c.threshold = 49;
    EXPECT_FALSE(passesDetailedConditions(font, &half, c));
    c.atMost = false;
    EXPECT_TRUE(passesDetailedConditions(font, &half, c));
    c.threshold = 51;
    EXPECT_FALSE(passesDetailedConditions(font, &half, c));
    // 7/10 is not exactly 0.7 in either precision; computed alike, the two still meet.
    const FontDetails seventy = details(0x22, 10, 7);
    c.threshold = 70;
    EXPECT_TRUE(passesDetailedConditions(font, &seventy, c));
    c.atMost = true;
    EXPECT_TRUE(passesDetailedConditions(font, &seventy, c));

    // No height, or no details at all: no ratio, and the family fails in both directions.
    const FontDetails flat = details(0x22, 0, 8);
    c.threshold = 0;
    EXPECT_FALSE(passesDetailedConditions(font, &flat, c));
    EXPECT_FALSE(passesDetailedConditions(font, nullptr, c));
    c.atMost = false;
    EXPECT_FALSE(passesDetailedConditions(font, &flat, c));
    // The ratio box off: the heights are not looked at.
    c.ratio = false;
    EXPECT_TRUE(passesDetailedConditions(font, &flat, c));
}

TEST(SearchThreshold, OnlyAWholeNumberUpTo32767IsKept)
{
    EXPECT_EQ(searchThresholdText(u"75"_qs), u"75"_qs);
    EXPECT_EQ(searchThresholdText(u"0"_qs), u"0"_qs);
    EXPECT_EQ(searchThresholdText(u"32767"_qs), u"32767"_qs);
    for (const QString& bad :
         {u""_qs, u"32768"_qs, u"99999999999999"_qs, u"5a"_qs, u"-5"_qs, u" 5"_qs, u"５"_qs})
        EXPECT_EQ(searchThresholdText(bad), u"50"_qs) << bad.toStdString();
}

TEST(SearchProgress, RoundsHalvesToEven)
{
    EXPECT_EQ(searchProgressPercent(0, 4), 0);
    EXPECT_EQ(searchProgressPercent(1, 8), 12);       // 12.5
    EXPECT_EQ(searchProgressPercent(3, 8), 38);       // 37.5
    EXPECT_EQ(searchProgressPercent(999, 1000), 100); // the last candidate of a long list
    EXPECT_EQ(searchProgressPercent(0, 0), 0);
}

TEST(SearchFonts, NamesDetailsAndNarrowing)
{
    Catalog c([](FakeFontSource& s) {
        s.add(u"IPAゴシック"_qs, 128, TrueTypeFontType, details(0x31, 16, 7))
            .add(u"dejavu sans"_qs, 0, TrueTypeFontType, details(0x22, 16, 7))
            .add(u"Fixed"_qs, 0, RasterFontType, details(0x31, 20, 10))
            .add(u"DejaVu Serif"_qs, 0, TrueTypeFontType, details(0x12, 16, 7))
            .add(u"IPA明朝"_qs, 128, TrueTypeFontType, details(0x31, 16, 7));
        s.families[0].otherNames << u"IPAGothic"_qs;
    });
    const FontNameIndex index(c.catalog);

    // The results list's order: alphabetical ignoring case.
    EXPECT_EQ(searchFonts(c.catalog, index, {u"ｄｅｊａｖｕ"_qs, {}, {}}),
              (QStringList{u"dejavu sans"_qs, u"DejaVu Serif"_qs}));
    EXPECT_EQ(searchFonts(c.catalog, index, {}).size(), 5);
    EXPECT_EQ(c.source->detailReads, 0); // a name search reads no font

    DetailedConditions raster;
    raster.fontTypes = {false, false, true, false};
    EXPECT_EQ(searchFonts(c.catalog, index, {QString(), raster, {}}), QStringList{u"Fixed"_qs});
    EXPECT_EQ(c.source->detailReads, 0); // nothing the fonts' files hold can change that
    DetailedConditions wide;
    wide.ratio = true;
    wide.charsets[SearchSymbol] = false;
    EXPECT_EQ(searchFonts(c.catalog, index, {QString(), wide, {}}), QStringList{u"Fixed"_qs});
    EXPECT_EQ(c.source->detailReads, 5);
    wide.families[SearchFamilyNone] = false;
    EXPECT_EQ(searchFonts(c.catalog, index, {QString(), wide, {}}), QStringList{u"Fixed"_qs});
    EXPECT_EQ(c.source->detailReads, 5); // each family read once, however often searched

    // Narrowing tries only the given names, in their order; a detailed search adds the family
    // under the name the system reports it by.
    const QStringList previous{u"IPAGothic"_qs, u"DejaVu Serif"_qs, u"No Such"_qs};
    EXPECT_EQ(searchFonts(c.catalog, index, {u"serif"_qs, {}, previous}), QStringList{u"DejaVu Serif"_qs});
    EXPECT_EQ(searchFonts(c.catalog, index, {QString(), DetailedConditions{}, previous}),
              (QStringList{u"DejaVu Serif"_qs, u"IPAゴシック"_qs}));
    EXPECT_EQ(searchFonts(c.catalog, index, {QString(), {}, previous}),
              (QStringList{u"DejaVu Serif"_qs, u"IPAGothic"_qs, u"No Such"_qs})); // names only

    // Progress after every candidate; false stops the search there.
    std::vector<int> seen;
    const QStringList partial = searchFonts(c.catalog, index, {}, [&seen](int i, int count) {
        EXPECT_EQ(count, 5);
        seen.push_back(i);
        return i < 1;
    });
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(partial.size(), 2);
}

TEST(SearchFonts, ResultsInTheListOrderOverManyFamilies)
{
    // Upper and lower case, equal names in several lists, "@" names: the results list's order
    // is the stable case-ignoring sort of what the search tries, whatever the words.
    const auto source = fakes::manyFamilies(2000);
    source->add(u"family 7"_qs, 128, TrueTypeFontType).add(u"FAMILY 7"_qs, 0, 0);
    const FontCatalog catalog = fakes::catalogOf(*source);
    const FontNameIndex index(catalog);
    for (const QString& text : {QString(), u"family 1"_qs, u"7 FAMILY"_qs, u"@"_qs}) {
        QStringList expected;
        for (const QString& name : index.names())
            if (matchFontName(text, name))
                expected.append(name);
        sortIgnoringCase(expected);
        EXPECT_EQ(searchFonts(catalog, index, {text, {}, {}}), expected) << text.toStdString();
    }
}

TEST(CoverageConditions, TextCharactersAndShares)
{
    // Distinct, ascending, pairs joined; nothing that no font draws.
    EXPECT_EQ(charactersToCover(u"b a\u00A0b\u200B\t𠀋a\uFE0F"_qs),
              (std::vector<char32_t>{U'a', U'b', 0x2000B}));
    EXPECT_EQ(charactersToCover(u"  "_qs), std::vector<char32_t>());
    EXPECT_FALSE(charactersToCover(u"a"_qs + QChar(0xD840)).has_value());       // a high half at the end
    EXPECT_FALSE(charactersToCover(QString(QChar(0xDC0B)) + u"a").has_value()); // a low half first

    // At least the share asked, never rounded up: 1068 of 2136 is 50 %, 1067 is not.
    EXPECT_TRUE(coversShare(1068, 2136, 50));
    EXPECT_FALSE(coversShare(1067, 2136, 50));
    EXPECT_TRUE(coversShare(2136, 2136, 100));
    EXPECT_FALSE(coversShare(2135, 2136, 100));
    EXPECT_TRUE(coversShare(0, 0, 100));
}

TEST(CoverageConditions, SearchKeepsTheFamiliesThatCoverEnough)
{
    const Catalog c([](FakeFontSource& s) {
        s.add(u"Kana"_qs, 128, TrueTypeFontType).add(u"Half"_qs, 128, TrueTypeFontType).add(u"A"_qs, 0, 4);
        for (char32_t k = 0x3041; k <= 0x3093; ++k)
            s.families[0].characters.push_back(k);
        for (char32_t k = 0x30A1; k <= 0x30F6; ++k)
            s.families[0].characters.push_back(k);
        s.families[1].characters.assign(s.families[0].characters.begin(),
                                        s.families[0].characters.begin() + 85);
        s.families[2].characters = {U'A'};
    });
    const FontNameIndex index(c.catalog);
    const auto found = [&](int percent, std::vector<char32_t> covers) {
        DetailedConditions d;
        d.set = japaneseSetIndex(u"kana"_qs);
        d.setPercent = percent;
        d.covers = std::move(covers);
        return searchFonts(c.catalog, index, {QString(), d, std::nullopt});
    };
    EXPECT_EQ(found(100, {}), QStringList{u"Kana"_qs});
    EXPECT_EQ(found(50, {}), (QStringList{u"Half"_qs, u"Kana"_qs})); // 85 of 169
    EXPECT_EQ(found(51, {}), QStringList{u"Kana"_qs});
    EXPECT_EQ(found(1, {0x30F6}), QStringList{u"Kana"_qs}); // ヶ, beyond Half's 85
    // The counts are kept: a second search reads no font.
    const int reads = c.source->characterReads;
    found(1, {});
    EXPECT_EQ(c.source->characterReads, reads);
}
