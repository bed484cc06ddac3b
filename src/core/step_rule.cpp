#include "core/step_rule.h"

#include "core/shapes.h"

namespace fenx {

bool StepFits(const Board& board, const Block& block, int index, int dx, int dy) {
    for (const CellOffset& c : ShapeTable[block.orientation]) {
        const int16_t v = board.at(block.column + dx + c.dx, block.row + dy + c.dy);
        if (v != CellEmpty && v != index) {
            return false;
        }
    }
    return true;
}

} // namespace fenx
