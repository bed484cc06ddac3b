// One step of a held block.
#include "play/play.h"
#include "play/step_rule.h"

namespace fenx {

bool Play::TryStep(int b, int dx, int dy) {
    Block& block = stage_.blocks[b];
    if (!StepFits(stage_.board, block, b, dx, dy)) {
        return false;
    }
    for (const CellOffset& c : ShapeTable[block.orientation]) {
        stage_.board.at(block.column + c.dx, block.row + c.dy) = CellEmpty;
        stage_.canvas.DrawBackgroundCell(block.column + c.dx, block.row + c.dy);
    }
    block.column += dx;
    block.row += dy;
    ++position_; // a plan made for the old position no longer applies
    WriteBlockCells(stage_.board, block.column, block.row, block.orientation,
                    static_cast<int16_t>(b));
    DrawDraggedBlock(dx, dy);
    return true;
}

} // namespace fenx
