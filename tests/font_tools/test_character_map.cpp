#include "export/rtf_writer.h"
#include "fakes/fake_font_source.h"
#include "font_tools/character_map.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(CharacterMap, PageListHoldsTheLeadBytesAndTheSingleBytePage)
{
    const QStringList pages = characterPageList();
    // The empty item, 80..A0 (33 lead bytes) and E0..FF (32).
    ASSERT_EQ(pages.size(), 1 + 33 + 32);
    EXPECT_EQ(pages.first(), QString());
    EXPECT_EQ(pages[1], u"80"_qs);
    EXPECT_EQ(pages[33], u"A0"_qs);
    EXPECT_EQ(pages[34], u"E0"_qs);
    EXPECT_EQ(pages.last(), u"FF"_qs);
    EXPECT_FALSE(pages.contains(u"A1"_qs));
    EXPECT_FALSE(pages.contains(u"DF"_qs));

    EXPECT_EQ(characterPageBase(-1), 0);
    EXPECT_EQ(characterPageBase(0), 0);
    EXPECT_EQ(characterPageBase(2), 0x8100);
    EXPECT_EQ(characterPageBase(33), 0xA000);
    EXPECT_EQ(characterPageBase(65), 0xFF00);
    EXPECT_EQ(characterPageBase(66), 0);
    EXPECT_TRUE(showsCharacterPages(128));
    EXPECT_FALSE(showsCharacterPages(0));
}

TEST(CharacterMap, EveryPageHas224CodesEachShowingOneCharacter)
{
    for (int row = 0; row < characterPageList().size(); ++row) {
        const int base = characterPageBase(row);
        const std::vector<CharacterCell> cells = characterPage(base);
        ASSERT_EQ(cells.size(), 224u) << row;
        for (int i = 0; i < 224; ++i) {
            const CharacterCell& c = cells[static_cast<std::size_t>(i)];
            EXPECT_EQ(c.code, base + 0x20 + i);
            // Never empty: a code that is no character shows the replacement sign.
            EXPECT_EQ(c.text.toUcs4().size(), 1) << std::hex << c.code;
            if (!c.valid) {
                EXPECT_EQ(c.text, QString(QChar(0xFFFD))) << std::hex << c.code;
            }
        }
    }
}

TEST(CharacterMap, CodesAsCodePage932HasThem)
{
    const auto text = [](int code) { return characterCell(static_cast<std::uint16_t>(code)).text; };
    const auto valid = [](int code) { return characterCell(static_cast<std::uint16_t>(code)).valid; };
    EXPECT_EQ(text(0x41), u"A"_qs);
    EXPECT_EQ(text(0x5C), u"\\"_qs);
    EXPECT_EQ(text(0xB1), u"ｱ"_qs);
    EXPECT_EQ(text(0x82A0), u"あ"_qs);
    EXPECT_EQ(text(0x8140), u"　"_qs);
    EXPECT_EQ(text(0x8740), u"①"_qs);                // NEC row 13
    EXPECT_EQ(text(0xFA40), u"ⅰ"_qs);                // IBM extensions
    EXPECT_EQ(text(0xF040), QString(QChar(0xE000))); // user-defined area
    // Lone lead bytes, unassigned single bytes, trail bytes out of range, unassigned pairs.
    for (int code : {0x80, 0xA0, 0x81, 0xE0, 0xFD, 0xFF, 0x8120, 0x817F, 0xA040, 0xEAA5, 0xFC4C, 0xFFFF})
        EXPECT_FALSE(valid(code)) << std::hex << code;
    EXPECT_EQ(characterCell(0x8120).text, characterCell(0xFFFF).text); // the same every time
}

TEST(CharacterMap, CaptionNamesTheCharacterAndTheLowByte)
{
    EXPECT_EQ(characterMapCaption(u"A"_qs, 33), u"文字一覧(20-FF)[A41]"_qs);
    EXPECT_EQ(characterMapCaption(u"あ"_qs, 0xA0 - 0x20), u"文字一覧(20-FF)[あA0]"_qs);
    EXPECT_EQ(characterMapCaption(u" "_qs, 0), u"文字一覧(20-FF)[ 20]"_qs);
    EXPECT_EQ(characterMapCaption(u"x"_qs, 223), u"文字一覧(20-FF)[xFF]"_qs);
}

TEST(CharacterMap, ColumnsStepAndAppend)
{
    EXPECT_EQ(characterMapColumns(0, 20), 1);
    EXPECT_EQ(characterMapColumns(999, 20), 1);
    EXPECT_EQ(characterMapColumns(1000, 20), 2);
    EXPECT_EQ(characterMapColumns(11400, 20), 12);
    EXPECT_EQ(characterMapColumns(-500, 20), 1);

    // Previous / next with wrap-around; from no selection "next" starts at the top.
    EXPECT_EQ(steppedFontRow(0, 4, false), 3);
    EXPECT_EQ(steppedFontRow(-1, 4, false), 3);
    EXPECT_EQ(steppedFontRow(2, 4, false), 1);
    EXPECT_EQ(steppedFontRow(3, 4, true), 0);
    EXPECT_EQ(steppedFontRow(-1, 4, true), 0);
    EXPECT_EQ(steppedFontRow(1, 4, true), 2);
    EXPECT_EQ(steppedFontRow(0, 1, true), 0);
    EXPECT_EQ(steppedFontRow(-1, 0, true), -1);
    EXPECT_EQ(steppedFontRow(-1, 0, false), -1);

    EXPECT_EQ(appendedSampleText(u"ab"_qs, u"𠀋"_qs, 4), u"ab𠀋"_qs);
    EXPECT_EQ(appendedSampleText(u"abcd"_qs, u"x"_qs, 4), u"abcd"_qs); // a full box takes nothing
}

TEST(CharacterMap, CopyIsTheSampleUprightAndNotBold)
{
    auto source = std::make_shared<fakes::FakeFontSource>();
    source->add(u"IPAゴシック"_qs, 128, TrueTypeFontType);
    const FontCatalog catalog = fakes::catalogOf(*source);
    Sample s{u"IPAゴシック"_qs, u"sample"_qs, 24, true, true, 0x0000FF, 0xFFFFFF, Alignment::Center};
    const ClipboardContent c = characterCopy(catalog, s, u"あ"_qs);
    EXPECT_EQ(c.text, u"あ"_qs);
    EXPECT_EQ(c.rtf,
              sampleRtf(catalog, u"IPAゴシック"_qs, u"あ"_qs, 24, 0x0000FF, false, false, Alignment::Center));
    EXPECT_TRUE(c.rtf.contains(R"(\fs48\cf1\qc)"));
}
