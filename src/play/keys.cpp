// Play from the keyboard: the cursor walks the field one cell per key, picks
// up the movable block under it, and carries it one step per key, each step
// taken only when that very step fits (the keys never try another one, as
// the cursor walk of a mouse drag does). The completion test runs after
// every step, as in a drag.
#include "core/completion.h"
#include "core/cursor_walk.h"
#include "core/step_rule.h"
#include "play/play.h"
#include "presentation/sheet_layout.h"

namespace fenx {
namespace {

int Clamp(int v, int low, int high) {
    return v < low ? low : (v > high ? high : v);
}

struct KeyDirection {
    PlayKey key;
    int dx;
    int dy;
};

constexpr KeyDirection kDirections[] = {
    {PlayKey::Left, -1, 0},     {PlayKey::Right, 1, 0},     {PlayKey::Up, 0, -1},
    {PlayKey::Down, 0, 1},      {PlayKey::UpLeft, -1, -1},  {PlayKey::UpRight, 1, -1},
    {PlayKey::DownLeft, -1, 1}, {PlayKey::DownRight, 1, 1},
};

} // namespace

void Play::OnKey(PlayKey key, bool autoRepeat) {
    if (autoRepeat && !ActsOnRepeat(key)) {
        return;
    }
    if (stage_.state.gamePhase != PhasePlaying || HeldByMouse() || HoldsHint(mode_)) {
        return;
    }
    if (StopPlayOut()) {
        return; // the key only stops the play-out
    }
    EndNextMove(); // its plan was for the position the key is about to change
    switch (key) {
    case PlayKey::Undo:
        Undo();
        return;
    case PlayKey::Redo:
        Redo();
        return;
    case PlayKey::Restart:
        Restart();
        return;
    default:
        break;
    }
    // Every other key is one of the cursor's, and shows it first.
    if (!keyCursor_.shown) {
        keyCursor_.shown = true;
        DrawPlayPicture();
    }
    switch (key) {
    case PlayKey::PutDown:
        if (HeldByKeys()) {
            EndDrag();
        }
        return;
    case PlayKey::PickUpOrPutDown:
        if (HeldByKeys()) {
            EndDrag();
        } else {
            PickUpUnderKeyCursor();
        }
        return;
    default:
        break;
    }
    for (const KeyDirection& d : kDirections) {
        if (d.key == key) {
            if (HeldByKeys()) {
                StepCarriedBlock(d.dx, d.dy);
            } else {
                MoveKeyCursor(d.dx, d.dy);
            }
            return;
        }
    }
}

void Play::MoveKeyCursor(int dx, int dy) {
    Cell& c = keyCursor_.cell;
    c.column = Clamp(c.column + dx, 0, stage_.state.W - 1);
    c.row = Clamp(c.row + dy, 0, 2 * stage_.state.H - 1);
    DrawPlayPicture();
}

void Play::PickUpUnderKeyCursor() {
    const Cell c = keyCursor_.cell;
    const int16_t v = stage_.board.at(c.column, c.row);
    if (v >= 0 && !(stage_.state.challengeActive && stage_.blocks[v].fixed)) {
        host_.PlayEffect(SoundId::Click);
        // As with the mouse, the first timer tick draws the drag look.
        PickUp(v, c, DragHand::Keys);
    }
}

void Play::StepCarriedBlock(int dx, int dy) {
    const int b = drag_.block;
    Block& block = stage_.blocks[b];
    if (!StepFits(stage_.board, block, b, dx, dy)) {
        return;
    }
    MoveBlock(stage_.board, block, b, dx, dy);
    drag_.cellX += dx;
    drag_.cellY += dy;
    keyCursor_.cell = {drag_.cellX, drag_.cellY}; // the cursor moves with the block
    ShowStep(b, {dx, dy});
    if (IsStageComplete(stage_.board, stage_.state.W, stage_.state.H)) {
        EnterSolved();
    }
}

void Play::HideKeyCursor() {
    if (!keyCursor_.shown) {
        return;
    }
    keyCursor_.shown = false;
    if (stage_.state.gamePhase != PhasePlaying) {
        return;
    }
    if (mode_ == PlayMode::ShowingNextMove) {
        DrawNextMove();
    } else {
        DrawPlayPicture();
    }
}

void Play::DrawKeyCursor() {
    if (keyCursor_.shown) {
        stage_.canvas.DrawTile(CellPixel(keyCursor_.cell.column), CellPixel(keyCursor_.cell.row),
                               kKeyCursorTile);
    }
}

} // namespace fenx
