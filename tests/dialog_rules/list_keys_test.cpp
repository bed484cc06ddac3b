#include <gtest/gtest.h>

#include "dialog_rules/list_keys.h"

namespace fenx {
namespace {

using enum ListKey;

TEST(RowAfterListKey, EveryKeySelectsWhereItLandsInAFreshList) {
    // A list just opened: caret on the first line, nothing selected, ten
    // lines of which four show.
    EXPECT_EQ(RowAfterListKey(Home, 0, false, 10, 4), 0);
    EXPECT_EQ(RowAfterListKey(End, 0, false, 10, 4), 9);
    EXPECT_EQ(RowAfterListKey(Down, 0, false, 10, 4), 0);
    EXPECT_EQ(RowAfterListKey(Up, 0, false, 10, 4), 0);
    EXPECT_EQ(RowAfterListKey(PageDown, 0, false, 10, 4), 3);
    EXPECT_EQ(RowAfterListKey(PageUp, 0, false, 10, 4), 0);
    // No caret at all counts as the first line.
    EXPECT_EQ(RowAfterListKey(PageDown, -1, false, 10, 4), 3);
    EXPECT_EQ(RowAfterListKey(End, -1, false, 10, 4), 9);
}

TEST(RowAfterListKey, MovesFromTheSelectedLineAndStopsAtTheEnds) {
    EXPECT_EQ(RowAfterListKey(Down, 4, true, 10, 4), 5);
    EXPECT_EQ(RowAfterListKey(Up, 4, true, 10, 4), 3);
    EXPECT_EQ(RowAfterListKey(Up, 0, true, 10, 4), 0);
    EXPECT_EQ(RowAfterListKey(Down, 9, true, 10, 4), 9);
    EXPECT_EQ(RowAfterListKey(PageDown, 8, true, 10, 4), 9);
    EXPECT_EQ(RowAfterListKey(PageUp, 5, true, 10, 4), 2);
    EXPECT_EQ(RowAfterListKey(Home, 0, true, 10, 4), 0);
    // A page of one line (or none shown) still moves by one.
    EXPECT_EQ(RowAfterListKey(PageDown, 4, true, 10, 1), 5);
    EXPECT_EQ(RowAfterListKey(PageUp, 4, true, 10, 0), 3);
    // A caret past the end (the lines were replaced) starts from the first.
    EXPECT_EQ(RowAfterListKey(Down, 12, true, 10, 4), 0);
    EXPECT_EQ(RowAfterListKey(Home, 0, false, 0, 4), -1);
}

} // namespace
} // namespace fenx
