// The play-out: a solution played on the field at a pace the eye can follow.
// It runs on the frames of the play timer, taking a step whenever the clock
// has reached the next one's reading, so nothing waits; a step is the very
// walk a mouse drag makes toward its cursor cell, tried by the step rule on
// the board as it stands. A plan that no longer fits the board stops the
// play-out where it stands, never overlapping blocks.
#include "core/completion.h"
#include "core/cursor_walk.h"
#include "core/geometry.h"
#include "play/play.h"

namespace fenx {

bool Play::StartPlayOut(uint32_t position, std::vector<PlayOutDrag> drags) {
    if (!NextMoveAllowed() || HoldsHint(mode_) || position != position_ || drags.empty()) {
        return false;
    }
    EndNextMove();
    HideKeyCursor();
    playOut_ = PlayOutState{std::move(drags), 0, 0, false, host_.Milliseconds(), 0};
    mode_ = PlayMode::PlayingOut; // the first block is picked up on the next frame
    return true;
}

bool Play::StopPlayOut() {
    if (mode_ != PlayMode::PlayingOut) {
        return false;
    }
    if (playOut_.lifted) {
        PutDownPlayedBlock(); // a drag part-way is a move up to where its block stands
    }
    mode_ = PlayMode::Idle;
    playOut_.drags.clear();
    DrawPlayPicture();
    return true;
}

void Play::PlayOutTick() {
    const uint32_t now = host_.Milliseconds();
    if (playOut_.lifted) {
        // The held block's look changes every timer tick's length, as when
        // the mouse holds it.
        const auto tick = static_cast<int32_t>((now - playOut_.liftedAt) / FramePacer::kTickLength);
        if (tick != drag_.tick) {
            drag_.tick = tick;
            DrawDraggedBlock(0, 0);
        }
    }
    if (static_cast<int32_t>(now - playOut_.due) < 0) {
        return;
    }
    if (playOut_.lifted) {
        PlayOutStep(now);
    } else {
        PlayOutPickUp(now);
    }
}

void Play::SchedulePlayOut(uint32_t now, uint32_t wait) {
    // Counted from when the last one was due, so that the pace stays steady
    // whatever the frames' spacing; a clock far ahead (the timer held back
    // while the window was inactive) starts the count afresh.
    playOut_.due += wait;
    if (static_cast<int32_t>(now - playOut_.due) >= 0) {
        playOut_.due = now + wait;
    }
}

void Play::PlayOutPickUp(uint32_t now) {
    const PlayOutDrag& d = playOut_.drags[playOut_.drag];
    if (!InField(d.press) || stage_.board.at(d.press.column, d.press.row) != d.block) {
        StopPlayOut();
        return;
    }
    host_.PlayEffect(SoundId::Click);
    const Block& b = stage_.blocks[d.block];
    drag_ = DragState{d.block, d.press.column, d.press.row, 0, DragHand::Mouse, {b.column, b.row}};
    playOut_.lifted = true;
    playOut_.cursor = 0;
    playOut_.liftedAt = now;
    DrawDraggedBlock(0, 0);
    SchedulePlayOut(now, kPlayOutStepMilliseconds);
}

bool Play::PlayedDragAtItsEnd() {
    const PlayOutDrag& d = playOut_.drags[playOut_.drag];
    const Cell grab{drag_.cellX, drag_.cellY};
    while (playOut_.cursor < d.cursor.size() && d.cursor[playOut_.cursor] == grab) {
        ++playOut_.cursor;
    }
    return playOut_.cursor == d.cursor.size();
}

void Play::PlayOutStep(uint32_t now) {
    if (PlayedDragAtItsEnd()) {
        EndPlayedDrag(now);
        return;
    }
    const int b = drag_.block;
    const Cell grab{drag_.cellX, drag_.cellY};
    const Cell target = playOut_.drags[playOut_.drag].cursor[playOut_.cursor];
    const std::optional<CellStep> step =
        NextWalkStep(stage_.board, stage_.blocks[b], b, grab, target);
    if (!step) {
        StopPlayOut();
        return;
    }
    MoveBlock(stage_.board, stage_.blocks[b], b, step->dx, step->dy);
    drag_.cellX += step->dx;
    drag_.cellY += step->dy;
    ShowStep(b, *step);
    if (IsStageComplete(stage_.board, stage_.state.W, stage_.state.H)) {
        playOut_.drags.clear();
        EnterSolved();
        return;
    }
    if (PlayedDragAtItsEnd()) {
        EndPlayedDrag(now);
        return;
    }
    SchedulePlayOut(now, kPlayOutStepMilliseconds);
}

void Play::EndPlayedDrag(uint32_t now) {
    PutDownPlayedBlock();
    if (++playOut_.drag == playOut_.drags.size()) {
        StopPlayOut(); // a plan that ends short of solved leaves the field as it is
        return;
    }
    SchedulePlayOut(now, kPlayOutPauseMilliseconds);
}

void Play::PutDownPlayedBlock() {
    playOut_.lifted = false;
    LetGo();
}

} // namespace fenx
