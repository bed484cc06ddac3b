#include "play/play.h"

namespace fenx {

void Play::Reset() {
    // Whatever was held or hinted belongs to the stage being left.
    drag_.active = 0;
    drag_.tick = -1;
    hint_.active = 0;
    moveHint_.active = 0;
    ++position_;
}

void Play::EndDragIfActive() {
    if (drag_.active != 0) {
        EndDrag();
    }
}

void Play::DrawBlocksInPlace() {
    for (int i = 0; i < stage_.blocks.count; ++i) {
        const Block& b = stage_.blocks[i];
        stage_.canvas.DrawBlockAt(CellPixel(b.column), CellPixel(b.row), b.orientation, b.kind,
                                  b.fixed);
    }
}

void Play::PresentWholeSurface() {
    host_.Present({0, 0, stage_.state.clientWidth(), stage_.state.clientHeight()});
}

} // namespace fenx
