#include "play/play.h"

namespace fenx {

void Play::Reset() {
    // Whatever was held or hinted belongs to the stage being left.
    mode_ = PlayMode::Idle;
    drag_.tick = -1;
    playOut_ = PlayOutState{};
    ++position_;
    history_.Clear();
    keyCursor_ = StartingKeyCursor(stage_.state.H);
}

void Play::EndDragIfActive() {
    if (HoldsBlock(mode_)) {
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

void Play::DrawPlayPicture() {
    stage_.canvas.DrawField();
    DrawBlocksInPlace();
    if (HoldsBlock(mode_)) {
        DrawHeldBlockLook(); // and the cursor over it
    } else {
        DrawKeyCursor();
    }
    PresentWholeSurface();
}

void Play::PresentWholeSurface() {
    host_.Present({0, 0, stage_.state.clientWidth(), stage_.state.clientHeight()});
}

} // namespace fenx
