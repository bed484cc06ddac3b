#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "support/game_harness.h"

namespace fenx::testing {
namespace {

// A 7 x 4 stage: a field of 7 columns and 8 rows.
class DragTest : public ::testing::Test {
  protected:
    void SetUp() override { h.StartUp(); }

    // Everything a refused step must leave alone.
    struct Snapshot {
        std::unique_ptr<Board> board;
        std::array<Block, 3> blocks;
        DragState drag;
        std::size_t presented;
        std::vector<uint8_t> pixels;
    };
    Snapshot Take() const {
        const OffscreenSurface& s = h.g.canvas.surface();
        return {std::make_unique<Board>(h.g.board),
                {h.g.blocks[0], h.g.blocks[1], h.g.blocks[2]},
                h.g.drag,
                h.platform.presented.size(),
                {s.pixels(), s.pixels() + s.width() * s.height()}};
    }
    void ExpectUnchanged(const Snapshot& before) const {
        EXPECT_EQ(before.board->grid, h.g.board.grid);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(before.blocks[i].column, h.g.blocks[i].column);
            EXPECT_EQ(before.blocks[i].row, h.g.blocks[i].row);
        }
        EXPECT_EQ(before.drag.cellX, h.g.drag.cellX);
        EXPECT_EQ(before.drag.cellY, h.g.drag.cellY);
        EXPECT_EQ(before.presented, h.platform.presented.size());
        const OffscreenSurface& s = h.g.canvas.surface();
        EXPECT_EQ(0, std::memcmp(before.pixels.data(), s.pixels(), before.pixels.size()));
    }

    // A square in the top-left corner. The blocks to its right and below it
    // touch each other only at the corner of cells (3,2) and (2,3), and the
    // pocket between them takes the square by one diagonal step, while
    // neither single-axis step is free.
    void PlacePocket() {
        h.PlaceBlocks({{0, 0, 0},   // square: (0,0) (1,0) (0,1) (1,1)
                       {5, 2, 0},   // (2,0) (3,0) (3,1) (3,2)
                       {9, 0, 2}}); // (0,2) (0,3) (1,3) (2,3)
    }

    GameHarness h;
};

TEST_F(DragTest, DiagonalStepIntoTheGapBetweenCornerTouchingBlocks) {
    PlacePocket();
    h.Press(0, 0);
    ASSERT_TRUE(h.g.holding());
    EXPECT_EQ(h.platform.sounds.back(), SoundId::Click);
    h.DragTo(1, 1);
    EXPECT_EQ(h.g.blocks[0].column, 1);
    EXPECT_EQ(h.g.blocks[0].row, 1);
    EXPECT_EQ(h.Cell(2, 2), 0);
    EXPECT_EQ(h.Cell(0, 0), CellEmpty);
    EXPECT_EQ(h.g.drag.cellX, 1);
    EXPECT_EQ(h.g.drag.cellY, 1);
}

TEST_F(DragTest, RefusedStepsChangeNothing) {
    PlacePocket();
    h.Press(0, 0);
    const Snapshot before = Take();
    h.DragTo(1, 0); // only the horizontal step is tried
    ExpectUnchanged(before);
    h.DragTo(0, 1); // only the vertical one
    ExpectUnchanged(before);
}

TEST_F(DragTest, AFastMoveStopsAtTheFirstBlockedPlaceAndGoesOnAtTheNextMove) {
    h.PlaceBlocks({{0, 0, 0}, {1, 4, 0}}); // a square; an upright bar in column 4, rows 0..3
    h.Press(0, 0);
    h.DragTo(5, 2); // diagonal, diagonal, then right into the bar
    EXPECT_EQ(h.g.blocks[0].column, 2);
    EXPECT_EQ(h.g.blocks[0].row, 2);
    EXPECT_EQ(h.platform.presented.size(), 2u + 1u); // the title screen, then one copy per step
    h.DragTo(2, 6);
    EXPECT_EQ(h.g.blocks[0].row, 6);
}

TEST_F(DragTest, TargetBeyondTheFieldIsClampedToTheEdgeCell) {
    h.PlaceBlocks({{0, 0, 6}}); // a square in the bottom-left corner
    h.Press(1, 7);              // held by its bottom-right cell
    h.game->OnMouseMove(1000, 1000, true, false);
    EXPECT_EQ(h.g.drag.cellX, 6);
    EXPECT_EQ(h.g.drag.cellY, 7);
    EXPECT_EQ(h.g.blocks[0].column, 5);
    // Toward the top-left: the grab cell aims at (0, 0), but the square's
    // own top-left cell meets the frame first.
    h.game->OnMouseMove(-50, -50, true, false);
    EXPECT_EQ(h.g.blocks[0].column, 0);
    EXPECT_EQ(h.g.blocks[0].row, 0);
    EXPECT_EQ(h.g.drag.cellX, 1);
    EXPECT_EQ(h.g.drag.cellY, 1);
}

TEST_F(DragTest, PressesOnAFreeCellOrTheFramePickNothingUp) {
    h.PlaceBlocks({{0, 2, 2}});
    for (const auto& [x, y] : {std::pair{CellCentrePixel(0), CellCentrePixel(0)}, std::pair{5, 40},
                               std::pair{40, 150}, std::pair{200, 40}}) {
        h.game->OnLeftButtonDown(x, y);
        h.DragTo(2, 2);
        h.DragTo(5, 6);
        EXPECT_FALSE(h.g.holding());
        EXPECT_EQ(h.g.blocks[0].column, 2);
        h.Release();
    }
    EXPECT_TRUE(h.platform.sounds.empty());
}

TEST_F(DragTest, ReleaseOutsideTheWindowEndsTheDragAtTheNextTimerFrame) {
    h.PlaceBlocks({{0, 2, 2}});
    h.Press(2, 2);
    h.platform.cursorInside = false;
    h.Tick();
    EXPECT_FALSE(h.g.holding());
    EXPECT_EQ(h.g.drag.tick, -1);
}

TEST_F(DragTest, ReleaseOutsideTheWindowEndsTheDragAtTheNextMoveWithoutTheButton) {
    h.PlaceBlocks({{0, 2, 2}});
    h.Press(2, 2);
    h.game->OnMouseMove(CellCentrePixel(5), CellCentrePixel(5), false, false);
    EXPECT_FALSE(h.g.holding());
    EXPECT_EQ(h.g.blocks[0].column, 2); // the move itself does not step
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{48, 48, 32, 32}));
}

TEST_F(DragTest, FixedBlocksOfAChallengeCannotBePickedUpButStopOthers) {
    h.PlaceBlocks({{0, 0, 0}, {0, 3, 0}});
    h.MakeFixed(1);
    h.SetChallengeFlag(true);
    h.Press(3, 0);
    EXPECT_FALSE(h.g.holding());
    h.Press(0, 0);
    h.DragTo(5, 0);
    EXPECT_EQ(h.g.blocks[0].column, 1); // stopped by the fixed square
}

TEST_F(DragTest, PressesDuringTheFlyInOrTheSolvedAnimationDoNothing) {
    h.StartStage(2);
    h.Press(0, 7);
    EXPECT_FALSE(h.g.holding());
    h.SetPhase(PhaseSolved);
    h.Press(0, 7);
    EXPECT_FALSE(h.g.holding());
    EXPECT_EQ(h.g.state.gamePhase, PhaseSolved);
    EXPECT_EQ(h.platform.sounds, std::vector<SoundId>{SoundId::Slide});
}

TEST_F(DragTest, AClickOnTheTitleStartsARandomStageUnlessAChallengeIsSet) {
    h.SetChallengeFlag(true);
    h.Press(3, 3);
    EXPECT_EQ(h.g.state.gamePhase, PhaseTitle);
    h.SetChallengeFlag(false);
    h.Press(3, 3);
    EXPECT_EQ(h.g.state.gamePhase, PhaseOpening);
}

} // namespace
} // namespace fenx::testing
