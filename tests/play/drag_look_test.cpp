#include <gtest/gtest.h>

#include "play/drag_look.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class DragLookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.StartUp();
        h.PlaceBlocks({{0, 3, 3}}); // a square, colour 0
    }

    void SetMode(int32_t mode) { h.SetDragDisplayMode(mode); }

    // The square's four cells show `colour` with, when phase >= 0, the
    // outline of that phase over them.
    bool Shows(int colour, int phase) const {
        const Block& b = h.g.blocks[0];
        for (int j = 0; j < 4; ++j) {
            const CellOffset c = ShapeTable[0][static_cast<std::size_t>(j)];
            const SheetTile cell = BlockCellTile(0, j, colour, false);
            const int x = CellPixel(b.column + c.dx);
            const int y = CellPixel(b.row + c.dy);
            const bool ok = phase < 0 ? ShowsTile(h.g.canvas.surface(), x, y, h.sheet.sheet, cell)
                                      : ShowsTile(h.g.canvas.surface(), x, y, h.sheet.sheet,
                                                  OutlineCellTile(0, j, phase), cell);
            if (!ok) {
                return false;
            }
        }
        return true;
    }

    GameHarness h;
};

TEST_F(DragLookTest, FlashShowsOnTicksOneFiveAndNineOnlyAndNotAfterTheRelease) {
    SetMode(DragFlash);
    h.Press(3, 3);
    for (int tick = 1; tick <= 10; ++tick) { // one second held still
        h.Tick();
        const bool flash = tick == 1 || tick == 5 || tick == 9;
        EXPECT_TRUE(Shows(flash ? FlashColour : 0, -1)) << "tick " << tick;
    }
    h.Release();
    EXPECT_TRUE(Shows(0, -1));
}

TEST_F(DragLookTest, DottedOutlineFromTheFirstStepThroughItsPhasesUntilTheRelease) {
    SetMode(DragDotted);
    h.Press(3, 3);
    h.DragTo(3, 4); // a step before the first tick: phase 0
    EXPECT_TRUE(Shows(0, 0));
    for (int phase : {1, 2, 3, 0}) {
        h.Tick();
        EXPECT_TRUE(Shows(0, phase)) << "phase " << phase;
    }
    h.Release();
    EXPECT_TRUE(Shows(0, -1));
}

TEST_F(DragLookTest, StoredModesOutsideTheMenuDrawPlainly) {
    for (int32_t mode : {7, 3, -1}) {
        SetMode(mode);
        h.Press(3, 3);
        h.Tick(); // tick 1: would flash
        EXPECT_TRUE(Shows(0, -1)) << "mode " << mode;
        h.Release();
    }
}

TEST(DraggedBlockArea, GrownByOneCellOnTheSideOfTheStep) {
    // Lying I, stepped right to anchor (2, 3): from (1, 3), five cells wide.
    EXPECT_EQ(DraggedBlockArea(2, 2, 3, 1, 0), (SurfaceRect{32, 64, 80, 16}));
    // Orientation 8, bounds (0, -2, 2, 1), stepped up-left to (4, 5):
    // grown left and up from the anchor (5, 6) before the step.
    EXPECT_EQ(DraggedBlockArea(8, 4, 5, -1, -1), (SurfaceRect{80, 64, 48, 64}));
    // In place: just the bounds.
    EXPECT_EQ(DraggedBlockArea(8, 4, 5, 0, 0), (SurfaceRect{80, 64, 32, 48}));
}

TEST_F(DragLookTest, ADiagonalStepCopiesTheAreaGrownBothWays) {
    h.Press(3, 3);
    h.DragTo(2, 2);
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{48, 48, 48, 48}));
}

} // namespace
} // namespace fenx::testing
