// The next move with its plans made on a worker thread of its own: the
// position asked about is planned there and the plan handed back to the
// game's thread, which shows it if the position has not changed meanwhile.
// A new request cancels the plan still being made. When no thread can be
// started, there is no next move.
//
// The shell gives the way back to the game's thread (its event loop) and
// may give its own way of starting the worker.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "next_move/next_move.h"
#include "solver/drag_plan.h"
#include "solver/planner.h"
#include "stage/game.h"

namespace fenx {

class NextMoveWorker {
  public:
    // Runs `task` on the game's thread later, never inside the call.
    using Post = std::function<void(std::function<void()> task)>;
    // Runs `work` on a new thread; throws std::system_error when no thread
    // can be made (near the process limit, out of memory for its stack).
    using StartThread = std::function<std::thread(std::function<void()> work)>;
    static std::thread NewThread(std::function<void()> work);

    enum class Answer {
        Shown,    // from the plan being followed
        Planning, // the worker plans it; it shows when its plan comes back
        NotNow,   // not during this stage or with a block held
        NoThread, // no worker could be started: there is no next move
    };

    NextMoveWorker(Game& game, Post post, StartThread start = NewThread);
    // A plan still being made is cancelled and waited for.
    ~NextMoveWorker();
    NextMoveWorker(const NextMoveWorker&) = delete;
    NextMoveWorker& operator=(const NextMoveWorker&) = delete;

    // What the key does.
    Answer Ask();
    // The play-out's key: the same, the plan played out when it comes back
    // (Shown: started from the plan being followed).
    Answer AskPlayOut();

    const NextMove& Move() const { return nextMove_; }

  private:
    void Stop();
    // Starts the worker when `answer` says a plan is needed.
    Answer Request(NextMove::Answer answer);
    void Plan(const Game::NextMoveQuestion& question);

    NextMove nextMove_; // the game thread's
    Post post_;
    StartThread start_;
    std::unique_ptr<Planner> planner_ = std::make_unique<Planner>();
    DragPlan plan_; // the worker's
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

} // namespace fenx
