#include "core/character_coverage.h"
#include "fakes/fake_font_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace typecask;
using fakes::FakeFontSource;

TEST(CharacterCoverage, PageWalkAgreesWithCountingOneByOne)
{
    // Random faces and sets that share some pages, miss others and run past page ends.
    std::mt19937 random(26);
    const auto draw = [&random](int n) {
        std::set<char32_t> s;
        std::uniform_int_distribution<int> page(0, 40);
        std::uniform_int_distribution<int> cell(0, 255);
        while (static_cast<int>(s.size()) < n)
            s.insert(static_cast<char32_t>(0x4E00 + page(random) * 256 + cell(random)));
        s.insert(0x20000 + static_cast<char32_t>(cell(random))); // beyond the BMP
        return std::vector<char32_t>(s.begin(), s.end());
    };
    for (int round = 0; round < 20; ++round) {
        const std::vector<char32_t> faceChars = draw(1500);
        const std::vector<char32_t> setChars = draw(900);
        const CharacterPages face = CharacterPages::fromCharacters(faceChars);
        const CharacterPages set = CharacterPages::fromCharacters(setChars);
        std::vector<char32_t> expected;
        std::set_difference(setChars.begin(), setChars.end(), faceChars.begin(), faceChars.end(),
                            std::back_inserter(expected));
        EXPECT_EQ(missingCharacters(face, set), expected);
        EXPECT_EQ(countCovered(face, set), static_cast<int>(setChars.size() - expected.size()));
        EXPECT_EQ(face.size(), static_cast<int>(faceChars.size()));
        for (char32_t c : setChars)
            EXPECT_EQ(face.contains(c), std::binary_search(faceChars.begin(), faceChars.end(), c));
    }
    EXPECT_EQ(countCovered({}, CharacterPages::fromCharacters(std::vector<char32_t>{0x41})), 0);
    EXPECT_EQ(missingCharacters({}, CharacterPages::fromCharacters(std::vector<char32_t>{0x41, 0x4E00})),
              (std::vector<char32_t>{0x41, 0x4E00}));
}

TEST(JapaneseSets, SizesAsPublishedAndSupplementsNested)
{
    const std::span<const JapaneseSet> sets = japaneseSets();
    const std::pair<const char*, int> published[] = {{"joyo", 2136}, {"jinmeiyo", 863},    {"jis1", 2965},
                                                     {"jis2", 3390}, {"jis3", 1259},       {"jis4", 2436},
                                                     {"kana", 169},  {"jis-nonkanji", 524}};
    for (const auto& [name, total] : published) {
        const int i = japaneseSetIndex(QString::fromLatin1(name));
        ASSERT_GE(i, 0) << name;
        EXPECT_EQ(sets[static_cast<std::size_t>(i)].total, total) << name;
    }
    EXPECT_EQ(japaneseSetIndex(u"JOYO"_qs), japaneseSetIndex(u"joyo"_qs));
    EXPECT_EQ(japaneseSetIndex(u"joyo2"_qs), -1);
    EXPECT_EQ(sets[static_cast<std::size_t>(japaneseSetIndex(u"jis2"_qs))].label, u"JIS第2水準");
    EXPECT_EQ(sets[static_cast<std::size_t>(japaneseSetIndex(u"aj1-4"_qs))].label, u"Adobe-Japan1-4");

    // Each table's ranges ascend apart and add up to its total.
    for (std::size_t i = 0; i < sets.size(); ++i) {
        EXPECT_EQ(japaneseSetPages()[i].size(), sets[i].total) << sets[i].name.toStdString();
        for (std::size_t r = 1; r < sets[i].ranges.size(); ++r)
            EXPECT_GT(sets[i].ranges[r].first, sets[i].ranges[r - 1].last + 1);
    }
    // Every supplement holds the one before it; level 1 and 2 do not meet.
    for (int n = 1; n <= 7; ++n) {
        const CharacterPages& before = japaneseSetPages()[japaneseSetIndex(u"aj1-%1"_qs.arg(n - 1))];
        const CharacterPages& after = japaneseSetPages()[japaneseSetIndex(u"aj1-%1"_qs.arg(n))];
        EXPECT_TRUE(missingCharacters(after, before).empty()) << n;
    }
    EXPECT_EQ(countCovered(japaneseSetPages()[japaneseSetIndex(u"jis1"_qs)],
                           japaneseSetPages()[japaneseSetIndex(u"jis2"_qs)]),
              0);
}

TEST(CatalogCoverage, CountedOncePerFamilyAndKept)
{
    auto source = std::make_shared<FakeFontSource>();
    source->add(u"Kana"_qs, 128, TrueTypeFontType).add(u"Latin"_qs, 0, TrueTypeFontType);
    for (char32_t c = 0x3041; c <= 0x3093; ++c) // the hiragana of JIS X 0208 row 4
        source->families[0].characters.push_back(c);
    source->families[0].characters.push_back(0x4E00); // 一, in 常用漢字 and level 1
    source->families[1].characters = {0x41, 0x42};
    FontCatalog catalog = fakes::catalogOf(*source);
    catalog.setSource(source);

    const std::vector<int>& kana = catalog.coverage(*catalog.find(u"Kana"_qs));
    EXPECT_EQ(kana[static_cast<std::size_t>(japaneseSetIndex(u"kana"_qs))], 83);
    EXPECT_EQ(kana[static_cast<std::size_t>(japaneseSetIndex(u"joyo"_qs))], 1);
    EXPECT_EQ(kana[static_cast<std::size_t>(japaneseSetIndex(u"jis1"_qs))], 1);
    EXPECT_EQ(kana[static_cast<std::size_t>(japaneseSetIndex(u"jis2"_qs))], 0);
    const std::vector<int>& latin = catalog.coverage(*catalog.find(u"Latin"_qs));
    EXPECT_EQ(latin[static_cast<std::size_t>(japaneseSetIndex(u"joyo"_qs))], 0);
    EXPECT_EQ(latin[static_cast<std::size_t>(japaneseSetIndex(u"aj1-0"_qs))], 2); // Adobe-Japan1 has ASCII
    catalog.coverage(*catalog.find(u"Kana"_qs));
    EXPECT_EQ(source->characterReads, 2);
    EXPECT_EQ(coverageLine(japaneseSets()[0], 2136), u"常用漢字 2136 / 2136");
}
