// The next-move hint. The plan is made elsewhere (it takes a while); play
// only shows its first drag, and only for the position it was made for:
// every step, and every stage start, gives the position a new number.
#include "core/geometry.h"
#include "play/play.h"

namespace fenx {

bool Play::MoveHintAllowed() const {
    return stage_.state.gamePhase == PhasePlaying && !stage_.state.challengeActive &&
           drag_.active == 0;
}

bool Play::ShowMoveHint(uint32_t position, int block, int column, int row) {
    if (!MoveHintAllowed() || position != position_ || block < 0 || block >= stage_.blocks.count) {
        return false;
    }
    if (hint_.active != 0) {
        EndHint();
    }
    moveHint_ = MoveHintState{1, block, column, row, 0, host_.Milliseconds()};
    DrawMoveHint();
    return true;
}

void Play::EndMoveHint() {
    if (moveHint_.active == 0) {
        return;
    }
    moveHint_.active = 0;
    if (stage_.state.gamePhase == PhasePlaying) {
        stage_.canvas.DrawField();
        DrawBlocksInPlace();
        PresentWholeSurface();
    }
}

void Play::DrawMoveHint() {
    const BlockList& blocks = stage_.blocks;
    Canvas& canvas = stage_.canvas;
    canvas.DrawField();
    // A quarter second shown, a quarter second hidden; the outline moves on
    // every tenth of a second.
    const uint32_t shown = host_.Milliseconds() - moveHint_.shownAt;
    const bool hidden = (shown / 250) % 2 != 0;
    for (int i = 0; i < blocks.count; ++i) {
        if (i == moveHint_.block && hidden) {
            continue; // the block to move blinks
        }
        const Block& b = blocks[i];
        canvas.DrawBlockAt(CellPixel(b.column), CellPixel(b.row), b.orientation, b.kind, b.fixed);
    }
    const Block& moved = blocks[moveHint_.block];
    canvas.DrawOutlineAt(CellPixel(moveHint_.column), CellPixel(moveHint_.row), moved.orientation,
                         static_cast<int>((shown / 100) % 4));
    PresentWholeSurface();
}

void Play::MoveHintTick() {
    ++moveHint_.tick;
    if (host_.Milliseconds() - moveHint_.shownAt >= kMoveHintMilliseconds) {
        EndMoveHint();
        return;
    }
    DrawMoveHint();
}

} // namespace fenx
