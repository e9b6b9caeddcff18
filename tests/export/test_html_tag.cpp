#include "core/colour.h"
#include "export/html_tag.h"

#include <gtest/gtest.h>

using namespace typecask;

namespace {

HtmlTagOptions options(bool fontTag, bool styleSheet, bool fontFamily, const char16_t* size = u"3",
                       const char16_t* px = u"18")
{
    return HtmlTagOptions{fontTag, styleSheet, fontFamily, QString::fromUtf16(size), QString::fromUtf16(px)};
}

} // namespace

TEST(SampleHtml, Cases)
{
    const std::int32_t red = Rgb(255, 0, 0);
    const struct
    {
        const char* what;
        const char16_t* text;
        std::int32_t colour;
        bool bold;
        bool italic;
        HtmlTagOptions options;
        const char16_t* expected;
    } cases[] = {
        {"FONT tag only", u"Ab", red, true, false, options(true, false, false),
         u"<B><FONT SIZE=\"3\" COLOR=\"#FF0000\" FACE=\"ＭＳ 明朝\">Ab</FONT></B>\r\n"},
        {"both, with the family", u"Ab", red, true, false, options(true, true, true),
         u"<B><FONT SIZE=\"3\" COLOR=\"#FF0000\" FACE=\"ＭＳ 明朝\"><span "
         u"style=\"color:#FF0000;font-family:ＭＳ "
         u"明朝;font-size:18px;font-weight:bold\">Ab</span></FONT></B>\r\n"},
        {"style sheet only", u"Ab", red, true, false, options(false, true, false),
         u"<span style=\"color:#FF0000;font-size:18px;font-weight:bold\">Ab</span>\r\n"},
        {"both off: the bare text", u"Ab", red, true, true, options(false, false, true), u"Ab\r\n"},
        {"style sheet, bold and italic", u"Ab", red, true, true, options(false, true, false),
         u"<span style=\"color:#FF0000;font-size:18px;font-weight:bold;font-style:italic\">Ab</span>\r\n"},
        {"style sheet, italic", u"Ab", red, false, true, options(false, true, false),
         u"<span style=\"color:#FF0000;font-size:18px;font-style:italic\">Ab</span>\r\n"},
        {"family without the style sheet does nothing", u"Ab", red, false, false, options(true, false, true),
         u"<FONT SIZE=\"3\" COLOR=\"#FF0000\" FACE=\"ＭＳ 明朝\">Ab</FONT>\r\n"},
        {"FONT tag, italic", u"Ab", red, false, true, options(true, false, false),
         u"<I><FONT SIZE=\"3\" COLOR=\"#FF0000\" FACE=\"ＭＳ 明朝\">Ab</FONT></I>\r\n"},
        {"FONT tag, bold outside italic", u"Ab", red, true, true, options(true, false, false),
         u"<B><I><FONT SIZE=\"3\" COLOR=\"#FF0000\" FACE=\"ＭＳ 明朝\">Ab</FONT></I></B>\r\n"},
        {"black is written", u"Ab", 0, false, false, options(true, true, false),
         u"<FONT SIZE=\"3\" COLOR=\"#000000\" FACE=\"ＭＳ 明朝\"><span "
         u"style=\"color:#000000;font-size:18px\">Ab</span></FONT>\r\n"},
        {"no colour is black", u"Ab", NoColour, false, false, options(false, true, false),
         u"<span style=\"color:#000000;font-size:18px\">Ab</span>\r\n"},
        {"empty size texts", u"Ab", 0x563412, false, false, options(true, true, false, u"", u""),
         u"<FONT SIZE=\"\" COLOR=\"#123456\" FACE=\"ＭＳ 明朝\"><span "
         u"style=\"color:#123456;font-size:px\">Ab</span></FONT>\r\n"},
        {"the text is not escaped", u"<b>a&b</b>\r\nc", 0, false, false, options(false, true, false),
         u"<span style=\"color:#000000;font-size:18px\"><b>a&b</b>\r\nc</span>\r\n"},
        {"empty text", u"", 0, false, false, options(false, false, false), u"\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            sampleHtml(u"ＭＳ 明朝"_qs, QString::fromUtf16(c.text), c.colour, c.bold, c.italic, c.options),
            QString::fromUtf16(c.expected))
            << c.what;
}

TEST(SampleHtml, AHostileFontNameStaysOneAttributeValueAndOneFamily)
{
    const QString name = u"Zx Amp & \"Dq\" 'Sq' <b>bold</b>"_qs;
    EXPECT_EQ(sampleHtml(name, u"Ab"_qs, 0, false, false, options(true, true, true)),
              u"<FONT SIZE=\"3\" COLOR=\"#000000\" FACE=\"Zx Amp &amp; &quot;Dq&quot; 'Sq' "
              u"&lt;b&gt;bold&lt;/b&gt;\">"
              u"<span style=\"color:#000000;font-family:'Zx Amp &amp; &quot;Dq&quot; \\'Sq\\' "
              u"&lt;b&gt;bold&lt;/b&gt;';font-size:18px\">Ab</span></FONT>\r\n"_qs);

    // As the CSS value: as it is unless something in it could end the value, the declaration,
    // the rule or the attribute.
    const struct
    {
        const char16_t* name;
        const char16_t* css;
    } cases[] = {
        {u"ＭＳ 明朝", u"ＭＳ 明朝"},
        {u"Font 2.0 (Beta)-x_y", u"Font 2.0 (Beta)-x_y"},
        {u"\uFEFFZx \u202Eevil", u"\uFEFFZx \u202Eevil"},
        {u"Zx;}body{color:red}/*", u"'Zx;}body{color:red}/*'"},
        {u"Zx /* comment", u"'Zx /* comment'"},
        {u"Back\\slash 'q'", u"'Back\\\\slash \\'q\\''"},
        {u"Zx CR\r\nLF\tTab\u0085", u"'Zx CR\\d \\a LF\\9 Tab\\85 '"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cssFontFamily(QString::fromUtf16(c.name)), QString::fromUtf16(c.css));
}

TEST(SampleHtml, OptionsFromTheBar)
{
    HtmlOptions bar;
    HtmlTagOptions o = htmlTagOptionsFrom(bar, u"5"_qs, u"30"_qs);
    EXPECT_TRUE(o.useFontTag);
    EXPECT_FALSE(o.useStyleSheet);
    EXPECT_FALSE(o.fontFamilyInStyleSheet);
    EXPECT_EQ(o.fontTagSize, u"5"_qs);
    EXPECT_EQ(o.pixelSize, u"30"_qs);
    bar.useFontTag = false;
    bar.useStyleSheet = true;
    bar.fontFamilyInStyleSheet = true;
    o = htmlTagOptionsFrom(bar, {}, {});
    EXPECT_FALSE(o.useFontTag);
    EXPECT_TRUE(o.useStyleSheet);
    EXPECT_TRUE(o.fontFamilyInStyleSheet);
}

TEST(FontNameForm, EveryItem)
{
    const QString name = u"ＭＳ 明朝"_qs;
    EXPECT_EQ(fontNameForm(0, name), name);
    EXPECT_EQ(fontNameForm(2, name), u" FACE=\"ＭＳ 明朝\""_qs);
    EXPECT_EQ(fontNameForm(3, name), u" FACE=ＭＳ 明朝"_qs);
    EXPECT_EQ(fontNameForm(4, name), u" face=\"ＭＳ 明朝\""_qs);
    EXPECT_EQ(fontNameForm(5, name), u" face=ＭＳ 明朝"_qs);
    EXPECT_EQ(fontNameForm(6, name), u" font-family:ＭＳ 明朝;"_qs);
    for (int separatorOrOutside : {1, -1, 7})
        EXPECT_FALSE(fontNameForm(separatorOrOutside, name).has_value()) << separatorOrOutside;
}

TEST(FontNameForm, AHostileNameIsCopiedAsItIs)
{
    // The forms are for pasting into the author's own source: what the author sees in the
    // font list is what they get, quotes and all.
    const QString name = u"Zx \"Dq\" <b>;}"_qs;
    EXPECT_EQ(fontNameForm(0, name), name);
    EXPECT_EQ(fontNameForm(2, name), u" FACE=\"Zx \"Dq\" <b>;}\""_qs);
    EXPECT_EQ(fontNameForm(6, name), u" font-family:Zx \"Dq\" <b>;};"_qs);
}

TEST(FontNameCopy, UsesThePopupsNameAndKeepsIt)
{
    AppState state;
    state.CurrentFontName = u"Current"_qs;

    // No popup yet: the preview font, which then stays the context name.
    auto copied = fontNameCopy(state, 3);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->text, u" FACE=Current"_qs);
    EXPECT_TRUE(copied->rtf.isEmpty());
    EXPECT_EQ(state.ContextFontName, u"Current"_qs);

    // A popup (even one dismissed) set the name: the Edit menu copies that one.
    state.ContextFontName = u"Popup"_qs;
    state.CurrentFontName = u"Other"_qs;
    copied = fontNameCopy(state, 0);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->text, u"Popup"_qs);
    EXPECT_EQ(state.ContextFontName, u"Popup"_qs);

    // The separator copies nothing but still fills an empty context name.
    state.ContextFontName.clear();
    EXPECT_FALSE(fontNameCopy(state, 1));
    EXPECT_EQ(state.ContextFontName, u"Other"_qs);
}
