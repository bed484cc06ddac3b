// The next move: shown only for the position it was planned for,
// never changing the board, ended by a press or after three seconds.
#include <gtest/gtest.h>

#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class NextMoveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.StartUp();
        h.StartPlaying(0);
    }
    GameHarness h;
};

TEST_F(NextMoveTest, ShowsForItsPositionAndLeavesTheBoardAlone) {
    const auto q = h.game->AskNextMove();
    ASSERT_TRUE(q.has_value());
    const Board before = h.g.board;
    const Block& b0 = h.g.blocks[0];
    EXPECT_TRUE(h.game->ShowNextMove(q->position, 0, b0.column, b0.row - 1));
    EXPECT_TRUE(h.game->NextMoveShowing());
    h.Tick();
    EXPECT_EQ(h.g.board.grid, before.grid);
}

TEST_F(NextMoveTest, APlanForAnOlderPositionIsDropped) {
    const auto q = h.game->AskNextMove();
    ASSERT_TRUE(q.has_value());
    const int moved = h.SetUpOneStepFromSolved();
    ASSERT_GE(moved, 0);
    // One step that does not solve: up and back down changes the position.
    h.Press(h.g.blocks[moved].column, h.g.blocks[moved].row);
    h.DragTo(h.g.blocks[moved].column, h.g.blocks[moved].row - 1);
    h.Release();
    EXPECT_FALSE(h.game->ShowNextMove(q->position, moved, 0, 0));
    EXPECT_FALSE(h.game->NextMoveShowing());
}

TEST_F(NextMoveTest, EndsOnAnyPressAndAfterThreeSeconds) {
    auto q = h.game->AskNextMove();
    ASSERT_TRUE(h.game->ShowNextMove(q->position, 0, 0, 0));
    h.game->OnRightButtonDown(0, 0); // on the frame: nothing else happens
    EXPECT_FALSE(h.game->NextMoveShowing());

    q = h.game->AskNextMove();
    ASSERT_TRUE(h.game->ShowNextMove(q->position, 0, 0, 0));
    const uint32_t shownAt = h.platform.milliseconds;
    while (h.platform.milliseconds - shownAt < 2800) {
        h.Tick();
        ASSERT_TRUE(h.game->NextMoveShowing()) << h.platform.milliseconds - shownAt << " ms";
    }
    while (h.platform.milliseconds - shownAt < 3200) {
        h.Tick();
    }
    EXPECT_FALSE(h.game->NextMoveShowing());
}

TEST_F(NextMoveTest, NotOfferedInChallengesOrWhileABlockIsHeld) {
    h.SetChallengeFlag(true);
    EXPECT_FALSE(h.game->AskNextMove().has_value());
    h.SetChallengeFlag(false);
    h.Press(h.g.blocks[0].column, h.g.blocks[0].row);
    EXPECT_FALSE(h.game->AskNextMove().has_value());
}

} // namespace
} // namespace fenx::testing
