// One step of a held block.
#include "play/step_rule.h"
#include "stage/game_impl.h"

namespace fenx {

bool GameImpl::TryStep(int b, int dx, int dy) {
    Block& block = blocks[b];
    if (!StepFits(board, block, b, dx, dy)) {
        return false;
    }
    for (const CellOffset& c : ShapeTable[block.orientation]) {
        board.at(block.column + c.dx, block.row + c.dy) = CellEmpty;
        canvas.DrawBackgroundCell(block.column + c.dx, block.row + c.dy);
    }
    block.column += dx;
    block.row += dy;
    WriteBlockCells(board, block.column, block.row, block.orientation, static_cast<int16_t>(b));
    DrawDraggedBlock(dx, dy);
    return true;
}

} // namespace fenx
