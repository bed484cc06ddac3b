#include <gtest/gtest.h>

#include <map>

#include "core/shapes.h"
#include "presentation/sheet_layout.h"

namespace fenx {
namespace {

enum Side { Up = 1, Right = 2, Down = 4, Left = 8 };

// The tile of a cell by its same-piece neighbours, as the artwork draws
// them; the square uses its own plain 2 x 2 tiles for the corners.
SheetTile TileForNeighbours(int sides, bool square) {
    if (square) {
        static const std::map<int, SheetTile> corners = {{Right | Down, {0, 2}},
                                                         {Down | Left, {1, 2}},
                                                         {Up | Right, {0, 3}},
                                                         {Up | Left, {1, 3}}};
        return corners.at(sides);
    }
    static const std::map<int, SheetTile> tiles = {
        {0, {1, 0}},
        {Down, {2, 0}},
        {Left, {3, 0}},
        {Right | Left, {0, 1}},
        {Up | Down, {1, 1}},
        {Right, {2, 1}},
        {Up, {3, 1}},
        {Right | Down, {2, 2}},
        {Down | Left, {3, 2}},
        {Up | Right, {2, 3}},
        {Up | Left, {3, 3}},
        {Up | Right | Left, {0, 4}},
        {Up | Right | Down, {1, 4}},
        {Right | Down | Left, {2, 4}},
        {Up | Down | Left, {3, 4}},
    };
    return tiles.at(sides);
}

TEST(PieceTileTable, FollowsTheNeighbourRuleForEveryCell) {
    for (int o = 0; o < kOrientationCount; ++o) {
        const auto& cells = ShapeTable[o];
        for (int j = 0; j < 4; ++j) {
            int sides = 0;
            for (const CellOffset& other : cells) {
                const int dx = other.dx - cells[j].dx;
                const int dy = other.dy - cells[j].dy;
                sides |= dx == 0 && dy == -1 ? Up : 0;
                sides |= dx == 1 && dy == 0 ? Right : 0;
                sides |= dx == 0 && dy == 1 ? Down : 0;
                sides |= dx == -1 && dy == 0 ? Left : 0;
            }
            EXPECT_EQ(PieceTileTable[o][j], TileForNeighbours(sides, OrientationKind[o] == 0))
                << "orientation " << o << " cell " << j;
        }
    }
}

TEST(PieceTileTable, OutlineTilesMirrorTheColourLayout) {
    // Phase p of the dotted outline lies 4p tiles right of tile (0, 27).
    EXPECT_EQ(OutlineCellTile(0, 0, 0), (SheetTile{0, 29}));
    EXPECT_EQ(OutlineCellTile(15, 2, 3), (SheetTile{12, 31}));
    EXPECT_EQ(OutlineCellTile(1, 3, 2), (SheetTile{11, 28}));
}

} // namespace
} // namespace fenx
