#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "presentation/blit.h"
#include "presentation/indexed_surface.h"
#include "test_sheet.h"

namespace fenx {
namespace {

using testing::HoledPatternPixel;
using testing::TestSheet;

constexpr uint8_t kFill = 250;

// A 144 x 160 surface (the 7 x 4 stage) filled with one value.
std::unique_ptr<OffscreenSurface> FilledSurface(uint8_t value = kFill) {
    auto surface = std::make_unique<OffscreenSurface>();
    surface->SetUp(144, 160);
    std::fill(surface->pixels(), surface->pixels() + 144 * 160, value);
    return surface;
}

class BlitKeyedTest : public ::testing::Test {
  protected:
    TestSheet opaque_;
    TestSheet holed_{HoledPatternPixel};
};

// Tile (5, 7) of the sheet, pixel (ix, iy) inside it.
uint8_t TilePixel(const SpriteSheet& sheet, int ix, int iy) {
    return sheet.At(5 * 16 + ix, 7 * 16 + iy);
}

TEST_F(BlitKeyedTest, TileAtMinusEightDrawsOnlyItsRightHalf) {
    auto surface = FilledSurface();
    EXPECT_TRUE(BlitKeyed(surface->view(), -8, 20, opaque_.sheet, 80, 112, 16, 16));
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 144; ++x) {
            const bool inside = x < 8 && y >= 20 && y < 36;
            ASSERT_EQ(surface->At(x, y), inside ? TilePixel(opaque_.sheet, x + 8, y - 20) : kFill)
                << x << "," << y;
        }
    }
}

TEST_F(BlitKeyedTest, TileAtWidthMinusEightDrawsOnlyItsLeftHalf) {
    auto surface = FilledSurface();
    EXPECT_TRUE(BlitKeyed(surface->view(), 136, 100, opaque_.sheet, 80, 112, 16, 16));
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 144; ++x) {
            const bool inside = x >= 136 && y >= 100 && y < 116;
            ASSERT_EQ(surface->At(x, y),
                      inside ? TilePixel(opaque_.sheet, x - 136, y - 100) : kFill)
                << x << "," << y;
        }
    }
}

TEST_F(BlitKeyedTest, RowsAboveTheTopComeFromTheLowerSourceRows) {
    auto surface = FilledSurface();
    EXPECT_TRUE(BlitKeyed(surface->view(), 30, -5, opaque_.sheet, 80, 112, 16, 16));
    for (int y = 0; y < 16; ++y) {
        for (int x = 30; x < 46; ++x) {
            ASSERT_EQ(surface->At(x, y), y < 11 ? TilePixel(opaque_.sheet, x - 30, y + 5) : kFill)
                << x << "," << y;
        }
    }
    // At the bottom edge only the upper rows are copied.
    EXPECT_TRUE(BlitKeyed(surface->view(), 0, 150, opaque_.sheet, 80, 112, 16, 16));
    EXPECT_EQ(surface->At(3, 159), TilePixel(opaque_.sheet, 3, 9));
}

TEST_F(BlitKeyedTest, NothingInsideReturnsFalseAndChangesNothing) {
    auto surface = FilledSurface();
    const auto before = std::make_unique<OffscreenSurface>(*surface);
    // Just outside on every side: the rectangles are half-open, so touching
    // an edge from outside is no overlap.
    for (const auto& [x, y] : {std::pair{-16, 50},
                               {144, 50},
                               {50, -16},
                               {50, 160},
                               {-16, -16},
                               {144, 160},
                               {-100000, 3},
                               {2147483600, 2147483600}}) {
        EXPECT_FALSE(BlitKeyed(surface->view(), x, y, opaque_.sheet, 80, 112, 16, 16))
            << x << "," << y;
    }
    // Empty rectangles and an empty destination draw nothing.
    EXPECT_FALSE(BlitKeyed(surface->view(), 10, 10, opaque_.sheet, 80, 112, 0, 16));
    EXPECT_FALSE(BlitKeyed(surface->view(), 10, 10, opaque_.sheet, 80, 112, 16, -3));
    OffscreenSurface none;
    EXPECT_FALSE(BlitKeyed(none.view(), 0, 0, opaque_.sheet, 80, 112, 16, 16));
    EXPECT_TRUE(testing::SamePixels(*surface, *before));
    // One pixel of overlap is enough.
    EXPECT_TRUE(BlitKeyed(surface->view(), -15, -15, opaque_.sheet, 80, 112, 16, 16));
    EXPECT_EQ(surface->At(0, 0), TilePixel(opaque_.sheet, 15, 15));
    EXPECT_EQ(surface->At(1, 0), kFill);
    EXPECT_EQ(surface->At(0, 1), kFill);
}

TEST_F(BlitKeyedTest, ValueZeroNeverChangesTheDestination) {
    for (const uint8_t under : {uint8_t{0}, uint8_t{1}, uint8_t{kFill}}) {
        auto surface = FilledSurface(under);
        // Part of the rectangle hangs over the left and top edges.
        EXPECT_TRUE(BlitKeyed(surface->view(), -3, -2, holed_.sheet, 40, 64, 37, 29));
        int holes = 0;
        for (int y = 0; y < 27; ++y) {
            for (int x = 0; x < 34; ++x) {
                const uint8_t s = holed_.sheet.At(40 + x + 3, 64 + y + 2);
                holes += s == 0;
                ASSERT_EQ(surface->At(x, y), s != 0 ? s : under) << x << "," << y;
            }
        }
        EXPECT_GT(holes, 200);
    }
}

TEST_F(BlitKeyedTest, SourceOutsideTheSheetIsRefused) {
    auto surface = FilledSurface();
    const auto before = std::make_unique<OffscreenSurface>(*surface);
    EXPECT_FALSE(BlitKeyed(surface->view(), 0, 0, opaque_.sheet, 250, 0, 16, 16));
    EXPECT_FALSE(BlitKeyed(surface->view(), 0, 0, opaque_.sheet, 0, 500, 16, 16));
    EXPECT_FALSE(BlitKeyed(surface->view(), 0, 0, opaque_.sheet, -1, 0, 16, 16));
    EXPECT_FALSE(BlitKeyed(surface->view(), 0, 0, opaque_.sheet, 0, -16, 16, 16));
    EXPECT_TRUE(testing::SamePixels(*surface, *before));
    // The sheet's last tile is inside.
    EXPECT_TRUE(BlitKeyed(surface->view(), 0, 0, opaque_.sheet, 240, 496, 16, 16));
}

TEST_F(BlitKeyedTest, WholeTilePathMatchesThePlainCopy) {
    // Random tiles at random places, many of them across an edge, over
    // random destination content: DrawTile and BlitKeyed agree byte for byte
    // and in their result.
    std::mt19937 random(2024);
    for (const TestSheet* source : {&opaque_, &holed_}) {
        auto viaTile = FilledSurface();
        for (int i = 0; i < 144 * 160; ++i) {
            viaTile->pixels()[i] = static_cast<uint8_t>(random());
        }
        auto viaBlit = std::make_unique<OffscreenSurface>(*viaTile);
        for (int n = 0; n < 5000; ++n) {
            const int x = static_cast<int>(random() % 200) - 30;
            const int y = static_cast<int>(random() % 210) - 30;
            const SheetTile tile{static_cast<int>(random() % 16), static_cast<int>(random() % 32)};
            const bool a = DrawTile(viaTile->view(), x, y, source->sheet, tile);
            const bool b = BlitKeyed(viaBlit->view(), x, y, source->sheet, tile.column * 16,
                                     tile.row * 16, 16, 16);
            ASSERT_EQ(a, b) << x << "," << y;
        }
        EXPECT_TRUE(testing::SamePixels(*viaTile, *viaBlit));
    }
}

} // namespace
} // namespace fenx
