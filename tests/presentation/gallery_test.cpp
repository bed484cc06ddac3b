#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "core/shapes.h"
#include "presentation/shape_gallery.h"
#include "test_sheet.h"

namespace fenx {
namespace {

TEST(ShapeGallery, PlacementsFitWithoutOverlap) {
    std::array<std::array<int, 12>, 7> used{};
    for (int o = 0; o < kOrientationCount; ++o) {
        for (const CellOffset c : ShapeTable[o]) {
            const int x = GalleryPlacement[o].column + c.dx;
            const int y = GalleryPlacement[o].row + c.dy;
            ASSERT_TRUE(x >= 0 && x < 12 && y >= 0 && y < 7) << o;
            EXPECT_EQ(used[static_cast<size_t>(y)][static_cast<size_t>(x)]++, 0) << o;
        }
    }
    int empty = 0;
    for (const auto& row : used) {
        for (const int n : row) {
            empty += n == 0;
        }
    }
    EXPECT_EQ(empty, 12 * 7 - 4 * kOrientationCount);
}

TEST(ShapeGallery, HoldsEachOrientationInItsKindsColour) {
    testing::TestSheet sheet;
    auto gallery = std::make_unique<ShapeGallery>();
    BuildShapeGallery(*gallery, sheet.sheet);
    ASSERT_EQ(gallery->width(), 192);
    ASSERT_EQ(gallery->height(), 112);
    std::array<std::array<bool, 12>, 7> covered{};
    for (int o = 0; o < kOrientationCount; ++o) {
        for (int j = 0; j < 4; ++j) {
            const int gx = GalleryPlacement[o].column + ShapeTable[o][j].dx;
            const int gy = GalleryPlacement[o].row + ShapeTable[o][j].dy;
            covered[static_cast<size_t>(gy)][static_cast<size_t>(gx)] = true;
            const SheetTile t = KindTileBase[OrientationKind[o]] + PieceTileTable[o][j];
            for (int iy = 0; iy < 16; ++iy) {
                for (int ix = 0; ix < 16; ++ix) {
                    ASSERT_EQ(gallery->At(gx * 16 + ix, gy * 16 + iy),
                              sheet.sheet.At(t.column * 16 + ix, t.row * 16 + iy))
                        << "orientation " << o << " cell " << j;
                }
            }
        }
    }
    // The rest stays black.
    for (int y = 0; y < 112; ++y) {
        for (int x = 0; x < 192; ++x) {
            if (!covered[static_cast<size_t>(y / 16)][static_cast<size_t>(x / 16)]) {
                ASSERT_EQ(gallery->At(x, y), 0) << x << "," << y;
            }
        }
    }
}

TEST(ShapeGallery, SearchDialogCopies) {
    const auto copies = ShapeGalleryCopies();
    // The standing I (orientation 1, cells 4..7) has its top cell at dialog
    // pixel (96, 16), taken from gallery cell (10, 2).
    EXPECT_EQ(copies[4].destination, (PixelRect{96, 16, 16, 16}));
    EXPECT_EQ(copies[4].source, (PixelRect{160, 32, 16, 16}));
    EXPECT_EQ(copies[7].destination, (PixelRect{96, 64, 16, 16}));
    // The square (orientation 0) at (0, 1) + margin: (32, 48) .. (48, 64).
    EXPECT_EQ(copies[0].destination, (PixelRect{32, 48, 16, 16}));
    EXPECT_EQ(copies[3].destination, (PixelRect{48, 64, 16, 16}));
    // Orientation 8 reaches two cells above its anchor (4, 12) + margin.
    EXPECT_EQ(copies[8 * 4 + 3].destination, (PixelRect{112, 192, 16, 16}));
    for (size_t a = 0; a < copies.size(); ++a) {
        // Every source is one of the gallery's cells, inside the gallery.
        const PixelRect s = copies[a].source;
        EXPECT_TRUE(s.x % 16 == 0 && s.y % 16 == 0 && s.x >= 0 && s.x + 16 <= 192 && s.y >= 0 &&
                    s.y + 16 <= 112)
            << a;
        for (size_t b = 0; b < a; ++b) {
            EXPECT_FALSE(copies[a].destination == copies[b].destination) << a << " " << b;
            EXPECT_FALSE(copies[a].source == copies[b].source) << a << " " << b;
        }
    }
}

} // namespace
} // namespace fenx
