#include "core/cursor_walk.h"

#include "core/shapes.h"
#include "core/step_rule.h"

namespace fenx {
namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

std::optional<CellStep> NextWalkStep(const Board& board, const Block& block, int index, Cell grab,
                                     Cell target) {
    const int sx = Sign(target.column - grab.column);
    const int sy = Sign(target.row - grab.row);
    if (sx == 0 && sy == 0) {
        return std::nullopt;
    }
    if (StepFits(board, block, index, sx, sy)) {
        return CellStep{sx, sy};
    }
    if (sx == 0 || sy == 0) {
        return std::nullopt; // a straight step has no fallback
    }
    if (StepFits(board, block, index, sx, 0)) {
        return CellStep{sx, 0};
    }
    if (StepFits(board, block, index, 0, sy)) {
        return CellStep{0, sy};
    }
    return std::nullopt;
}

void MoveBlock(Board& board, Block& block, int index, int dx, int dy) {
    WriteBlockCells(board, block.column, block.row, block.orientation, CellEmpty);
    block.column += dx;
    block.row += dy;
    WriteBlockCells(board, block.column, block.row, block.orientation, static_cast<int16_t>(index));
}

} // namespace fenx
