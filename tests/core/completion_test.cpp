#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "core/board.h"
#include "core/completion.h"

namespace fenx {
namespace {

// An 8 x 3 stage (an 8 x 6 field) covered by lying bars, two to a row.
class CompletionTest : public ::testing::Test {
  protected:
    void FillRows(std::initializer_list<int> rows) {
        ResetBoard(*board, 8, 6);
        int16_t index = 0;
        for (int row : rows) {
            WriteBlockCells(*board, 0, row, 2, index++);
            WriteBlockCells(*board, 4, row, 2, index++);
        }
    }
    bool Complete() const { return IsStageComplete(*board, 8, 3); }

    std::unique_ptr<Board> board = std::make_unique<Board>();
};

TEST_F(CompletionTest, FullRowsAnywhereSolveTheStage) {
    FillRows({3, 4, 5});
    EXPECT_TRUE(Complete()) << "lower half";
    FillRows({0, 1, 2});
    EXPECT_TRUE(Complete()) << "upper half";
    FillRows({0, 2, 5});
    EXPECT_TRUE(Complete()) << "separate bands";
}

TEST_F(CompletionTest, ARowMixingFreeAndCoveredCellsIsNotSolved) {
    FillRows({3, 4, 5});
    // Move one bar of row 5 up into row 2: rows 2 and 5 are half full.
    WriteBlockCells(*board, 4, 5, 2, CellEmpty);
    WriteBlockCells(*board, 4, 2, 2, 5);
    EXPECT_FALSE(Complete());
    // Even with only two full rows above a half one.
    FillRows({0, 1});
    WriteBlockCells(*board, 0, 3, 2, 4);
    EXPECT_FALSE(Complete());
}

} // namespace
} // namespace fenx
