// The placement hint: while the right button is held on a block, the places
// where blocks of its orientation lie in the generated tiling blink in the
// lower half of the field, where that tiling would lie. The board never
// changes; only the picture does.
#include "core/geometry.h"
#include "play/play.h"

namespace fenx {
namespace {

// Field cell at which the hint shows block b's place in the tiling.
int ShownRow(const Block& b, int height) {
    return b.solutionRow + height;
}

// Whether block i lies exactly on one of the places shown for its
// orientation (its own place or that of a block of the same orientation).
bool LiesOnShownPlace(const BlockList& blocks, int i, int height) {
    const Block& b = blocks[i];
    for (int j = 0; j < blocks.count; ++j) {
        const Block& other = blocks[j];
        if (other.orientation == b.orientation && other.solutionColumn == b.column &&
            ShownRow(other, height) == b.row) {
            return true;
        }
    }
    return false;
}

} // namespace

void Play::OnRightButtonDown(int x, int y) {
    const GameState& s = stage_.state;
    if (s.gamePhase != PhasePlaying) {
        return;
    }
    if (StopPlayOut()) {
        return; // the press only stops the play-out
    }
    EndNextMove(); // any press ends the next move
    if (HeldByKeys()) {
        EndDrag(); // and puts down a block the keys carry
    }
    HideKeyCursor();
    if (s.challengeActive) {
        return;
    }
    const int cx = CellOfPixel(x);
    const int cy = CellOfPixel(y);
    if (cx < 0 || cx >= s.W || cy < 0 || cy >= 2 * s.H) {
        return;
    }
    const int16_t v = stage_.board.at(cx, cy);
    if (v < 0) {
        return;
    }
    host_.PlayEffect(SoundId::Click);
    hint_ = HintState{v, 0};
    mode_ = ModeHolding(HoldsBlock(mode_), true);
    // Nothing is drawn yet: the next timer frame or mouse move shows it.
}

void Play::OnRightButtonUp() {
    if (!HoldsHint(mode_)) {
        return;
    }
    if (stage_.state.gamePhase != PhasePlaying) {
        // The stage ended while the button was held: the picture belongs to
        // whatever followed, and the next stage starts without a hint.
        mode_ = ModeHolding(HoldsBlock(mode_), false);
        return;
    }
    EndHint();
}

void Play::DrawHint() {
    const int height = stage_.state.H;
    const BlockList& blocks = stage_.blocks;
    const int hinted = hint_.block;
    const int orientation = blocks[hinted].orientation;
    Canvas& canvas = stage_.canvas;
    canvas.DrawField();
    for (int i = 0; i < blocks.count; ++i) {
        // A hinted block lying on a shown place blinks with the places.
        if (i == hinted && LiesOnShownPlace(blocks, i, height)) {
            continue;
        }
        const Block& b = blocks[i];
        canvas.DrawBlockAt(CellPixel(b.column), CellPixel(b.row), b.orientation, b.kind, b.fixed);
    }
    if ((hint_.tick & 1) != 0) {
        for (int q = 0; q < blocks.count; ++q) {
            const Block& b = blocks[q];
            if (b.orientation == orientation) {
                canvas.DrawBlockAt(CellPixel(b.solutionColumn), CellPixel(ShownRow(b, height)),
                                   b.orientation, b.kind, b.fixed);
            }
        }
    }
    PresentWholeSurface();
}

void Play::HintTick() {
    ++hint_.tick;
    DrawHint();
    if (!host_.CursorInsideWindow()) {
        EndHint();
    }
}

void Play::EndHint() {
    mode_ = ModeHolding(HoldsBlock(mode_), false);
    stage_.canvas.DrawField();
    DrawBlocksInPlace();
    PresentWholeSurface();
}

} // namespace fenx
