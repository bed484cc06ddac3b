// The placement hint: where blocks of the held block's orientation lie in
// the generated tiling, blinking in the lower half of the field.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/game_harness.h"

namespace fenx::testing {
namespace {

// A 7 x 4 stage: rows 0..3 above, rows 4..7 where the tiling lies.
class HintTest : public ::testing::Test {
  protected:
    void SetUp() override { h.StartUp(); }

    using Pixels = std::vector<uint8_t>;

    // The 16 x 16 pixels of field cell (cx, cy).
    Pixels Cell(int cx, int cy) const {
        const OffscreenSurface& s = h.g.canvas.surface();
        Pixels p;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                p.push_back(s.At(CellPixel(cx) + x, CellPixel(cy) + y));
            }
        }
        return p;
    }
    Pixels Whole() const {
        const OffscreenSurface& s = h.g.canvas.surface();
        return {s.pixels(), s.pixels() + s.stride() * s.height()};
    }

    void RightPress(int cx, int cy) {
        h.game->OnRightButtonDown(CellCentrePixel(cx), CellCentrePixel(cy));
    }
    // One frame of the play timer (a new tick runs exactly one at once).
    void Frame() { h.game->OnPlayTimer(); }

    GameHarness h;
};

TEST_F(HintTest, ThePlaceOfAnOrientationThatOccursOnceBlinksInTheLowerHalf) {
    h.PlaceBlocks({{0, 0, 0}, {1, 4, 0}}); // a square at (0,0), a bar at (4,0)
    h.SetSolution(0, 3, 1);                // shown at field cell (3,5)
    const Pixels square = Cell(0, 0);
    const Pixels background = Cell(3, 5);
    ASSERT_NE(square, background);
    const std::size_t presented = h.platform.presented.size();

    RightPress(1, 1);
    EXPECT_TRUE(h.g.hinting());
    EXPECT_EQ(h.g.hint.block, 0);
    EXPECT_EQ(h.platform.sounds.back(), SoundId::Click);
    EXPECT_EQ(h.platform.presented.size(), presented); // drawn by the next frame

    Frame(); // tick 1: shown
    EXPECT_EQ(h.g.hint.tick, 1);
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{0, 0, 144, 160}));
    EXPECT_EQ(Cell(3, 5), square);
    EXPECT_EQ(Cell(4, 6), Cell(1, 1)); // all four cells of the square
    EXPECT_EQ(Cell(0, 0), square);     // the block itself stays where it is
    Frame();                           // tick 2: hidden
    EXPECT_EQ(Cell(3, 5), background);
    EXPECT_EQ(Cell(0, 0), square);
}

TEST_F(HintTest, ThreePlacesOfOneOrientationBlinkTogether) {
    h.PlaceBlocks({{0, 0, 0}, {0, 2, 0}, {0, 4, 0}, {1, 0, 2}});
    h.SetSolution(0, 0, 2);
    h.SetSolution(1, 2, 2);
    h.SetSolution(2, 5, 0);
    h.SetSolution(3, 6, 0); // another orientation: never shown
    const Pixels colours[3] = {Cell(0, 0), Cell(2, 0), Cell(4, 0)};
    const Pixels background[3] = {Cell(0, 6), Cell(2, 6), Cell(5, 4)};
    const Pixels free = Cell(6, 6);

    RightPress(2, 0);
    Frame();
    EXPECT_EQ(Cell(0, 6), colours[0]); // each place in its own block's colour
    EXPECT_EQ(Cell(2, 6), colours[1]);
    EXPECT_EQ(Cell(5, 4), colours[2]);
    EXPECT_EQ(Cell(6, 6), free);
    Frame();
    EXPECT_EQ(Cell(0, 6), background[0]);
    EXPECT_EQ(Cell(2, 6), background[1]);
    EXPECT_EQ(Cell(5, 4), background[2]);
}

TEST_F(HintTest, AHintedBlockOnAShownPlaceBlinksWithItAndElsewhereStaysSteady) {
    // Block 0 lies where block 1's place is shown; block 2 lies where no
    // place of its orientation is shown.
    h.PlaceBlocks({});
    const Pixels background[2] = {Cell(3, 5), Cell(4, 6)};
    h.PlaceBlocks({{0, 3, 5}, {0, 0, 0}, {0, 0, 5}});
    h.SetSolution(0, 5, 0);
    h.SetSolution(1, 3, 1); // shown at (3,5), under block 0
    h.SetSolution(2, 0, 0); // shown at (0,4), overlapping block 2 but not its anchor
    const Pixels block0 = Cell(3, 5);
    const Pixels block1 = Cell(0, 0);
    const Pixels block2[2] = {Cell(0, 5), Cell(1, 6)};

    RightPress(3, 5);
    Frame(); // shown: the place of block 1 lies over block 0
    EXPECT_EQ(Cell(3, 5), block1);
    Frame(); // hidden: block 0 vanishes with the places
    EXPECT_EQ(Cell(3, 5), background[0]);
    EXPECT_EQ(Cell(4, 6), background[1]);
    h.game->OnRightButtonUp();
    EXPECT_EQ(Cell(3, 5), block0); // back in the plain picture

    RightPress(0, 6);
    EXPECT_EQ(h.g.hint.block, 2);
    Frame();
    Frame(); // hidden: block 2 is not on a shown place and stays
    EXPECT_EQ(Cell(0, 5), block2[0]);
    EXPECT_EQ(Cell(1, 6), block2[1]);
}

TEST_F(HintTest, TheCursorLeavingTheWindowEndsTheHintAtTheNextFrame) {
    h.PlaceBlocks({{0, 0, 0}, {1, 4, 0}});
    h.SetSolution(0, 3, 1);
    const Pixels plain = Whole();
    const auto board = std::make_unique<Board>(h.g.board);

    RightPress(0, 0);
    Frame();
    ASSERT_NE(Whole(), plain);
    h.platform.cursorInside = false;
    Frame(); // draws once more, then finds the cursor outside
    EXPECT_FALSE(h.g.hinting());
    EXPECT_EQ(Whole(), plain);
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{0, 0, 144, 160}));
    EXPECT_EQ(h.g.board.grid, board->grid); // the hint never touches the board
    const std::size_t presented = h.platform.presented.size();
    Frame();
    EXPECT_EQ(h.platform.presented.size(), presented); // no frames without a hint
}

TEST_F(HintTest, ReleaseRestoresThePlainPictureAndRightMovesRedrawWithoutTicking) {
    h.PlaceBlocks({{0, 0, 0}});
    h.SetSolution(0, 3, 1);
    const Pixels plain = Whole();
    RightPress(0, 0);
    Frame();
    const std::size_t presented = h.platform.presented.size();
    h.game->OnMouseMove(CellCentrePixel(2), CellCentrePixel(2), false, true);
    EXPECT_EQ(h.g.hint.tick, 1);
    EXPECT_EQ(h.platform.presented.size(), presented + 1);
    h.game->OnMouseMove(CellCentrePixel(2), CellCentrePixel(2), false,
                        false); // no button: no hint frame
    EXPECT_EQ(h.platform.presented.size(), presented + 1);
    EXPECT_NE(Whole(), plain);
    h.game->OnRightButtonUp();
    EXPECT_FALSE(h.g.hinting());
    EXPECT_EQ(Whole(), plain);
    // The hint takes paced frames like any animation: more than one a tick.
    RightPress(0, 0);
    EXPECT_GT(h.Tick(), 1);
}

TEST_F(HintTest, ABlockPickedUpWhileTheHintShowsTakesTheFramesUntilItIsLetGo) {
    h.PlaceBlocks({{0, 0, 0}, {1, 4, 0}}); // a square at (0,0), a bar at (4,0)
    h.SetSolution(0, 3, 1);                // shown at field cell (3,5)
    const Pixels plain = Whole();
    const Pixels background = Cell(3, 5);

    RightPress(0, 0);
    Frame(); // tick 1: the square's place shows
    ASSERT_NE(Cell(3, 5), background);
    h.Press(4, 0); // the left button picks up the bar; the hint waits
    EXPECT_EQ(h.g.mode(), PlayMode::DraggingOverHint);
    Frame();
    EXPECT_EQ(h.g.drag.tick, 1);
    EXPECT_EQ(h.g.hint.tick, 1); // no hint frame while the bar is held
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{80, 16, 16, 64})); // the bar alone
    h.Release();
    EXPECT_EQ(h.g.mode(), PlayMode::Hinting);
    Frame(); // tick 2: the hint goes on where it stopped
    EXPECT_EQ(h.g.hint.tick, 2);
    EXPECT_EQ(Cell(3, 5), background);
    h.game->OnRightButtonUp();
    EXPECT_EQ(h.g.mode(), PlayMode::Idle);
    EXPECT_EQ(Whole(), plain);

    // The other way round: a right press while a block is held, and its
    // release, leave the held block held.
    h.Press(4, 0);
    RightPress(0, 0);
    EXPECT_EQ(h.g.mode(), PlayMode::DraggingOverHint);
    h.game->OnRightButtonUp();
    EXPECT_EQ(h.g.mode(), PlayMode::Dragging);
    h.DragTo(5, 0);
    EXPECT_EQ(h.g.blocks[1].column, 5);
}

TEST_F(HintTest, PressesThatShowNothingPlayNoSound) {
    h.PlaceBlocks({{0, 0, 0}});
    RightPress(5, 5);                                                  // a free cell
    h.game->OnRightButtonDown(8, 8);                                   // the frame
    h.game->OnRightButtonDown(CellCentrePixel(7), CellCentrePixel(0)); // right of the field
    h.SetChallengeFlag(true);
    RightPress(0, 0); // challenge stages have no hint
    h.SetChallengeFlag(false);
    h.SetPhase(PhaseSolved);
    RightPress(0, 0);
    EXPECT_FALSE(h.g.hinting());
    EXPECT_TRUE(h.platform.sounds.empty());
}

TEST_F(HintTest, AHintLeftOverFromAFinishedStageDoesNotComeBack) {
    h.PlaceBlocks({{0, 0, 0}});
    RightPress(0, 0);
    ASSERT_TRUE(h.g.hinting());
    h.SetPhase(PhaseTitle); // the stage ended while the button was held
    h.game->OnRightButtonUp();
    EXPECT_FALSE(h.g.hinting());

    h.SetPhase(PhasePlaying);
    RightPress(0, 0);
    h.StartPlaying(2); // a stage start drops a hint still showing
    EXPECT_FALSE(h.g.hinting());
}

} // namespace
} // namespace fenx::testing
