// One step of a held block, as the window sees it: the cells it left get
// their background back and the block is drawn at its new place.
#include "play/play.h"

namespace fenx {

void Play::ShowStep(int b, CellStep step) {
    const Block& block = stage_.blocks[b];
    for (const CellOffset& c : ShapeTable[block.orientation]) {
        stage_.canvas.DrawBackgroundCell(block.column - step.dx + c.dx, block.row - step.dy + c.dy);
    }
    ++position_; // a plan made for the old position no longer applies
    DrawDraggedBlock(step.dx, step.dy);
}

} // namespace fenx
