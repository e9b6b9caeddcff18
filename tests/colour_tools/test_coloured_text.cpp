// The two colour makers' rules: gradient colours, random draws and the exact HTML and RTF
// they copy.
#include "colour_tools/gradient_text.h"
#include "colour_tools/random_colour_text.h"
#include "core/colour.h"
#include "export/string_table.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace typecask;

namespace {

using Rgb3 = std::array<int, 3>;

constexpr std::int32_t Red = Rgb(255, 0, 0);
constexpr std::int32_t Green = Rgb(0, 255, 0);
constexpr std::int32_t Blue = Rgb(0, 0, 255);

Rgb3 split(std::int32_t c)
{
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(c, r, g, b);
    return {r, g, b};
}

std::vector<Rgb3> characterColours(const GradientTable& t)
{
    std::vector<Rgb3> out;
    for (int i = 1; i <= t.count(); ++i)
        out.push_back({t.red[i], t.green[i], t.blue[i]});
    return out;
}

GradientColours twoColours(std::int32_t s, std::int32_t e)
{
    GradientColours c;
    c.start = s;
    c.end = e;
    return c;
}

GradientColours threeColours(std::int32_t s, std::int32_t m, std::int32_t e)
{
    GradientColours c = twoColours(s, e);
    c.middle = m;
    c.useMiddle = true;
    return c;
}

Sample style(const QString& font, int size = 12, bool bold = false, bool italic = false,
             Alignment alignment = Alignment::Left)
{
    Sample s;
    s.fontName = font;
    s.size = static_cast<std::int16_t>(size);
    s.bold = bold;
    s.italic = italic;
    s.alignment = alignment;
    return s;
}

HtmlTagOptions htmlOptions(bool fontTag, bool styleSheet, bool fontFamily = false)
{
    return {fontTag, styleSheet, fontFamily, u"3"_qs, u"18"_qs};
}

QByteArray rtfDocument(const QByteArray& fontEntry, const QByteArray& colours, const QByteArray& body)
{
    return stringTableEntry(23).toLatin1() + fontEntry + "}\r\n{\\colortbl\\red0\\green0\\blue0;" + colours +
           "}" + stringTableEntry(24).toLatin1() + "\r\n\\pard\\nowwrap\\nooverflow" + body + "\r\n}";
}

// A generator reseeded from a clock that has ticked since the last reseed, or, with a coarse
// clock, from the same reading every time (each reseed restarts the same sequence).
class ClockedRandom final : public RandomSource
{
public:
    explicit ClockedRandom(bool coarse) : m_coarse(coarse) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }
    void reseedFromClock() override { m_engine.seed(m_coarse ? 42 : ++m_tick); }

private:
    bool m_coarse;
    unsigned m_tick = 0;
    std::mt19937 m_engine{42};
};

} // namespace

TEST(Makegrcolor, RedToBlueOverFiveCharactersTakesEvenSteps)
{
    const GradientTable t = gradientTable(twoColours(Red, Blue), 5);
    ASSERT_EQ(t.red.size(), 7u); // characters 1..5 and the spare entries 0 and 6
    EXPECT_EQ(t.red, (std::vector<int>{0, 255, 192, 128, 64, 0, 0}));
    EXPECT_EQ(t.blue, (std::vector<int>{0, 0, 64, 128, 192, 255, 0}));
    EXPECT_EQ(t.green, (std::vector<int>(7, 0)));
    EXPECT_EQ(t.colour(1), Red);
    EXPECT_EQ(t.colour(5), Blue);
}

TEST(Makegrcolor, ShortTextsStartAtTheStartAndEndAtTheEnd)
{
    const std::int32_t purple = Rgb(128, 0, 128);
    const std::int32_t teal = Rgb(0, 128, 128);
    struct Case
    {
        GradientColours colours;
        int n;
        std::vector<std::int32_t> expected;
    } cases[] = {
        {twoColours(Red, Blue), 1, {Red}},
        {twoColours(Red, Blue), 2, {Red, Blue}},
        {twoColours(Red, Blue), 3, {Red, purple, Blue}},
        {twoColours(Red, Blue), 4, {Red, Rgb(170, 0, 85), Rgb(85, 0, 170), Blue}},
        {threeColours(Red, Green, Blue), 1, {Red}},
        {threeColours(Red, Green, Blue), 2, {Red, Blue}},
        {threeColours(Red, Green, Blue), 3, {Red, Green, Blue}},
        {threeColours(Red, Green, Blue), 4, {Red, Green, teal, Blue}},
        {threeColours(Red, Green, Blue), 5, {Red, Rgb(128, 128, 0), Green, teal, Blue}},
    };
    for (const Case& c : cases) {
        const GradientTable t = gradientTable(c.colours, c.n);
        std::vector<std::int32_t> got;
        for (int i = 1; i <= c.n; ++i)
            got.push_back(t.colour(i));
        EXPECT_EQ(got, c.expected) << c.n << (c.colours.useMiddle ? " three colours" : " two colours");
    }
}

TEST(Makegrcolor, LongTextsReachTheEndExactlyAndStayInRange)
{
    // 1/49 * 49 is not 1 in floating point; the last character must still be the end colour.
    for (int n : {2, 7, 50, 200}) {
        for (const GradientColours& c : {twoColours(Rgb(0, 10, 255), Rgb(1, 200, 3)),
                                         threeColours(Rgb(1, 2, 3), Rgb(250, 0, 77), Rgb(9, 255, 0))}) {
            const std::vector<Rgb3> colours = characterColours(gradientTable(c, n));
            EXPECT_EQ(colours.front(), split(c.start)) << n;
            EXPECT_EQ(colours.back(), split(c.end)) << n;
            if (c.useMiddle && n >= 3) {
                EXPECT_EQ(colours[static_cast<std::size_t>((n + 1) / 2 - 1)], split(c.middle)) << n;
            }
            for (const Rgb3& rgb : colours)
                for (int v : rgb)
                    EXPECT_TRUE(v >= 0 && v <= 255) << n;
        }
    }
}

TEST(GradientStart, TheFirstOpenerOfTheRunSetsIt)
{
    GradientColours html;
    setGradientStartOnce(html, CopyFormat::Html, Red);
    EXPECT_EQ(html.start, 0);
    setGradientStartOnce(html, CopyFormat::Rtf, Red); // later openings keep it
    EXPECT_EQ(html.start, 0);

    GradientColours rtf;
    rtf.end = Green;
    setGradientStartOnce(rtf, CopyFormat::Rtf, Blue);
    EXPECT_EQ(rtf.start, Blue);
    rtf.start = Green; // chosen by the user
    setGradientStartOnce(rtf, CopyFormat::Html, Red);
    EXPECT_EQ(rtf.start, Green);
}

TEST(GradientBar, RunsFromStartToEndThroughTheMiddle)
{
    const std::vector<GradientBarBox> two = gradientBarBoxes(twoColours(Rgb(200, 0, 0), Rgb(0, 0, 200)), 400);
    ASSERT_EQ(two.size(), 100u); // x = 1, 5, ..., 397
    EXPECT_EQ(two.front().x, 1);
    EXPECT_EQ(two.back().x, 397);
    // One step from the start at x = 1, Int (floor) throughout.
    EXPECT_EQ(split(two.front().colour), (Rgb3{200, 0, 1}));
    EXPECT_EQ(split(two.back().colour), (Rgb3{2, 0, 199}));
    for (std::size_t i = 1; i < two.size(); ++i)
        EXPECT_LE(split(two[i].colour)[0], split(two[i - 1].colour)[0]);

    const std::vector<GradientBarBox> three =
        gradientBarBoxes(threeColours(Rgb(200, 0, 0), Rgb(0, 200, 0), Rgb(0, 0, 200)), 401);
    // The halves are 201 wide: the middle colour ends the first and starts the second.
    ASSERT_EQ(three.size(), 102u);
    EXPECT_EQ(split(three[50].colour), (Rgb3{0, 200, 0}));
    EXPECT_EQ(three[51].x, 202);
    EXPECT_EQ(split(three[51].colour), (Rgb3{0, 200, 1}));
    EXPECT_TRUE(gradientBarBoxes(twoColours(Red, Blue), 0).empty());
}

TEST(GradientPreview, ArrowKeysStepAHundredAndStopAtTheEnds)
{
    EXPECT_EQ(previewScrollStep(0, 1000, true), 100);
    EXPECT_EQ(previewScrollStep(880, 1000, true), 980);
    EXPECT_EQ(previewScrollStep(891, 1000, true), 1000); // fewer than 110 remain
    EXPECT_EQ(previewScrollStep(50, 60, true), 60);
    EXPECT_EQ(previewScrollStep(500, 1000, false), 400);
    EXPECT_EQ(previewScrollStep(111, 1000, false), 11);
    EXPECT_EQ(previewScrollStep(110, 1000, false), 0);
}

TEST(GradientHtml, CharactersSpacesAndEscapes)
{
    const GradientColours rb = twoColours(Red, Blue);
    // A half-width space is "&nbsp;" outside any tag, though it takes a colour step.
    EXPECT_EQ(gradientHtml(rb, u"a b"_qs, style(u"F"_qs), htmlOptions(true, false)),
              u"<FONT SIZE=\"3\" FACE=\"F\"><FONT COLOR=\"#FF0000\">a</FONT>&nbsp;<FONT "
              u"COLOR=\"#0000FF\">b</FONT></FONT>");
    // A full-width space stays bare between the characters.
    EXPECT_EQ(gradientHtml(rb, u"a\u3000b"_qs, style(u"F"_qs), htmlOptions(true, false)),
              u"<FONT SIZE=\"3\" FACE=\"F\"><FONT COLOR=\"#FF0000\">a</FONT>\u3000<FONT "
              u"COLOR=\"#0000FF\">b</FONT></FONT>");
    EXPECT_EQ(gradientHtml(rb, u"&x"_qs, style(u"F"_qs), htmlOptions(true, false)),
              u"<FONT SIZE=\"3\" FACE=\"F\"><FONT COLOR=\"#FF0000\">&amp;</FONT><FONT "
              u"COLOR=\"#0000FF\">x</FONT></FONT>");
    // Both options off: the escaped text alone, bold and italic included.
    EXPECT_EQ(gradientHtml(rb, u"<a&b >"_qs, style(u"F"_qs, 12, true, true), htmlOptions(false, false)),
              u"&lt;a&amp;b&nbsp;&gt;");
}

TEST(GradientHtml, StyleSheetSpansAndOuterTags)
{
    const GradientColours rb = twoColours(Red, Blue);
    EXPECT_EQ(
        gradientHtml(rb, u"ab"_qs, style(u"IPA明朝"_qs, 12, true, true), htmlOptions(false, true, true)),
        u"<span "
        u"style=\"color:#FF0000;font-family:IPA明朝;font-size:18px;font-weight:bold;font-style:italic\">a</"
        u"span>"
        u"<span "
        u"style=\"color:#0000FF;font-family:IPA明朝;font-size:18px;font-weight:bold;font-style:italic\">b</"
        u"span>");
    // The FONT tag wraps the span; bold is outermost.
    EXPECT_EQ(
        gradientHtml(rb, u"ab"_qs, style(u"F"_qs, 12, true, true), htmlOptions(true, true)),
        u"<B><I><FONT SIZE=\"3\" FACE=\"F\"><FONT COLOR=\"#FF0000\"><span "
        u"style=\"color:#FF0000;font-size:18px;font-weight:bold;font-style:italic\">a</span></FONT><FONT "
        u"COLOR=\"#0000FF\"><span "
        u"style=\"color:#0000FF;font-size:18px;font-weight:bold;font-style:italic\">b</span></FONT></FONT></"
        u"I></B>");
    EXPECT_EQ(gradientHtml(rb, u"ab"_qs, style(u"F"_qs, 12, false, true), htmlOptions(false, true)),
              u"<span style=\"color:#FF0000;font-size:18px;font-style:italic\">a</span>"
              u"<span style=\"color:#0000FF;font-size:18px;font-style:italic\">b</span>");
}

TEST(GradientRtf, OneColourEntryAndFormattingWordsPerCharacter)
{
    const FontCatalog none; // the font is not installed: no family keyword
    EXPECT_EQ(gradientRtf(none, twoColours(Red, Blue), u"a b"_qs,
                          style(u"X Y"_qs, 9, true, true, Alignment::Center)),
              rtfDocument(
                  R"({\f2 X\'20Y;})", R"(\red255\green0\blue0;\red128\green0\blue128;\red0\green0\blue255;)",
                  R"(\plain\f2\fs18\i\b\qc\cf1 a\plain\f2\fs18\i\b\qc\cf2 \'20\plain\f2\fs18\i\b\qc\cf3 b)"));
}

TEST(GradientRtf, JapaneseTextNamesTheEastAsianFontAndEscapesByTheFontsCharset)
{
    auto source = std::make_shared<fakes::FakeFontSource>();
    source->add(u"ＭＳ 明朝"_qs, 128, TrueTypeFontType).add(u"Arial"_qs, 0, TrueTypeFontType);
    FontCatalog catalog;
    catalog.setSource(source);
    enumerateFonts(catalog, *source);
    const GradientColours rb = twoColours(Red, Blue);
    // A Japanese font reads the code page 932 bytes as they are.
    EXPECT_TRUE(
        gradientRtf(catalog, rb, u"あa"_qs, style(u"ＭＳ 明朝"_qs))
            .endsWith(
                R"(\pard\nowwrap\nooverflow\plain\f2\fs24\cf1\dbch\f2 \'82\'A0\plain\f2\fs24\cf2\dbch\f2 a)"
                "\r\n}"));
    // Any other font gets the Unicode escape first; a character outside code page 932 is kept too.
    EXPECT_TRUE(
        gradientRtf(catalog, rb, u"あ😀"_qs, style(u"Arial"_qs))
            .endsWith(
                R"(\plain\f2\fs24\cf1\dbch\f2 {\uc2\u12354\'82\'A0}\plain\f2\fs24\cf2\dbch\f2 \u-10179\'3F\u-8704\'3F)"
                "\r\n}"));
}

TEST(RandomColourText, CellsTakeTheFirstSixteenCharacters)
{
    const CellCaptions twenty = cellCaptions(u"abcdefghijklmnopqrst"_qs);
    EXPECT_EQ(twenty[0], u"a");
    EXPECT_EQ(twenty[15], u"p");
    const CellCaptions five = cellCaptions(u"あ😀c d"_qs);
    EXPECT_EQ(five[1], u"😀"); // one cell, never half a pair
    EXPECT_EQ(five[3], u" ");
    EXPECT_TRUE(five[5].isEmpty() && five[15].isEmpty());
    EXPECT_EQ(cellText(five), u"あ😀c d");
    EXPECT_EQ(cellColour(-1), 0);
    EXPECT_EQ(cellColour(0x1000000), 0);
    EXPECT_EQ(cellColour(0xFFFFFF), 0xFFFFFF);
}

TEST(RandomColourRtf, SixteenColourEntriesAndCharacters)
{
    CellCaptions captions;
    captions[0] = u"A"_qs;
    captions[1] = u"B"_qs;
    CellColours colours{};
    colours[0] = Red;
    QByteArray table = R"(\red255\green0\blue0;)";
    QByteArray body = R"(\plain\f2\fs24\cf1 A\plain\f2\fs24\cf2 B)";
    for (int i = 1; i < 16; ++i)
        table += R"(\red0\green0\blue0;)";
    for (int i = 3; i <= 16; ++i)
        body += R"(\plain\f2\fs24\cf)" + QByteArray::number(i) + ' ';
    const FontCatalog none;
    EXPECT_EQ(randomColourRtf(none, captions, colours, style(u"X"_qs)),
              rtfDocument(R"({\f2 X;})", table, body));
    // A damaged colour never reaches the document as a negative component.
    colours[1] = -5;
    EXPECT_TRUE(randomColourRtf(none, captions, colours, style(u"X"_qs))
                    .contains(R"(\red255\green0\blue0;\red0\green0\blue0;)"));
}

TEST(RandomColourHtml, CellsInTheirColoursInsideOneFontTag)
{
    CellCaptions captions;
    captions[0] = u"A"_qs;
    captions[1] = u"b"_qs;
    CellColours colours{};
    colours[0] = Red;
    colours[1] = Blue;
    EXPECT_EQ(randomColourHtml(captions, colours, style(u"F"_qs), htmlOptions(true, false)),
              u"<FONT SIZE=\"3\" FACE=\"F\"><FONT COLOR=\"#FF0000\">A</FONT><FONT "
              u"COLOR=\"#0000FF\">b</FONT></FONT>");
    captions[0] = u"a"_qs;
    captions[1] = u"&"_qs;
    captions[2] = u"b"_qs;
    captions[3] = u" "_qs;
    EXPECT_EQ(randomColourHtml(captions, colours, style(u"F"_qs, 12, true), htmlOptions(false, false)),
              u"a&amp;b&nbsp;");
}

TEST(RandomColours, EachCellIsAnIndependentDrawEvenWithACoarseClock)
{
    ClockedRandom coarse(true);
    const CellColours colours = randomCellColours(coarse);
    EXPECT_GT(std::set<std::int32_t>(colours.begin(), colours.end()).size(), 8u);
    for (std::int32_t c : colours)
        for (int v : split(c))
            EXPECT_LE(v, 254); // Int(u * 255)

    fakes::FakeRandom fake;
    fake.values = {0.0, 0.5, 0.9999};
    const CellColours fixed = randomCellColours(fake);
    EXPECT_EQ(fake.reseeds, 1); // once a press
    EXPECT_EQ(fixed[0], Rgb(0, 127, 254));
}

TEST(RandomColours, PaletteDrawsUseAllSixteenShownColoursAndNoOther)
{
    PaletteRow palette{};
    for (int i = 0; i < 16; ++i)
        palette[static_cast<std::size_t>(i)] = Rgb(i * 10, 255 - i, 7);
    const std::set<std::int32_t> allowed(palette.begin(), palette.end());

    fakes::FakeRandom top;
    top.values = {0.999};
    EXPECT_EQ(randomCellColours(top, &palette)[0], palette[15]); // Int(u * 13) never got here

    ClockedRandom random(false);
    std::set<std::int32_t> used;
    for (int press = 0; press < 50; ++press)
        for (std::int32_t c : randomCellColours(random, &palette)) {
            EXPECT_TRUE(allowed.count(c)) << c;
            used.insert(c);
        }
    EXPECT_EQ(used, allowed);
}

TEST(RandomColours, ThePaletteAClearOrDropActsOn)
{
    EXPECT_EQ(selectedPalette({false, true, false, false}), 1);
    EXPECT_EQ(selectedPalette({false, false, false, true}), 3);
    EXPECT_EQ(selectedPalette({false, false, false, false}), 3);
    PaletteTable t;
    t.at(2, 15) = Red;
    t.at(2, 16) = Blue; // never shown
    const PaletteRow row = shownPalette(t, 2);
    EXPECT_EQ(row[15], Red);
    EXPECT_EQ(row[0], PaletteWhite);
}
