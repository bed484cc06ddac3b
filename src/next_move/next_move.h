// The next move, asked for by the H key: the position in play is planned
// on a worker thread, and the plan's first drag is shown once the game's
// own thread takes the plan back, if the position has not changed
// meanwhile; the game never waits for a plan. While the player makes the
// moves shown, the plan is followed instead of made again, and asked while
// a move shows, the next move is the one after it.
//
// Plain C++ on the game and the planner; the shell binds the key and gives
// the way back to its thread (its event loop), and may give its own way of
// starting the worker.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "solver/drag_plan.h"
#include "solver/plan_follower.h"
#include "solver/planner.h"
#include "stage/game.h"

namespace fenx {

class NextMove {
  public:
    // Runs `task` on the game's thread later, never inside the call.
    using Post = std::function<void(std::function<void()> task)>;
    // Runs `work` on a new thread; throws std::system_error when no thread
    // can be made (near the process limit, out of memory for its stack).
    using StartThread = std::function<std::thread(std::function<void()> work)>;
    static std::thread NewThread(std::function<void()> work);

    enum class Answer {
        Shown,    // from the plan being followed
        Planning, // a worker plans it; it shows when its plan comes back
        NotNow,   // not during this stage or with a block held
        NoThread, // no worker could be started: there is no next move
    };

    NextMove(Game& game, Post post, StartThread start = NewThread);
    // A plan still being made is cancelled and waited for.
    ~NextMove();
    NextMove(const NextMove&) = delete;
    NextMove& operator=(const NextMove&) = delete;

    // What the key does: a move showing ends, and the next one is shown or
    // planned.
    Answer Ask();

    // The plan being followed, for the tests.
    const PlanFollower& Follower() const { return follower_; }

  private:
    void Stop();
    void Plan(const Game::NextMoveQuestion& question);
    void Show(uint32_t position, int drag);

    Game& game_;
    Post post_;
    StartThread start_;
    std::unique_ptr<Planner> planner_ = std::make_unique<Planner>();
    DragPlan plan_;         // the worker's
    PlanFollower follower_; // the game thread's
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

} // namespace fenx
