// The next move. The plan is made elsewhere (it takes a while); play only
// shows its first drag, and only for the position it was made for: every
// step, and every stage start, gives the position a new number.
#include "core/geometry.h"
#include "play/play.h"

namespace fenx {

bool Play::NextMoveAllowed() const {
    return stage_.state.gamePhase == PhasePlaying && !stage_.state.challengeActive &&
           !HoldsBlock(mode_) && mode_ != PlayMode::PlayingOut;
}

bool Play::ShowNextMove(uint32_t position, int block, int column, int row) {
    if (!NextMoveAllowed() || position != position_ || block < 0 || block >= stage_.blocks.count) {
        return false;
    }
    if (HoldsHint(mode_)) {
        EndHint();
    }
    nextMove_ = NextMoveState{block, column, row, 0, host_.Milliseconds()};
    mode_ = PlayMode::ShowingNextMove;
    DrawNextMove();
    return true;
}

void Play::EndNextMove() {
    if (mode_ != PlayMode::ShowingNextMove) {
        return;
    }
    mode_ = PlayMode::Idle;
    if (stage_.state.gamePhase == PhasePlaying) {
        DrawPlayPicture();
    }
}

void Play::DrawNextMove() {
    const BlockList& blocks = stage_.blocks;
    Canvas& canvas = stage_.canvas;
    canvas.DrawField();
    // A quarter second shown, a quarter second hidden; the outline moves on
    // every tenth of a second.
    const uint32_t shown = host_.Milliseconds() - nextMove_.shownAt;
    const bool hidden = (shown / 250) % 2 != 0;
    for (int i = 0; i < blocks.count; ++i) {
        if (i == nextMove_.block && hidden) {
            continue; // the block to move blinks
        }
        const Block& b = blocks[i];
        canvas.DrawBlockAt(CellPixel(b.column), CellPixel(b.row), b.orientation, b.kind, b.fixed);
    }
    const Block& moved = blocks[nextMove_.block];
    canvas.DrawOutlineAt(CellPixel(nextMove_.column), CellPixel(nextMove_.row), moved.orientation,
                         static_cast<int>((shown / 100) % 4));
    DrawKeyCursor();
    PresentWholeSurface();
}

void Play::NextMoveTick() {
    ++nextMove_.tick;
    if (host_.Milliseconds() - nextMove_.shownAt >= kNextMoveMilliseconds) {
        EndNextMove();
        return;
    }
    DrawNextMove();
}

} // namespace fenx
