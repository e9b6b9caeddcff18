#include "core/font_list_model.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(FontListModel, SortedInsertKeepsDuplicatesAfterEqualNames)
{
    FontListModel m;
    m.setNames({u"Arial"_qs, u"Meiryo"_qs});
    EXPECT_EQ(m.insertSorted(u"century"_qs), 1);
    EXPECT_EQ(m.insertSorted(u"ARIAL"_qs), 1);
    EXPECT_EQ(m.insertSorted(u"zen"_qs), 4);
    EXPECT_EQ(m.names(), (QStringList{u"Arial"_qs, u"ARIAL"_qs, u"century"_qs, u"Meiryo"_qs, u"zen"_qs}));
    m.removeAt(0);
    m.removeAt(99);
    EXPECT_EQ(m.count(), 4);
}

TEST(FontListModel, BidirectionalControlsAreShownAndTheNameKept)
{
    FontListModel m;
    // Drawn as they are, the first would read "Zx Sans" followed by reversed text.
    const QString posing = u"Zx \u202Esnas\u202C \u2067x\u2069 \u200F"_qs;
    m.setNames({posing, u"ＭＳ 明朝 \uFEFF"_qs});
    EXPECT_EQ(m.index(0).data().toString(), u"Zx [RLO]snas[PDF] [RLI]x[PDI] [RLM]");
    EXPECT_EQ(m.index(0).data(Qt::ToolTipRole).toString(), u"Zx [RLO]snas[PDF] [RLI]x[PDI] [RLM]");
    EXPECT_EQ(m.index(0).data(FontListModel::NameRole).toString(), posing);
    EXPECT_EQ(m.index(1).data().toString(), u"ＭＳ 明朝 \uFEFF");
}
