// Picking up a block with the left button, following the cursor, letting go.
// The press only sets the drag up: the moves, the timer ticks and the
// release arrive as calls of their own while the button is held. Every drag
// that moved its block is a move of the history.
#include "core/completion.h"
#include "core/geometry.h"
#include "play/play.h"

namespace fenx {
namespace {

int Clamp(int v, int low, int high) {
    return v < low ? low : (v > high ? high : v);
}

} // namespace

void Play::OnLeftButtonDown(int x, int y) {
    switch (stage_.state.gamePhase) {
    case PhaseTitle:
        if (!stage_.state.challengeActive) {
            host_.TitleClicked();
        }
        return;
    case PhasePlaying:
        break;
    default:
        return; // the fly-in and the solved animation ignore the mouse
    }
    if (StopPlayOut()) {
        return; // the press only stops the play-out
    }
    EndNextMove(); // any press ends the next move
    if (HoldsBlock(mode_)) {
        // A press while a block is held: the keys' carry ends here, or the
        // mouse's release went unseen.
        EndDrag();
    }
    HideKeyCursor();
    const int cx = CellOfPixel(x);
    const int cy = CellOfPixel(y);
    if (cx < 0 || cx >= stage_.state.W || cy < 0 || cy >= 2 * stage_.state.H) {
        return;
    }
    const int16_t v = stage_.board.at(cx, cy);
    if (v < 0 || (stage_.state.challengeActive && stage_.blocks[v].fixed)) {
        return;
    }
    host_.PlayEffect(SoundId::Click);
    PickUp(v, {cx, cy}, DragHand::Mouse);
}

void Play::PickUp(int block, Cell grab, DragHand hand) {
    const Block& b = stage_.blocks[block];
    drag_ = DragState{block, grab.column, grab.row, 0, hand, {b.column, b.row}};
    mode_ = ModeHolding(true, HoldsHint(mode_));
}

void Play::OnMouseMove(int x, int y, bool leftButton, bool rightButton) {
    if (stage_.state.gamePhase != PhasePlaying) {
        return;
    }
    if (lastMousePixel_ != std::pair{x, y}) {
        lastMousePixel_ = std::pair{x, y};
        HideKeyCursor();
    }
    if (leftButton) {
        DragTo(x, y);
        return;
    }
    if (HeldByMouse()) {
        EndDrag(); // the button was released where the window did not see it
    }
    if (rightButton && HoldsHint(mode_)) {
        DrawHint(); // without a new tick: the places keep their blink phase
    }
}

void Play::OnLeftButtonUp() {
    if (stage_.state.gamePhase == PhasePlaying && HeldByMouse()) {
        EndDrag();
    }
}

void Play::DragTo(int x, int y) {
    if (!HeldByMouse()) {
        return;
    }
    // A cursor over the frame or beyond the field aims at the nearest cell.
    const int tx = Clamp(CellOfPixel(x), 0, stage_.state.W - 1);
    const int ty = Clamp(CellOfPixel(y), 0, 2 * stage_.state.H - 1);
    const int b = drag_.block;
    Cell grab{drag_.cellX, drag_.cellY};
    const WalkEnd end =
        WalkHeldBlock(stage_.board, stage_.blocks, b, grab, {tx, ty}, stage_.state.W,
                      stage_.state.H, [&](CellStep step) { ShowStep(b, step); });
    drag_.cellX = grab.column;
    drag_.cellY = grab.row;
    if (end == WalkEnd::Completed) {
        EnterSolved();
    }
}

void Play::EndDrag() {
    mode_ = ModeHolding(false, HoldsHint(mode_));
    LetGo();
}

void Play::LetGo() {
    drag_.tick = -1;
    DrawDraggedBlock(0, 0);
    // A drag that ends where it began is no move.
    const Block& b = stage_.blocks[drag_.block];
    const Carry carry{static_cast<int16_t>(drag_.block), drag_.from, {b.column, b.row}};
    if (carry.from != carry.to) {
        history_.Record({&carry, 1});
    }
}

void Play::DragTick() {
    ++drag_.tick;
    DrawDraggedBlock(0, 0);
    // The keys carry a block wherever the mouse is.
    if (HeldByMouse() && !host_.CursorInsideWindow()) {
        EndDrag();
    }
}

} // namespace fenx
