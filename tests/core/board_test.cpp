#include <gtest/gtest.h>

#include <memory>

#include "core/board.h"
#include "core/stage_size.h"

namespace fenx {
namespace {

class BoardTest : public ::testing::Test {
  protected:
    std::unique_ptr<Board> board = std::make_unique<Board>();
    BlockList list;
};

TEST_F(BoardTest, ResetMarksOnlyTheFieldEmpty) {
    ResetBoard(*board, 7, 4);
    EXPECT_EQ(board->at(0, 0), CellEmpty);
    EXPECT_EQ(board->at(6, 3), CellEmpty);
    EXPECT_EQ(board->at(7, 0), CellOutside);
    EXPECT_EQ(board->at(0, 4), CellOutside);
    EXPECT_EQ(board->at(-1, 0), CellOutside);
    EXPECT_EQ(board->at(0, -2), CellOutside);
}

TEST_F(BoardTest, ShapesReachingOutOfTheFieldNeverFit) {
    ResetBoard(*board, 7, 4);
    for (int o : {6, 8, 12, 13, 15, 18}) {
        EXPECT_FALSE(BlockFits(*board, 2, 0, o)) << "orientation " << o << " at row 0";
    }
    for (int o = 0; o < kOrientationCount; ++o) {
        EXPECT_EQ(BlockFits(*board, 6, 0, o), o == 1)
            << "orientation " << o << " in the last column";
    }
}

TEST_F(BoardTest, FirstFittingOrientation) {
    ResetBoard(*board, 7, 4);
    EXPECT_EQ(FindFirstFittingOrientation(*board, 0, 0), 0);
    // Bottom-right corner of the target area: nothing fits there.
    EXPECT_EQ(FindFirstFittingOrientation(*board, 6, 3), -1);
    // A cell of the last column with three free cells below takes the bar.
    EXPECT_EQ(FindFirstFittingOrientation(*board, 6, 0), 1);
}

TEST_F(BoardTest, PlaceAndRemoveRestoreTheGridExactly) {
    ResetBoard(*board, 12, 4);
    const Board before = *board;
    PlaceBlock(*board, list, 0, 0, 14, 5);
    PlaceBlock(*board, list, 0, 1, 9, 3);
    PlaceBlock(*board, list, 3, 2, 6, 2);
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(board->at(5, 1), 2);
    EXPECT_EQ(list[2].solutionColumn, 3);
    EXPECT_EQ(list[2].kind, 2);
    RemoveLastBlock(*board, list);
    RemoveLastBlock(*board, list);
    RemoveLastBlock(*board, list);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(board->grid, before.grid);
    RemoveLastBlock(*board, list);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(board->grid, before.grid);
}

TEST_F(BoardTest, FirstEmptyCellScansColumnsTopDown) {
    ResetBoard(*board, 7, 4);
    PlaceBlock(*board, list, 0, 0, 1, 1); // standing bar fills column 0
    EXPECT_EQ(FindFirstEmptyCell(*board), (Cell{1, 0}));
    PlaceBlock(*board, list, 1, 0, 0, 0);
    EXPECT_EQ(FindFirstEmptyCell(*board), (Cell{1, 2}));
}

TEST_F(BoardTest, LargestStageHoldsNinetyFiveBlocks) {
    EXPECT_EQ(BlockCount(kMaxWidth, kMaxHeight), kMaxBlocks);
    ResetBoard(*board, 38, 10);
    // Fill the 38 x 10 area with squares: 19 columns of pairs, 5 rows of pairs.
    for (int x = 0; x < 38; x += 2) {
        for (int y = 0; y < 10; y += 2) {
            ASSERT_TRUE(BlockFits(*board, x, y, 0));
            PlaceBlock(*board, list, x, y, 0, 0);
        }
    }
    EXPECT_EQ(list.count, 95);
    EXPECT_FALSE(FindFirstEmptyCell(*board).has_value());
}

} // namespace
} // namespace fenx
