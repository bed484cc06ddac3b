// Play from the keyboard: the cursor and its picture, picking up, steps
// taken only when that very step fits, putting down, and how the mouse and
// the keys hand over to each other.
#include <gtest/gtest.h>

#include "play/drag_look.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override { h.StartUp(); }

    // Whether `now` differs from `plain` only in field cell `cell`, and
    // shows the cursor's dotted outline there.
    bool CursorOnlyAt(const std::vector<uint8_t>& plain, Cell cell) const {
        const OffscreenSurface& s = h.g.canvas.surface();
        const int x0 = CellPixel(cell.column);
        const int y0 = CellPixel(cell.row);
        for (int y = 0; y < s.height(); ++y) {
            for (int x = 0; x < s.width(); ++x) {
                const bool inCell = x >= x0 && x < x0 + 16 && y >= y0 && y < y0 + 16;
                const std::size_t i = static_cast<std::size_t>(y * s.stride() + x);
                if (!inCell && s.pixels()[i] != plain[i]) {
                    return false;
                }
            }
        }
        return ShowsTile(s, x0, y0, h.sheet.sheet, kKeyCursorTile);
    }
    void Keys(std::initializer_list<PlayKey> keys) {
        for (PlayKey k : keys) {
            h.Key(k);
        }
    }

    GameHarness h;
};

TEST_F(KeyboardTest, TheCursorStartsHiddenBottomLeftAndNeverLeavesTheField) {
    h.StartPlaying(7);
    const std::vector<uint8_t> plain = h.Pixels();
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{0, 7}));
    EXPECT_FALSE(h.g.keyCursor().shown);

    h.Key(PlayKey::Left); // the first key shows it; the corner holds it
    EXPECT_TRUE(h.g.keyCursor().shown);
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{0, 7}));
    EXPECT_TRUE(CursorOnlyAt(plain, {0, 7}));
    Keys({PlayKey::Down, PlayKey::DownLeft, PlayKey::DownRight});
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{1, 7}));
    for (int i = 0; i < 10; ++i) {
        Keys({PlayKey::UpRight});
    }
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{6, 0}));
    EXPECT_TRUE(CursorOnlyAt(plain, {6, 0}));
    Keys({PlayKey::Up, PlayKey::Right, PlayKey::UpLeft});
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{5, 0}));
    for (int i = 0; i < 10; ++i) {
        Keys({PlayKey::Left, PlayKey::Up});
    }
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{0, 0}));
    EXPECT_TRUE(CursorOnlyAt(plain, {0, 0}));
    EXPECT_FALSE(h.g.holding()); // moving the cursor picks nothing up

    // A new stage puts it back, hidden.
    h.StartPlaying(8);
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{0, 7}));
    EXPECT_FALSE(h.g.keyCursor().shown);
}

TEST_F(KeyboardTest, PicksUpOnlyAMovableBlockAndShowsItInTheDragLook) {
    h.PlaceBlocks({{0, 0, 6}, {0, 3, 6}}); // two squares on the floor
    h.MakeFixed(1);
    h.SetChallengeFlag(true);
    h.SetDragDisplayMode(DragFlash);
    Keys({PlayKey::Up, PlayKey::Up, PlayKey::PickUpOrPutDown}); // (0, 5): empty
    EXPECT_FALSE(h.g.holding());
    Keys({PlayKey::DownRight, PlayKey::Right, PlayKey::Right, PlayKey::PickUpOrPutDown});
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{3, 6})); // on the fixed square
    EXPECT_FALSE(h.g.holding());
    EXPECT_TRUE(h.platform.sounds.empty());

    Keys({PlayKey::Left, PlayKey::Left, PlayKey::Down, PlayKey::PickUpOrPutDown});
    ASSERT_TRUE(h.g.carryingByKeys());
    EXPECT_EQ(h.platform.sounds, std::vector<SoundId>{SoundId::Click});
    // Tick 1 flashes, as in a mouse drag; a cursor outside the window does
    // not end a carry by the keys.
    h.platform.cursorInside = false;
    h.Tick();
    EXPECT_TRUE(h.g.carryingByKeys());
    const OffscreenSurface& s = h.g.canvas.surface();
    EXPECT_TRUE(ShowsTile(s, CellPixel(0), CellPixel(6), h.sheet.sheet,
                          BlockCellTile(0, 0, FlashColour, false)));
    EXPECT_TRUE(ShowsTile(s, CellPixel(1), CellPixel(7), h.sheet.sheet, kKeyCursorTile));
    h.Key(PlayKey::PutDown);
    EXPECT_FALSE(h.g.holding());
    EXPECT_FALSE(h.g.history().canUndo()); // put down where it was: no move
}

TEST_F(KeyboardTest, AStepIsTakenOnlyWhenThatVeryStepFits) {
    // A square on the floor at the left edge; an upright bar at column 2,
    // rows 2..5, blocks its up-right step while up and right are free.
    h.PlaceBlocks({{0, 0, 6}, {1, 2, 2}});
    h.Key(PlayKey::PickUpOrPutDown); // the cursor starts on the square
    ASSERT_TRUE(h.g.carryingByKeys());
    const std::vector<Cell> start = h.Anchors();
    const std::size_t presented = h.platform.presented.size();
    Keys({PlayKey::Left, PlayKey::Down, PlayKey::DownLeft, PlayKey::DownRight, PlayKey::UpLeft,
          PlayKey::UpRight});
    EXPECT_EQ(h.Anchors(), start); // the edges, and the bar: no other step tried
    EXPECT_EQ(h.platform.presented.size(), presented); // not even a redraw
    h.Key(PlayKey::Right);
    EXPECT_EQ(h.Anchors()[0], (Cell{1, 6}));
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{1, 7})); // the cursor moves with the block
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{16, 112, 48, 32}));

    // Held down, an arrow's repeats keep stepping; the pick-up key's repeats
    // neither put the block down nor pick it up again.
    h.Key(PlayKey::Right, true);
    EXPECT_EQ(h.Anchors()[0], (Cell{2, 6}));
    h.Key(PlayKey::PickUpOrPutDown, true);
    EXPECT_TRUE(h.g.carryingByKeys());
    h.Key(PlayKey::PickUpOrPutDown);
    ASSERT_FALSE(h.g.carryingByKeys());
    h.Key(PlayKey::PickUpOrPutDown, true);
    EXPECT_FALSE(h.g.carryingByKeys());

    h.Key(PlayKey::Undo);
    EXPECT_EQ(h.Anchors(), start);
}

TEST_F(KeyboardTest, TheKeysTakeTheDiagonalGapBetweenCornerTouchingBlocks) {
    // The square in the top-left corner; the blocks to its right and below
    // touch only at a corner, and neither single-axis step is free.
    h.PlaceBlocks({{0, 0, 0}, {5, 2, 0}, {9, 0, 2}});
    for (int i = 0; i < 7; ++i) {
        h.Key(PlayKey::Up);
    }
    h.Key(PlayKey::PickUpOrPutDown);
    ASSERT_TRUE(h.g.carryingByKeys());
    Keys({PlayKey::Right, PlayKey::Down, PlayKey::DownRight});
    EXPECT_EQ(h.Anchors()[0], (Cell{1, 1}));
    EXPECT_EQ(h.Cell(2, 2), 0);
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{1, 1}));
}

// The same move made by the keys and by the mouse: once the mouse has moved
// the two windows show the same picture.
TEST_F(KeyboardTest, AMouseMoveHidesTheCursorAndLeavesThePictureOfMousePlay) {
    GameHarness mouse;
    mouse.StartUp();
    for (GameHarness* g : {&h, &mouse}) {
        g->PlaceBlocks({{0, 0, 6}, {1, 6, 4}});
    }
    Keys({PlayKey::PickUpOrPutDown, PlayKey::UpRight, PlayKey::Right});
    h.Tick();
    mouse.Press(0, 7);
    mouse.DragTo(1, 6);
    mouse.DragTo(2, 6);
    mouse.Tick();
    mouse.Release();
    ASSERT_EQ(h.Anchors(), mouse.Anchors());

    // A report of the same mouse place twice is one move.
    h.game->OnMouseMove(60, 30, false, false);
    h.Key(PlayKey::PutDown);
    ASSERT_TRUE(h.g.keyCursor().shown);
    h.game->OnMouseMove(60, 30, false, false);
    EXPECT_TRUE(h.g.keyCursor().shown);
    h.game->OnMouseMove(61, 30, false, false);
    mouse.game->OnMouseMove(61, 30, false, false);
    EXPECT_FALSE(h.g.keyCursor().shown);
    EXPECT_EQ(h.Pixels(), mouse.Pixels());
    EXPECT_EQ(h.g.keyCursor().cell, (Cell{2, 6})); // hidden where it was
}

TEST_F(KeyboardTest, AMousePressPutsTheCarriedBlockDownFirst) {
    h.PlaceBlocks({{0, 0, 6}, {1, 6, 4}});
    Keys({PlayKey::PickUpOrPutDown, PlayKey::Up});
    ASSERT_EQ(h.Anchors()[0], (Cell{0, 5}));
    h.Press(6, 6); // on the bar
    EXPECT_TRUE(h.g.holding());
    EXPECT_FALSE(h.g.carryingByKeys());
    EXPECT_EQ(h.g.drag.block, 1);
    EXPECT_FALSE(h.g.keyCursor().shown);
    h.DragTo(5, 6);
    h.Release();
    h.Key(PlayKey::Undo);
    h.Key(PlayKey::Undo); // the carry by the keys was a move of its own
    EXPECT_EQ(h.Anchors(), (std::vector<Cell>{{0, 6}, {6, 4}}));

    // The right button puts it down too.
    Keys({PlayKey::PickUpOrPutDown, PlayKey::Up});
    h.game->OnRightButtonDown(CellCentrePixel(6), CellCentrePixel(6));
    EXPECT_FALSE(h.g.holding());
    EXPECT_TRUE(h.g.hinting());
    EXPECT_TRUE(h.g.history().canUndo());
}

TEST_F(KeyboardTest, AStepThatCompletesTheFieldSolvesTheStage) {
    h.StartPlaying(11);
    const int b = h.SetUpOneStepFromSolved();
    ASSERT_GE(b, 0);
    const Block& block = h.g.blocks[b];
    const Cell at{block.column, block.row};
    for (int i = 0; i < 8; ++i) {
        Keys({PlayKey::Up, PlayKey::Left});
    }
    for (int i = 0; i < at.column; ++i) {
        h.Key(PlayKey::Right);
    }
    for (int i = 0; i < at.row; ++i) {
        h.Key(PlayKey::Down);
    }
    h.Key(PlayKey::PickUpOrPutDown);
    ASSERT_TRUE(h.g.carryingByKeys());
    h.Key(PlayKey::Down);
    EXPECT_EQ(h.g.state.gamePhase, PhaseSolved);
    EXPECT_EQ(h.platform.sounds.back(), SoundId::Tada);
    EXPECT_EQ(h.g.record.status, ResultSolved);
    EXPECT_FALSE(h.g.holding());
    EXPECT_FALSE(h.g.keyCursor().shown);
    h.Key(PlayKey::Up); // the keys act only in play
    EXPECT_EQ(h.g.blocks[b].row, at.row + 1);
}

} // namespace
} // namespace fenx::testing
