// Where the rim of a piece runs inside one of its cells.
//
// A cell knows which of its eight neighbours belong to the same piece. Its
// rim runs along every side without a neighbour, and also round the inner
// corner of a bend, where two neighbours meet but the diagonal cell between
// them is not part of the piece. Every pixel gets the side of the rim it lies
// on and its depth (0 = the outermost pixel line). Because depth is measured
// to the piece's outline rather than to the cell's border, rims drawn from
// these strokes join seamlessly from cell to cell.
#pragma once

#include <array>

namespace fenx::sheet {

struct Neighbours {
    bool up = false;
    bool right = false;
    bool down = false;
    bool left = false;
    // Diagonals only matter where both adjacent sides are neighbours.
    bool upRight = false;
    bool downRight = false;
    bool downLeft = false;
    bool upLeft = false;
};

// The neighbours of cell (column, row) in a shape, given `inShape(column,
// row)`, which tells whether a cell (possibly outside the shape's grid)
// belongs to the same shape.
template <typename InShape>
Neighbours NeighboursIn(InShape&& inShape, int column, int row) {
    Neighbours n;
    n.up = inShape(column, row - 1);
    n.down = inShape(column, row + 1);
    n.left = inShape(column - 1, row);
    n.right = inShape(column + 1, row);
    n.upLeft = inShape(column - 1, row - 1);
    n.upRight = inShape(column + 1, row - 1);
    n.downLeft = inShape(column - 1, row + 1);
    n.downRight = inShape(column + 1, row + 1);
    return n;
}

enum class Side { None, Top, Right, Bottom, Left };

struct Stroke {
    Side side = Side::None;
    int depth = 1 << 20;
};

// Light falls from the top left: top and left rims are lit, the others shaded.
constexpr bool IsLit(Side side) {
    return side == Side::Top || side == Side::Left;
}

// The rim stroke under pixel (x, y) of a size x size cell.
Stroke StrokeAt(const Neighbours& n, int x, int y, int size);

// Marching-dot position of a rim pixel, counted clockwise round the piece;
// consistent across cell joins for any cell size that is a multiple of 8.
int PerimeterPosition(Side side, int x, int y, int size);

// The twenty tiles of a colour block (4 x 5), by offset inside the block.
struct TileRule {
    int column;
    int row;
    Neighbours neighbours;
};
inline constexpr int kTileRuleCount = 20;
extern const std::array<TileRule, kTileRuleCount> kTileRules;

} // namespace fenx::sheet
