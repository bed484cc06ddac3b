// The held block in its drag look, brought to the window.
#include "play/drag_look.h"
#include "play/play.h"

namespace fenx {

void Play::DrawDraggedBlock(int dx, int dy) {
    const Block& b = stage_.blocks[drag_.block];
    const int px = CellPixel(b.column);
    const int py = CellPixel(b.row);
    // Block tiles are opaque, so drawing over the block's present image
    // replaces its previous look.
    stage_.canvas.DrawBlockAt(px, py, b.orientation,
                              DraggedBlockColour(dragDisplayMode_, drag_.tick, b.kind), b.fixed);
    const int phase = DraggedBlockOutlinePhase(dragDisplayMode_, drag_.tick);
    if (phase >= 0) {
        stage_.canvas.DrawOutlineAt(px, py, b.orientation, phase);
    }
    host_.Present(DraggedBlockArea(b.orientation, b.column, b.row, dx, dy));
}

} // namespace fenx
