#include "cell_edges.h"

namespace fenx::sheet {

namespace {

// Horizontal rims win ties, so a corner is cut on one fixed diagonal.
bool Prefer(Stroke candidate, Stroke best) {
    if (candidate.depth != best.depth) {
        return candidate.depth < best.depth;
    }
    const bool horizontal = candidate.side == Side::Top || candidate.side == Side::Bottom;
    const bool bestHorizontal = best.side == Side::Top || best.side == Side::Bottom;
    return horizontal && !bestHorizontal;
}

void Consider(Stroke candidate, Stroke& best) {
    if (Prefer(candidate, best)) {
        best = candidate;
    }
}

// Inner corner between a vertical and a horizontal neighbour: the rim turns
// round the corner point, so the depth is the larger of the two distances and
// the pixel belongs to the neighbour rim it continues.
Stroke InnerCorner(Side vertical, int dv, Side horizontal, int dh) {
    if (dh >= dv) {
        return {horizontal, dh};
    }
    return {vertical, dv};
}

} // namespace

Stroke StrokeAt(const Neighbours& n, int x, int y, int size) {
    const int dTop = y;
    const int dBottom = size - 1 - y;
    const int dLeft = x;
    const int dRight = size - 1 - x;
    Stroke best;
    if (!n.up) {
        Consider({Side::Top, dTop}, best);
    }
    if (!n.down) {
        Consider({Side::Bottom, dBottom}, best);
    }
    if (!n.left) {
        Consider({Side::Left, dLeft}, best);
    }
    if (!n.right) {
        Consider({Side::Right, dRight}, best);
    }
    // At an inner corner the vertical rim belongs to the neighbour above or
    // below, the horizontal one to the neighbour beside.
    if (n.up && n.right && !n.upRight) {
        Consider(InnerCorner(Side::Right, dRight, Side::Top, dTop), best);
    }
    if (n.up && n.left && !n.upLeft) {
        Consider(InnerCorner(Side::Left, dLeft, Side::Top, dTop), best);
    }
    if (n.down && n.right && !n.downRight) {
        Consider(InnerCorner(Side::Right, dRight, Side::Bottom, dBottom), best);
    }
    if (n.down && n.left && !n.downLeft) {
        Consider(InnerCorner(Side::Left, dLeft, Side::Bottom, dBottom), best);
    }
    return best;
}

int PerimeterPosition(Side side, int x, int y, int size) {
    switch (side) {
    case Side::Top:
        return x;
    case Side::Right:
        return y;
    case Side::Bottom:
        return size - 1 - x;
    case Side::Left:
        return size - 1 - y;
    case Side::None:
        break;
    }
    return 0;
}

namespace {

constexpr Neighbours Sides(bool up, bool right, bool down, bool left) {
    return {up, right, down, left, false, false, false, false};
}

constexpr Neighbours SquareCell(bool up, bool right, bool down, bool left) {
    Neighbours n = Sides(up, right, down, left);
    n.upRight = up && right;
    n.downRight = down && right;
    n.downLeft = down && left;
    n.upLeft = up && left;
    return n;
}

} // namespace

// Which same-piece neighbours each tile of a colour block stands for. The
// plain face counts as surrounded on all sides, so it has no rim at all.
const std::array<TileRule, kTileRuleCount> kTileRules = {{
    {0, 0, SquareCell(true, true, true, true)},   {1, 0, Sides(false, false, false, false)},
    {2, 0, Sides(false, false, true, false)},     {3, 0, Sides(false, false, false, true)},
    {0, 1, Sides(false, true, false, true)},      {1, 1, Sides(true, false, true, false)},
    {2, 1, Sides(false, true, false, false)},     {3, 1, Sides(true, false, false, false)},
    {0, 2, SquareCell(false, true, true, false)}, {1, 2, SquareCell(false, false, true, true)},
    {0, 3, SquareCell(true, true, false, false)}, {1, 3, SquareCell(true, false, false, true)},
    {2, 2, Sides(false, true, true, false)},      {3, 2, Sides(false, false, true, true)},
    {2, 3, Sides(true, true, false, false)},      {3, 3, Sides(true, false, false, true)},
    {0, 4, Sides(true, true, false, true)},       {1, 4, Sides(true, true, true, false)},
    {2, 4, Sides(false, true, true, true)},       {3, 4, Sides(true, false, true, true)},
}};

} // namespace fenx::sheet
