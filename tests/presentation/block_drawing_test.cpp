#include <gtest/gtest.h>

#include <memory>

#include "core/shapes.h"
#include "presentation/canvas.h"
#include "test_sheet.h"

namespace fenx {
namespace {

using testing::ShowsTile;
using testing::TestSheet;

class BlockDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(canvas_->CreateSurfaces(7, 4)); }
    const OffscreenSurface& surface() const { return canvas_->surface(); }

    TestSheet sheet_;
    std::unique_ptr<Canvas> canvas_ = std::make_unique<Canvas>(sheet_.sheet);
};

TEST_F(BlockDrawingTest, EachCellShowsItsColoursPieceTile) {
    // Every orientation in every colour: cell j at its offset shows
    // KindTileBase[colour] + PieceTileTable[o][j].
    for (int colour = 0; colour < kColourCount; ++colour) {
        for (int o = 0; o < kOrientationCount; ++o) {
            canvas_->DrawBlockAt(32, 48, o, colour, false);
            for (int j = 0; j < 4; ++j) {
                const CellOffset c = ShapeTable[o][j];
                const SheetTile expected = KindTileBase[colour] + PieceTileTable[o][j];
                ASSERT_TRUE(
                    ShowsTile(surface(), 32 + 16 * c.dx, 48 + 16 * c.dy, sheet_.sheet, expected))
                    << "orientation " << o << " colour " << colour << " cell " << j;
            }
        }
    }
}

TEST_F(BlockDrawingTest, FixedBlockShowsTheIsolatedCellInAllFour) {
    // An S lying (orientation 12) of kind 4 (magenta, base (0,9)).
    canvas_->DrawBlockAt(16, 64, 12, 4, true);
    for (const CellOffset c : ShapeTable[12]) {
        EXPECT_TRUE(ShowsTile(surface(), 16 + 16 * c.dx, 64 + 16 * c.dy, sheet_.sheet, {1, 9}));
    }
}

TEST_F(BlockDrawingTest, FlashColourUsesTheWhiteTiles) {
    EXPECT_EQ(KindTileBase[FlashColour], (SheetTile{12, 9}));
    canvas_->DrawBlockAt(48, 48, 2, FlashColour, false);
    // The lying bar: left end, two middles, right end.
    EXPECT_TRUE(ShowsTile(surface(), 48, 48, sheet_.sheet, {14, 10}));
    EXPECT_TRUE(ShowsTile(surface(), 64, 48, sheet_.sheet, {12, 10}));
    EXPECT_TRUE(ShowsTile(surface(), 96, 48, sheet_.sheet, {15, 9}));
    canvas_->DrawBlockAt(48, 80, 2, FlashColour, true);
    EXPECT_TRUE(ShowsTile(surface(), 64, 80, sheet_.sheet, {13, 9}));
}

TEST_F(BlockDrawingTest, BlockPartlyOffTheSurfaceShowsOnlyItsVisiblePart) {
    canvas_->DrawField();
    const auto before = std::make_unique<OffscreenSurface>(surface());
    // A standing bar whose top two cells lie above the surface and whose
    // column straddles the left edge.
    canvas_->DrawBlockAt(-8, -32, 1, 1, false);
    const SheetTile lower = KindTileBase[1] + PieceTileTable[1][2];
    const SheetTile bottom = KindTileBase[1] + PieceTileTable[1][3];
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 144; ++x) {
            uint8_t expected = before->At(x, y);
            if (x < 8 && y < 32) {
                const SheetTile t = y < 16 ? lower : bottom;
                expected = sheet_.sheet.At(t.column * 16 + x + 8, t.row * 16 + y % 16);
            }
            ASSERT_EQ(surface().At(x, y), expected) << x << "," << y;
        }
    }
    // Wholly outside: nothing changes.
    const auto after = std::make_unique<OffscreenSurface>(surface());
    canvas_->DrawBlockAt(144, 0, 2, 1, false);
    canvas_->DrawBlockAt(-64, 0, 2, 1, false);
    canvas_->DrawBlockAt(0, 200, 8, 1, false);
    // Out-of-range arguments draw nothing either.
    canvas_->DrawBlockAt(32, 32, 19, 1, false);
    canvas_->DrawBlockAt(32, 32, -1, 1, false);
    canvas_->DrawBlockAt(32, 32, 3, 8, false);
    canvas_->DrawOutlineAt(32, 32, 3, 4);
    EXPECT_TRUE(testing::SamePixels(surface(), *after));
}

// Holes everywhere except in the outline rows, so the outline's own pixels
// and the block below them can be told apart.
uint8_t OutlineRowsHoled(int x, int y) {
    return y >= 27 * 16 ? testing::HoledPatternPixel(x, y) : testing::PatternPixel(x, y);
}

TEST_F(BlockDrawingTest, OutlinePhaseTilesLieInRowsTwentySevenOn) {
    TestSheet sheet(OutlineRowsHoled);
    Canvas canvas(sheet.sheet);
    ASSERT_TRUE(canvas.CreateSurfaces(7, 4));
    // Orientation 18 (T, nub left): cells (0,0) (1,-1) (1,0) (1,1).
    for (int phase = 0; phase < 4; ++phase) {
        canvas.DrawBlockAt(48, 64, 18, 6, false);
        canvas.DrawOutlineAt(48, 64, 18, phase);
        for (int j = 0; j < 4; ++j) {
            const CellOffset c = ShapeTable[18][j];
            const SheetTile piece = PieceTileTable[18][j];
            const SheetTile outline{4 * phase + piece.column, 27 + piece.row};
            // Where the outline is transparent, the block's own tile shows.
            const SheetTile block = KindTileBase[6] + piece;
            const int x = 48 + 16 * c.dx;
            const int y = 64 + 16 * c.dy;
            for (int iy = 0; iy < 16; ++iy) {
                for (int ix = 0; ix < 16; ++ix) {
                    const uint8_t o =
                        sheet.sheet.At(outline.column * 16 + ix, outline.row * 16 + iy);
                    const uint8_t b = sheet.sheet.At(block.column * 16 + ix, block.row * 16 + iy);
                    ASSERT_EQ(canvas.surface().At(x + ix, y + iy), o != 0 ? o : b)
                        << "phase " << phase << " cell " << j;
                }
            }
        }
    }
}

} // namespace
} // namespace fenx
