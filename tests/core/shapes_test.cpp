#include <gtest/gtest.h>

#include <set>

#include "core/shapes.h"

namespace fenx {
namespace {

TEST(Shapes, AnchorIsTheFirstCellInColumnMajorOrder) {
    for (int o = 0; o < kOrientationCount; ++o) {
        const auto& cells = ShapeTable[o];
        EXPECT_EQ(cells[0].dx, 0) << o;
        EXPECT_EQ(cells[0].dy, 0) << o;
        std::set<std::pair<int, int>> distinct;
        for (const CellOffset& c : cells) {
            EXPECT_TRUE(c.dx > 0 || c.dy >= 0) << "orientation " << o;
            EXPECT_GE(c.dy, -2);
            EXPECT_LE(c.dx, 3);
            distinct.insert({c.dx, c.dy});
        }
        EXPECT_EQ(distinct.size(), 4u) << o;
    }
}

TEST(Shapes, DrawsPickEveryKindThroughItsOwnOrientations) {
    for (int kind = 0; kind < kKindCount; ++kind) {
        for (int rotation = 0; rotation < 4; ++rotation) {
            const int o = KindOrientationTable[kind][rotation];
            EXPECT_EQ(OrientationKind[o], kind);
            // Draw r = 4 * (7m + kind) + rotation selects this orientation.
            EXPECT_EQ(OrientationOfDraw(static_cast<uint16_t>(4 * (7 * 100 + kind) + rotation)), o);
        }
    }
}

TEST(Shapes, BoundsCoverTheCellsWithExclusiveMaxima) {
    const Bounds eight = OrientationBounds[8];
    EXPECT_EQ(eight.minX, 0);
    EXPECT_EQ(eight.minY, -2);
    EXPECT_EQ(eight.maxX, 2);
    EXPECT_EQ(eight.maxY, 1);
    const Bounds lyingBar = OrientationBounds[2];
    EXPECT_EQ(lyingBar.maxX, 4);
    EXPECT_EQ(lyingBar.maxY, 1);
    const Bounds standingBar = OrientationBounds[1];
    EXPECT_EQ(standingBar.maxX, 1);
    EXPECT_EQ(standingBar.maxY, 4);
}

} // namespace
} // namespace fenx
