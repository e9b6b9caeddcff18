#include "core/list_navigation.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(ListNavigation, FromNothingSelectedEachKeyDoesWhatItSays)
{
    const ListGeometry list{10, 4, 4};
    EXPECT_EQ(navigationTarget(ListKey::Down, -1, list), 0);
    EXPECT_EQ(navigationTarget(ListKey::Up, -1, list), 0);
    EXPECT_EQ(navigationTarget(ListKey::Home, -1, list), 0);
    EXPECT_EQ(navigationTarget(ListKey::End, -1, list), 9);
    EXPECT_EQ(navigationTarget(ListKey::PageDown, -1, list), 3);
    EXPECT_EQ(navigationTarget(ListKey::PageUp, -1, list), 0);
    EXPECT_EQ(navigationTarget(ListKey::Right, -1, list), 0);
    EXPECT_EQ(navigationTarget(ListKey::Down, -1, {0, 4, 4}), -1); // empty list
}

TEST(ListNavigation, MovesClampAtTheEnds)
{
    const ListGeometry list{10, 4, 0};
    EXPECT_EQ(navigationTarget(ListKey::Up, 0, list), 0);
    EXPECT_EQ(navigationTarget(ListKey::Down, 9, list), 9);
    EXPECT_EQ(navigationTarget(ListKey::Down, 4, list), 5);
    EXPECT_EQ(navigationTarget(ListKey::PageDown, 4, list), 7);
    EXPECT_EQ(navigationTarget(ListKey::PageDown, 8, list), 9);
    EXPECT_EQ(navigationTarget(ListKey::PageUp, 2, list), 0);
    EXPECT_EQ(navigationTarget(ListKey::Left, 5, list), -1); // one column: not a list move
}

TEST(ListNavigation, LeftAndRightKeepTheRowAcrossColumns)
{
    const ListGeometry list{10, 4, 4}; // columns 0-3, 4-7, 8-9
    EXPECT_EQ(navigationTarget(ListKey::Right, 1, list), 5);
    EXPECT_EQ(navigationTarget(ListKey::Right, 6, list), 9); // the last column is shorter
    EXPECT_EQ(navigationTarget(ListKey::Right, 9, list), 9);
    EXPECT_EQ(navigationTarget(ListKey::Left, 5, list), 1);
    EXPECT_EQ(navigationTarget(ListKey::Left, 2, list), 2);
}
