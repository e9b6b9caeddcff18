#include "core/colour.h"
#include "export/rtf_writer.h"
#include "export/string_table.h"
#include "fakes/fake_font_source.h"

#include <gtest/gtest.h>

using namespace typecask;
using fakes::FakeFontSource;

namespace {

const char* const Head =
    R"({\rtf1\ansi\ansicpg932\deff0\deftab720{\fonttbl{\f0\fswiss MS Sans Serif;}{\f1\froman\fcharset2 Symbol;})";
const char* const LineBreaking =
    R"rtf(\deflang1041\horzdoc{\*\fchars !%),.:\'3b?]\}\'a1\'a3\'a4\'a5\'a7\'a8\'a9\'aa\'ab\'ac\'ad\'ae\'af\'b0\'de\'df\'81\'41\'81\'42\'81\'43\'81\'44\'81\'45\'81\'46\'81\'47\'81\'48\'81\'49\'81\'4a\'81\'4b\'81\'52\'81\'53\'81\'54\'81\'55\'81\'58\'81\'5b\'81\'66\'81\'68\'81\'6a\'81\'6c\'81\'6e\'81\'70\'81\'72\'81\'74\'81\'76\'81\'78\'81\'7a\'81\'8b\'81\'8c\'81\'8d\'81\'8e\'81\'91\'81\'93\'81\'f1\'82\'9f\'82\'a1\'82\'a3\'82\'a5\'82\'a7\'82\'c1\'82\'e1\'82\'e3\'82\'e5\'82\'ec\'83\'40\'83\'42\'83\'44\'83\'46\'83\'48\'83\'62\'83\'83\'83\'85\'83\'87\'83\'8e\'83\'95\'83\'96}{\*\lchars $([\{\'a2\'81\'65\'81\'67\'81\'69\'81\'6b\'81\'6d\'81\'6f\'81\'71\'81\'73\'81\'75\'81\'77\'81\'79\'81\'8f\'81\'90\'81\'92})rtf";

QByteArray document(const char* fontEntry, const char* colourTable, const char* body)
{
    return QByteArray(Head) + fontEntry + "}\r\n" + colourTable + "\r\n" + LineBreaking + body + "\r\n}";
}

FontDetails withFamily(std::uint8_t pitchAndFamily)
{
    FontDetails d;
    d.pitchAndFamily = pitchAndFamily;
    return d;
}

// Families the tables below name.
struct Fixture
{
    std::shared_ptr<FakeFontSource> source = std::make_shared<FakeFontSource>();
    FontCatalog catalog;
    Fixture()
    {
        source->add(u"ＭＳ 明朝"_qs, 128, TrueTypeFontType, withFamily(0x11))
            .add(u"Times New Roman"_qs, 0, TrueTypeFontType, withFamily(0x12))
            .add(u"Arial"_qs, 0, TrueTypeFontType, withFamily(0x22))
            .add(u"No Details"_qs, 161, RasterFontType);
        source->families.back().otherNames << u"Alias"_qs;
        catalog.setSource(source);
        enumerateFonts(catalog, *source);
    }
};

} // namespace

TEST(StringTable, EntriesAreCharacterForCharacter)
{
    const char16_t* html[22] = {u"<FONT",
                                u" FACE=",
                                u"\"",
                                u" COLOR=",
                                u" SIZE=",
                                u">",
                                u"</FONT>",
                                u"<I>",
                                u"</I>",
                                u"<B>",
                                u"</B>",
                                u"<span",
                                u" style=",
                                u"color:#",
                                u";font-size:",
                                u"px",
                                u";font-family:",
                                u";font-weight:bold;font-style:italic",
                                u";font-style:italic",
                                u";font-weight:bold",
                                u"</span>",
                                u"#"};
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(stringTableEntry(i + 1), QString::fromUtf16(html[i])) << "entry " << i + 1;
    EXPECT_EQ(stringTableEntry(23), QString::fromLatin1(Head));
    EXPECT_EQ(stringTableEntry(24), QString::fromLatin1(LineBreaking));
    EXPECT_EQ(stringTableEntry(24).size(), 699);
    EXPECT_TRUE(stringTableEntry(0).isEmpty());
    EXPECT_TRUE(stringTableEntry(25).isEmpty());
}

TEST(SampleRtf, JapaneseRomanFontExample)
{
    Fixture f;
    const QByteArray rtf =
        sampleRtf(f.catalog, u"ＭＳ 明朝"_qs, u"Ab"_qs, 12, Rgb(255, 0, 0), false, true, Alignment::Center);
    const QByteArray expected =
        QByteArray(Head) + R"({\f2\froman\fcharset128 \'82\'6C\'82\'72\'20\'96\'BE\'92\'A9;}})" + "\r\n" +
        R"({\colortbl\red0\green0\blue0;\red255\green0\blue0;})" + "\r\n" + LineBreaking +
        R"(\pard\nowwrap\nooverflow\plain\f2\fs24\cf1\b\qc Ab)" + "\r\n" + "}";
    EXPECT_EQ(rtf, expected);
    EXPECT_EQ(rtf.count("\r\n"), 3);
}

struct RtfCase
{
    const char* what;
    const char16_t* font;
    const char16_t* text;
    std::int16_t size;
    std::int32_t colour;
    bool italic;
    bool bold;
    Alignment alignment;
    const char* fontEntry;
    const char* colourTable;
    const char* body;
};

const RtfCase RtfCases[] = {
    {"empty text keeps the space", u"Arial", u"", 32, 0, false, false, Alignment::Left,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs64 )"},
    {"size 9", u"Arial", u"x", 9, 0, false, false, Alignment::Left, R"({\f2\fswiss\fcharset0 Arial;})",
     R"({\colortbl\red0\green0\blue0;})", R"(\pard\nowwrap\nooverflow\plain\f2\fs18 x)"},
    {"size 72", u"Arial", u"x", 72, 0, false, false, Alignment::Left, R"({\f2\fswiss\fcharset0 Arial;})",
     R"({\colortbl\red0\green0\blue0;})", R"(\pard\nowwrap\nooverflow\plain\f2\fs144 x)"},
    {"colour, italic, bold, right in order", u"Arial", u"x", 12, Rgb(1, 2, 3), true, true, Alignment::Right,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;\red1\green2\blue3;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\cf1\i\b\qr x)"},
    {"italic alone, centre", u"Arial", u"x", 12, 0, true, false, Alignment::Center,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\i\qc x)"},
    {"white", u"Arial", u"x", 12, Rgb(255, 255, 255), false, false, Alignment::Left,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;\red255\green255\blue255;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\cf1 x)"},
    {"no colour (-1) is black", u"Arial", u"x", 12, NoColour, false, false, Alignment::Left,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 x)"},
    {"blue in the high byte", u"Arial", u"x", 12, 0xFF0000, false, false, Alignment::Left,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;\red0\green0\blue255;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\cf1 x)"},
    {"spaces in the font name", u"Times New Roman", u"x", 12, 0, false, false, Alignment::Left,
     R"({\f2\froman\fcharset0 Times\'20New\'20Roman;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 x)"},
    {"uninstalled font: no keywords", u"Times New Roman X", u"x", 12, 0, false, false, Alignment::Left,
     R"({\f2 Times\'20New\'20Roman\'20X;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 x)"},
    {"family without details: charset alone", u"No Details", u"x", 12, 0, false, false, Alignment::Left,
     R"({\f2\fcharset161 No\'20Details;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 x)"},
    {"another name of the family", u"Alias", u"x", 12, 0, false, false, Alignment::Left,
     R"({\f2\fcharset161 Alias;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 x)"},
    {"default-settings drag", u"Arial", u" ", 9, 0, false, false, Alignment::Left,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs18 \'20)"},
    {"line breaks stay in the text", u"Arial", u"a\r\nb", 12, 0, false, false, Alignment::Left,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 a\'0D\'0Ab)"},
    {"Japanese font: plain code page 932 bytes", u"ＭＳ 明朝", u"あｱ", 12, 0, false, false, Alignment::Left,
     R"({\f2\froman\fcharset128 \'82\'6C\'82\'72\'20\'96\'BE\'92\'A9;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\dbch\f2 \'82\'A0\'B1)"},
    {"Japanese font, text outside code page 932", u"ＭＳ 明朝", u"한😀", 12, 0, false, false, Alignment::Left,
     R"({\f2\froman\fcharset128 \'82\'6C\'82\'72\'20\'96\'BE\'92\'A9;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\dbch\f2 \u-10916\'3F\u-10179\'3F\u-8704\'3F)"},
    {"Western font: Unicode before the bytes", u"Arial", u"aあｱé", 12, 0, false, true, Alignment::Center,
     R"({\f2\fswiss\fcharset0 Arial;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\b\qc\dbch\f2 a{\uc2\u12354\'82\'A0}\u-143\'B1\u233\'3F)"},
    {"uninstalled font: Unicode too, name with plain bytes", u"ＭＳ ゴシック", u"あ", 12, 0, false, false,
     Alignment::Left, R"({\f2 \'82\'6C\'82\'72\'20\'83\'53\'83\'56\'83\'62\'83\'4E;})",
     R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\dbch\f2 {\uc2\u12354\'82\'A0})"},
    {"yen sign in a Japanese font", u"ＭＳ 明朝", u"¥100", 12, 0, false, false, Alignment::Left,
     R"({\f2\froman\fcharset128 \'82\'6C\'82\'72\'20\'96\'BE\'92\'A9;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24\dbch\f2 \u165\'3F100)"},
    {"yen sign in a font name", u"Yen¥Font", u"x", 12, 0, false, false, Alignment::Left,
     R"({\f2 Yen\u165\'3FFont;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 x)"},
    {"font name outside code page 932", u"한글", u"x", 12, 0, false, false, Alignment::Left,
     R"({\f2 \u-10916\'3F\u-20992\'3F;})", R"({\colortbl\red0\green0\blue0;})",
     R"(\pard\nowwrap\nooverflow\plain\f2\fs24 x)"},
};

TEST(SampleRtf, Cases)
{
    Fixture f;
    for (const RtfCase& c : RtfCases) {
        const QByteArray rtf = sampleRtf(f.catalog, QString::fromUtf16(c.font), QString::fromUtf16(c.text),
                                         c.size, c.colour, c.italic, c.bold, c.alignment);
        EXPECT_EQ(rtf, document(c.fontEntry, c.colourTable, c.body)) << c.what;
    }
}

TEST(RtfFontInfoProc, FamilyKeywordFromPitchAndFamily)
{
    const struct
    {
        std::uint8_t byte;
        const char* expected;
    } cases[] = {
        {0x00, R"(\fcharset0)"},
        {0x01, R"(\fcharset0)"},
        {0x12, R"(\froman\fcharset0)"},
        {0x22, R"(\fswiss\fcharset0)"},
        {0x31, R"(\fmodern\fcharset0)"},
        {0x42, R"(\fscript\fcharset0)"},
        {0x52, R"(\fdecorative\fcharset0)"},
        {0x06, R"(\fcharset0)"},        // bit 2 survives the mask: no family matches
        {0x18, R"(\fcharset0)"},        // likewise with bit 3
        {0x60, R"(\fcharset0)"},        // no such family
        {0xA2, R"(\fswiss\fcharset0)"}, // bit 7 is masked off
    };
    for (const auto& c : cases) {
        QString result = u"stale"_qs;
        EXPECT_EQ(RtfFontInfoProc(EnumeratedFont{u"F"_qs, 0, TrueTypeFontType}, c.byte, result), 0);
        EXPECT_EQ(result, QString::fromLatin1(c.expected)) << int(c.byte);
    }
    QString result;
    RtfFontInfoProc(EnumeratedFont{u"F"_qs, 128, TrueTypeFontType}, 0x11, result);
    EXPECT_EQ(result, uR"(\froman\fcharset128)"_qs);
}

TEST(RtfFontTableWords, ReadsTheCatalog)
{
    Fixture f;
    EXPECT_EQ(rtfFontTableWords(f.catalog, u"Arial"_qs), uR"(\fswiss\fcharset0)"_qs);
    EXPECT_EQ(rtfFontTableWords(f.catalog, u"ＭＳ 明朝"_qs), uR"(\froman\fcharset128)"_qs);
    EXPECT_EQ(rtfFontTableWords(f.catalog, u"Nowhere"_qs), QString());
    EXPECT_EQ(rtfFontTableWords(f.catalog, QString()), QString());
    // Details are read once and kept.
    rtfFontTableWords(f.catalog, u"Arial"_qs);
    EXPECT_EQ(f.source->detailReads, 2);
}

TEST(RtfFontTableName, EveryNameStaysOneEntryThatReadsBackInTheFontsCodePage)
{
    auto source = std::make_shared<FakeFontSource>();
    const QString latin = u"Zxあｱ\r\n;{}\\\U0001F600"_qs;
    const QString japanese = u"明朝\r\n;"_qs;
    source->add(latin, 0, TrueTypeFontType).add(japanese, 128, TrueTypeFontType);
    FontCatalog catalog;
    catalog.setSource(source);
    enumerateFonts(catalog, *source);
    // A Latin font's Japanese name in Unicode escapes, \uc switched without groups; the line
    // break as Unicode escapes too; the RTF delimiters as bytes.
    EXPECT_EQ(
        rtfFontTableName(catalog, latin),
        uR"(Zx\uc2\u12354\'82\'A0\uc1\u-143\'B1\u13\'3F\u10\'3F\'3B\'7B\'7D\'5C\u-10179\'3F\u-8704\'3F)"_qs);
    EXPECT_EQ(rtfFontTableName(catalog, japanese), uR"(\'96\'BE\'92\'A9\u13\'3F\u10\'3F\'3B)"_qs);
    // An ordinary name, and one no font has, as before.
    EXPECT_EQ(rtfFontTableName(catalog, u"ＭＳ ゴシック"_qs), escapeRtfText(u"ＭＳ ゴシック"_qs));
}

TEST(EscapeRtfText, Characters)
{
    const struct
    {
        const char16_t* text;
        const char* plain;
        const char* unicode; // with Unicode escapes for non-Japanese fonts
    } cases[] = {
        {u"", "", ""},
        {u"Az09", "Az09", "Az09"},
        {u" {}\\;", R"(\'20\'7B\'7D\'5C\'3B)", R"(\'20\'7B\'7D\'5C\'3B)"},
        {u"\r\n\t", R"(\'0D\'0A\'09)", R"(\'0D\'0A\'09)"},
        {u"~\x7f", R"(\'7E\'7F)", R"(\'7E\'7F)"},
        {u"ｱ", R"(\'B1)", R"(\u-143\'B1)"},
        {u"あ", R"(\'82\'A0)", R"({\uc2\u12354\'82\'A0})"},
        {u"Ａ", R"(\'82\'60)", R"({\uc2\u-223\'82\'60})"},
        {u"～", R"(\'81\'60)", R"({\uc2\u-162\'81\'60})"},
        {u"é", R"(\u233\'3F)", R"(\u233\'3F)"},
        {u"한", R"(\u-10916\'3F)", R"(\u-10916\'3F)"},
        {u"😀", R"(\u-10179\'3F\u-8704\'3F)", R"(\u-10179\'3F\u-8704\'3F)"},
        // One-way mappings: their bytes would read back as \, ~ and other characters.
        {u"¥100", R"(\u165\'3F100)", R"(\u165\'3F100)"},
        {u"\u203E\u2014\u301C\u2016", R"(\u8254\'3F\u8212\'3F\u12316\'3F\u8214\'3F)",
         R"(\u8254\'3F\u8212\'3F\u12316\'3F\u8214\'3F)"},
        {u"¢£¬\u2212", R"(\u162\'3F\u163\'3F\u172\'3F\u8722\'3F)",
         R"(\u162\'3F\u163\'3F\u172\'3F\u8722\'3F)"},
        // ...while the characters those bytes stand for keep them.
        {u"￥\u2015\u2225", R"(\'81\'8F\'81\'5C\'81\'61)",
         R"({\uc2\u-27\'81\'8F}{\uc2\u8213\'81\'5C}{\uc2\u8741\'81\'61})"},
        {u"ⅰ", R"(\'FA\'40)", R"({\uc2\u8560\'FA\'40})"},     // IBM extension row, as Windows writes it
        {u"\xD800x", R"(\u-10240\'3Fx)", R"(\u-10240\'3Fx)"}, // a lone surrogate is kept as it is
        {u"\xDC00", R"(\u-9216\'3F)", R"(\u-9216\'3F)"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(escapeRtfText(text), QString::fromLatin1(c.plain)) << c.plain;
        EXPECT_EQ(escapeRtfText(text, true), QString::fromLatin1(c.unicode)) << c.unicode;
    }
}
