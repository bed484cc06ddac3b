// The held block in its drag look, brought to the window.
#include "play/drag_look.h"
#include "stage/game_impl.h"

namespace fenx {

void GameImpl::DrawDraggedBlock(int dx, int dy) {
    const Block& b = blocks[drag.block];
    const int px = Canvas::CellPixel(b.column);
    const int py = Canvas::CellPixel(b.row);
    // Block tiles are opaque, so drawing over the block's present image
    // replaces its previous look.
    canvas.DrawBlockAt(px, py, b.orientation,
                       DraggedBlockColour(dragDisplayMode, drag.tick, b.kind), b.fixed != 0);
    const int phase = DraggedBlockOutlinePhase(dragDisplayMode, drag.tick);
    if (phase >= 0) {
        canvas.DrawOutlineAt(px, py, b.orientation, phase);
    }
    platform.PresentSurface(DraggedBlockArea(b.orientation, b.column, b.row, dx, dy));
}

} // namespace fenx
