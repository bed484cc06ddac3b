// The next move, asked for by the H key: the plan's first drag from the
// position in play, shown only for the position it was planned from. While
// the player makes the moves shown, the plan is followed instead of made
// again. A move shown is always the one from the position on the screen:
// asked while a move shows, the same move shows again.
//
// The play-out (Shift+H) asks the same way and plays the rest of the plan
// on the field instead of showing its first drag. The moves it plays leave
// the plan behind: the next question plans from the position they leave.
//
// Plain C++ on the game; the plans are made elsewhere (on a worker thread,
// next_move_worker.h, or in the browser's worker) and handed back here, so
// the game's thread never waits for one.
#pragma once

#include <cstdint>
#include <optional>

#include "core/block.h"
#include "solver/drag_plan.h"
#include "solver/plan_follower.h"
#include "stage/game.h"

namespace fenx {

class NextMove {
  public:
    enum class Answer {
        Shown,      // from the plan being followed (the play-out: started)
        PlanNeeded, // plan from Question() and hand the plan to PlanArrived
        NotNow,     // not during this stage or with a block held
    };

    explicit NextMove(Game& game) : game_(game) {}

    // What the key does: a move showing ends, and the move from the
    // position on the screen shows, or a plan is needed.
    Answer Ask();
    // The position to plan from after PlanNeeded.
    const std::optional<Game::NextMoveQuestion>& Question() const { return question_; }
    // The same for the play-out: it starts at once from the plan being
    // followed, or once the plan needed arrives.
    Answer AskPlayOut();
    // A plan made from `start` for the position `position`: its first drag
    // shows (or the play-out asked for starts) if the position is still the
    // one asked about.
    void PlanArrived(uint32_t position, const BlockList& start, DragPlan plan);

    // The plan being followed.
    const PlanFollower& Follower() const { return follower_; }

  private:
    Answer AskFor(bool playOut);
    void Show(uint32_t position, int drag);
    // Plays the drags of `plan` from drag `drag` on, from position `position`.
    void PlayOut(uint32_t position, const DragPlan& plan, int drag);

    Game& game_;
    PlanFollower follower_;
    std::optional<Game::NextMoveQuestion> question_;
    bool playOutAsked_ = false; // the last question was the play-out's
};

} // namespace fenx
