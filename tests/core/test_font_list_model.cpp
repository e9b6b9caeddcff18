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
