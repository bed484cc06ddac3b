// Picking up a block with the left button, following the cursor, letting go.
// The press only sets the drag up: the moves, the timer ticks and the
// release arrive as calls of their own while the button is held.
#include "play/completion.h"
#include "stage/game_impl.h"

namespace fenx {
namespace {

int Clamp(int v, int low, int high) {
    return v < low ? low : (v > high ? high : v);
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

// The field column or row under a client pixel coordinate; the frame and
// everything left of or above it give -1 or less.
int CellOfPixel(int pixel) {
    return pixel / 16 - 1;
}

} // namespace

void GameImpl::OnLeftButtonDown(int x, int y) {
    switch (state.gamePhase) {
    case PhaseTitle:
        if (state.challengeActive == 0) {
            StartStage(NewRandomStageNumber());
        }
        return;
    case PhasePlaying:
        break;
    default:
        return; // the fly-in and the solved animation ignore the mouse
    }
    if (drag.active != 0) {
        // A press while a block is held: its release went unseen.
        EndDrag();
    }
    const int cx = CellOfPixel(x);
    const int cy = CellOfPixel(y);
    if (cx < 0 || cx >= state.W || cy < 0 || cy >= 2 * state.H) {
        return;
    }
    const int16_t v = board.at(cx, cy);
    if (v < 0 || (state.challengeActive != 0 && blocks[v].fixed != 0)) {
        return;
    }
    PlayEffect(SoundId::Click);
    drag.active = 1;
    drag.block = v;
    drag.cellX = cx;
    drag.cellY = cy;
    drag.tick = 0;
}

void GameImpl::OnMouseMove(int x, int y, bool leftButton, bool /*rightButton*/) {
    if (state.gamePhase != PhasePlaying) {
        return;
    }
    if (leftButton) {
        DragTo(x, y);
        return;
    }
    if (drag.active != 0) {
        EndDrag(); // the button was released where the window did not see it
    }
    // A move with the right button held redraws the placement hint here once
    // the hint exists; HintState never becomes active before then.
}

void GameImpl::OnLeftButtonUp() {
    if (state.gamePhase == PhasePlaying && drag.active != 0) {
        EndDrag();
    }
}

void GameImpl::DragTo(int x, int y) {
    if (drag.active == 0) {
        return;
    }
    // A cursor over the frame or beyond the field aims at the nearest cell.
    const int tx = Clamp(CellOfPixel(x), 0, state.W - 1);
    const int ty = Clamp(CellOfPixel(y), 0, 2 * state.H - 1);
    const int b = drag.block;
    while (tx != drag.cellX || ty != drag.cellY) {
        const int sx = Sign(tx - drag.cellX);
        const int sy = Sign(ty - drag.cellY);
        // The diagonal first; of the two single-axis fallbacks the horizontal
        // one first. A refused step drops the rest of the way.
        if (TryStep(b, sx, sy)) {
            drag.cellX += sx;
            drag.cellY += sy;
        } else if (sx == 0 || sy == 0) {
            return;
        } else if (TryStep(b, sx, 0)) {
            drag.cellX += sx;
        } else if (TryStep(b, 0, sy)) {
            drag.cellY += sy;
        } else {
            return;
        }
        if (IsStageComplete(board, state.W, state.H)) {
            EnterSolved();
            return;
        }
    }
}

void GameImpl::EndDrag() {
    drag.active = 0;
    drag.tick = -1;
    DrawDraggedBlock(0, 0);
}

void GameImpl::DragTick() {
    ++drag.tick;
    DrawDraggedBlock(0, 0);
    if (!platform.CursorInsideWindow()) {
        EndDrag();
    }
}

} // namespace fenx
