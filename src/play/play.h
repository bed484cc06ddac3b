// Playing a stage: the held block and its steps, the keyboard cursor and
// carry, the moves undone and redone, the placement hint, the solved test
// and animation, the opening fly-in and the frames of the play timer. A Play acts on the stage it
// is given (its state, board, blocks and the canvas they are drawn on) and keeps only what belongs
// to play itself. Several may exist side by side, each with its own stage.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/block.h"
#include "core/board.h"
#include "core/cursor_walk.h"
#include "core/stage_random.h"
#include "play/drag_state.h"
#include "play/frame_pacer.h"
#include "play/game_state.h"
#include "play/hint_state.h"
#include "play/key_cursor.h"
#include "play/move_history.h"
#include "play/next_move_state.h"
#include "play/play_host.h"
#include "play/play_key.h"
#include "play/play_mode.h"
#include "play/play_out_state.h"
#include "play/solved_animation.h"
#include "presentation/canvas.h"

namespace fenx {

// The stage the play operations act on; owned by the stage control.
struct PlayStage {
    GameState& state;
    Board& board;
    BlockList& blocks;
    StageRandom& stageRandom; // the solved animation draws from it
    Canvas& canvas;
};

class Play {
  public:
    Play(PlayStage stage, PlayHost& host) : stage_(stage), host_(host) {}
    Play(const Play&) = delete;
    Play& operator=(const Play&) = delete;

    // --- Mouse (drag.cpp, hint.cpp) ------------------------------------------
    // Coordinates are client pixels.
    void OnLeftButtonDown(int x, int y);
    void OnMouseMove(int x, int y, bool leftButton, bool rightButton);
    void OnLeftButtonUp();
    void OnRightButtonDown(int x, int y);
    void OnRightButtonUp();

    // --- Keys (keys.cpp, moves.cpp) ------------------------------------------
    // Acts only in PhasePlaying and while no mouse button holds a block or
    // the hint; undo, redo and restart also not while the keys carry one.
    // `autoRepeat` tells a press the key's auto-repeat made while it is
    // held down (see ActsOnRepeat).
    void OnKey(PlayKey key, bool autoRepeat);
    // A carry of block `block` from anchor `from` to anchor `to`, where it
    // stands now, was made: recorded as one move, for whatever makes moves
    // besides the hands (drags and keyboard carries record their own).
    // Refused, recording nothing, unless a stage is played, the block is a
    // movable one standing at `to`, and its cells at `from` are free or its
    // own (so that undoing the carry fits).
    bool CarryMade(int block, Cell from, Cell to);

    // --- Play timer (frame_dispatch.cpp) -------------------------------------
    std::optional<uint32_t> OnPlayTimer();
    std::optional<uint32_t> OnPacedFrame();
    void StopFrames() { pacer_.Stop(); }

    // --- Stage start ------------------------------------------------------------
    // Drops whatever was held or hinted in the stage being left.
    void Reset();
    // The fly-in picture for the stage's openingStep, not yet presented
    // (opening.cpp).
    void DrawOpeningPicture();
    // The program is ending: a held block is let go.
    void EndDragIfActive();

    int32_t dragDisplayMode() const { return dragDisplayMode_; }
    // As stored; values outside 0..2 draw plainly.
    void setDragDisplayMode(int32_t mode) { dragDisplayMode_ = mode; }

    // --- Next move (next_move.cpp) --------------------------------------------
    // The position's number: changes with every step, every move undone,
    // redone or restarted, and every stage start.
    uint32_t position() const { return position_; }
    // Playing an ordinary stage with no block held.
    bool NextMoveAllowed() const;
    // Shows block `block` going to anchor (column, row), when `position` is
    // still the position's number; false otherwise.
    bool ShowNextMove(uint32_t position, int block, int column, int row);
    void EndNextMove();
    const NextMoveState& nextMove() const { return nextMove_; }

    // --- Play-out (play_out.cpp) ---------------------------------------------
    // Plays `drags` from the position numbered `position`, when that is still
    // the position's and the next move is allowed with no hint held; false
    // otherwise. The drags play on the play timer's frames, each an
    // ordinary move, until the stage is solved, the drags run out or one no
    // longer fits the board.
    bool StartPlayOut(uint32_t position, std::vector<PlayOutDrag> drags);
    // Ends the play-out where it stands: a drag part-way becomes a move
    // from its start to where its block stands. Any press does this, and
    // does nothing else. False when no play-out was running.
    bool StopPlayOut();

    // What the buttons hold or the next move shows now.
    PlayMode mode() const { return mode_; }
    const DragState& drag() const { return drag_; }
    const HintState& hint() const { return hint_; }
    const SolvedAnimation& solved() const { return solved_; }
    const MoveHistory& history() const { return history_; }
    const KeyCursor& keyCursor() const { return keyCursor_; }

  private:
    bool HeldByMouse() const { return HoldsBlock(mode_) && drag_.hand == DragHand::Mouse; }
    bool HeldByKeys() const { return HoldsBlock(mode_) && drag_.hand == DragHand::Keys; }
    // The block held from `grab`, a cell of it; nothing is drawn yet.
    void PickUp(int block, Cell grab, DragHand hand);

    // The keyboard (keys.cpp).
    void MoveKeyCursor(int dx, int dy);
    void StepCarriedBlock(int dx, int dy);
    void PickUpUnderKeyCursor();
    // The cursor goes; the picture becomes the one mouse play shows.
    void HideKeyCursor();
    // The cursor over its cell, when shown (not presented).
    void DrawKeyCursor();

    // Undo, redo and restart (moves.cpp).
    void Undo();
    void Redo();
    void ReplayHistory(bool redo); // the last move undone, or the last undone redone
    void Restart();
    // Moves each carry's block from `from` to `to` (or back, when not
    // `forward`); false, changing nothing, when the board does not hold the
    // blocks where the carries say or the places are not free.
    bool ApplyCarries(std::span<const Carry> carries, bool forward);
    bool InField(Cell c) const;
    // After a move put back or made again: the next move's plan is void,
    // and the position is shown, or solves the stage as a step would.
    void PositionChanged();

    // Walks the held block toward the field cell under client pixel (x, y).
    void DragTo(int x, int y);
    // Shows the step `block` has just made on the board (step.cpp).
    void ShowStep(int block, CellStep step);
    void EndDrag();
    // The held block drawn in its own look again; a drag that moved it is a
    // move of the history.
    void LetGo();
    void DragTick();
    // The held block in its drag look, and the area of the step (dx, dy)
    // brought to the window (drag_drawing.cpp).
    void DrawDraggedBlock(int dx, int dy);
    void DrawHeldBlockLook(); // not presented

    void DrawHint();
    void HintTick();
    void EndHint();

    void DrawNextMove();
    void NextMoveTick();

    void PlayOutTick();
    void PlayOutPickUp(uint32_t now);
    void PlayOutStep(uint32_t now);
    // Whether the played drag's grab cell has passed all its cursor cells.
    bool PlayedDragAtItsEnd();
    void EndPlayedDrag(uint32_t now);
    void PutDownPlayedBlock();
    // The next step or pick-up is due `wait` ms after the last one was.
    void SchedulePlayOut(uint32_t now, uint32_t wait);

    void EnterSolved(); // solved.cpp
    // One frame of the animation; false once it has nothing left to show.
    bool SolvedFrame();

    // The frame of the play timer for the phase and the mode; false when
    // there was nothing to animate.
    bool PlayFrame();
    void OpeningFrame();
    void DrawBlocksInPlace();
    // Field, blocks, the held block's look and the keyboard cursor, the
    // whole surface presented.
    void DrawPlayPicture();
    void PresentWholeSurface();

    PlayStage stage_;
    PlayHost& host_;
    PlayMode mode_ = PlayMode::Idle;
    DragState drag_;
    HintState hint_;
    NextMoveState nextMove_;
    PlayOutState playOut_;
    uint32_t position_ = 0;
    SolvedAnimation solved_;
    MoveHistory history_;
    KeyCursor keyCursor_;
    // The last cursor position the mouse reported, so that a report of the
    // same place (the window system repeats one now and then) is no move.
    std::optional<std::pair<int, int>> lastMousePixel_;
    FramePacer pacer_;
    int32_t dragDisplayMode_ = 0;
};

} // namespace fenx
