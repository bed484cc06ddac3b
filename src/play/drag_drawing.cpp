// The held block in its drag look, brought to the window.
#include "play/drag_look.h"
#include "play/play.h"

namespace fenx {

void Play::DrawDraggedBlock(int dx, int dy) {
    DrawHeldBlockLook();
    const Block& b = stage_.blocks[drag_.block];
    host_.Present(DraggedBlockArea(b.orientation, b.column, b.row, dx, dy));
}

void Play::DrawHeldBlockLook() {
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
    // The keyboard cursor shown is the grab cell of a block the keys carry,
    // inside the area brought to the window.
    DrawKeyCursor();
}

} // namespace fenx
