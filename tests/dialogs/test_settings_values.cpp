// The settings dialog's values: the built-in texts, loading and storing.
#include "core/session.h"
#include "core/text_helpers.h"
#include "dialogs/settings_values.h"
#include "storage/settings_file.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(SettingsValues, ResetTextsAreTheSettingsFileDefaults)
{
    const SampleTexts t = resetSampleTexts();
    EXPECT_EQ(t.japanese, u"あいうえおかきくけこ亜亥宇江尾"_qs);
    EXPECT_EQ(t.western, u"AaBbCcDdEeXxYyZz12345"_qs);
    EXPECT_EQ(t.symbol.size(), 28);
    const AppSettings defaults = applySettingsLines({});
    EXPECT_EQ(
        t, (SampleTexts{defaults.sampleTextJapanese, defaults.sampleTextWestern, defaults.sampleTextSymbol}));
}

TEST(SettingsValues, LongTexts)
{
    const SampleTexts t = longSampleTexts();
    EXPECT_EQ(codePointCount(t.japanese), 40);
    EXPECT_TRUE(t.japanese.endsWith(u"毛個０１２３４５６７８９"_qs));
    EXPECT_EQ(t.western.size(), 62);
    // "& ", every ASCII mark from ! to ~ in code order, then five half-width marks.
    QString symbol = u"& "_qs;
    for (char16_t c = u'!'; c <= u'~'; ++c)
        if (!QChar(c).isLetterOrNumber())
            symbol += QChar(c);
    symbol += u"｡｢｣､･"_qs;
    EXPECT_EQ(t.symbol, symbol);
    EXPECT_EQ(t.symbol.size(), 39);
}

TEST(SettingsValues, StoredTextsLoseTheirLineBreaksAndNothingTakesTheirPlace)
{
    EXPECT_EQ(oneLineSampleText(u"あい\r\nうえ\nお"_qs), u"あいうえお"_qs);
    Session session;
    SettingsDialogValues v = settingsDialogValues(session);
    v.texts = {u"日本\r\n語"_qs, u"West\nern"_qs, u"#\r\n$"_qs};
    v.showVerticalFonts = true;
    v.previewAreaSize = 2;
    v.listVertical = false;
    v.listSampleSize = 36;
    storeSettingsDialogValues(v, session);
    EXPECT_EQ(session.state.SampleTextJapanese, u"日本語"_qs);
    EXPECT_EQ(session.state.SampleTextWestern, u"Western"_qs);
    EXPECT_EQ(session.state.SampleTextSymbol, u"#$"_qs);
    EXPECT_TRUE(session.filter.showVerticalFonts);
    EXPECT_EQ(session.state.PreviewAreaSize, 2);
    EXPECT_FALSE(session.state.ListVertical);
    EXPECT_EQ(session.state.ListSampleSize, 36);

    // What was stored is what the dialog shows next time.
    const SettingsDialogValues again = settingsDialogValues(session);
    EXPECT_EQ(again.texts.western, u"Western"_qs);
    EXPECT_TRUE(again.showVerticalFonts);
    EXPECT_EQ(again.listSampleSize, 36);
}
