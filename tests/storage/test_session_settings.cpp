#include "core/session.h"
#include "storage/session_settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

// Every value away from its default, so a line mapped to the wrong field shows.
void fillUnusual(Session& s)
{
    s.filter.allFontTypes = true;
    s.filter.categories = {false, true, true, false};
    s.filter.showVerticalFonts = true;
    s.state.PreviewSize = 41;
    s.state.PreviewAreaSize = 2;
    s.state.ListSampleSize = 33;
    s.state.ListRowCount = 7;
    s.state.ListVertical = false;
    s.selectionBarVisible = false;
    s.state.SampleTextJapanese = u"日本語の見本"_qs;
    s.state.SampleTextWestern = u"Western sample"_qs;
    s.state.SampleTextSymbol = u"§¶†"_qs;
}

} // namespace

TEST(SessionSettings, EveryLineComesFromItsPartOfTheSession)
{
    Session s;
    fillUnusual(s);
    const QStringList lines = settingsFileLines(settingsFromSession(s));
    const QStringList expected{u"TypecaskVer2.01"_qs,
                               u"True"_qs,
                               u" 0 "_qs,
                               u" 1 "_qs,
                               u" 1 "_qs,
                               u" 0 "_qs,
                               u" 41 "_qs,
                               u" 2 "_qs,
                               u" 33 "_qs,
                               u" 7 "_qs,
                               u"False"_qs,
                               u"True"_qs,
                               u"False"_qs,
                               u"日本語の見本"_qs,
                               u"Western sample"_qs,
                               u"§¶†"_qs};
    EXPECT_EQ(lines, expected);
}

TEST(SessionSettings, SavedLinesReadBackIntoAFreshSession)
{
    QTemporaryDir dir;
    Session before;
    fillUnusual(before);
    ASSERT_TRUE(saveSettings(dir.path(), settingsFromSession(before)));

    Session after;
    applySettingsToSession(applySettingsLines(loadSettings(dir.path())), after);
    EXPECT_EQ(after.filter.allFontTypes, before.filter.allFontTypes);
    EXPECT_EQ(after.filter.categories, before.filter.categories);
    EXPECT_EQ(after.filter.showVerticalFonts, before.filter.showVerticalFonts);
    EXPECT_EQ(after.state.PreviewSize, before.state.PreviewSize);
    EXPECT_EQ(after.state.PreviewAreaSize, before.state.PreviewAreaSize);
    EXPECT_EQ(after.state.ListSampleSize, before.state.ListSampleSize);
    EXPECT_EQ(after.state.ListRowCount, before.state.ListRowCount);
    EXPECT_EQ(after.state.ListVertical, before.state.ListVertical);
    EXPECT_EQ(after.selectionBarVisible, before.selectionBarVisible);
    EXPECT_EQ(after.state.SampleTextJapanese, before.state.SampleTextJapanese);
    EXPECT_EQ(after.state.SampleTextWestern, before.state.SampleTextWestern);
    EXPECT_EQ(after.state.SampleTextSymbol, before.state.SampleTextSymbol);
}

TEST(SessionSettings, NoFileGivesTheDefaultSession)
{
    QTemporaryDir dir;
    Session s;
    fillUnusual(s);
    applySettingsToSession(applySettingsLines(loadSettings(dir.path())), s);
    const Session fresh;
    EXPECT_EQ(s.filter.allFontTypes, false);
    EXPECT_EQ(s.filter.categories, fresh.filter.categories);
    EXPECT_EQ(s.state.PreviewSize, 32);
    EXPECT_TRUE(s.selectionBarVisible);
    EXPECT_EQ(s.state.SampleTextWestern, u"AaBbCcDdEeXxYyZz12345");
}
