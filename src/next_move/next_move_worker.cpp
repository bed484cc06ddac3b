#include "next_move/next_move_worker.h"

#include <system_error>
#include <utility>

namespace fenx {
namespace {

// Long enough for any position at any size; a new request or a step
// cancels it earlier.
constexpr int kPlanBudgetMs = 5000;

} // namespace

std::thread NextMoveWorker::NewThread(std::function<void()> work) {
    return std::thread(std::move(work));
}

NextMoveWorker::NextMoveWorker(Game& game, Post post, StartThread start)
    : nextMove_(game), post_(std::move(post)), start_(std::move(start)) {}

NextMoveWorker::~NextMoveWorker() {
    Stop();
}

void NextMoveWorker::Stop() {
    cancel_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
    cancel_ = false;
}

NextMoveWorker::Answer NextMoveWorker::Ask() {
    return Request(nextMove_.Ask());
}

NextMoveWorker::Answer NextMoveWorker::AskPlayOut() {
    return Request(nextMove_.AskPlayOut());
}

NextMoveWorker::Answer NextMoveWorker::Request(NextMove::Answer answer) {
    switch (answer) {
    case NextMove::Answer::Shown:
        return Answer::Shown;
    case NextMove::Answer::NotNow:
        return Answer::NotNow;
    case NextMove::Answer::PlanNeeded:
        break;
    }
    Stop();
    try {
        worker_ = start_([this, q = *nextMove_.Question()] { Plan(q); });
    } catch (const std::system_error&) {
        // Near the process limit: no move now, and nothing left half done
        // (the worker was never assigned), so the next request tries again.
        return Answer::NoThread;
    }
    return Answer::Planning;
}

void NextMoveWorker::Plan(const Game::NextMoveQuestion& q) {
    PlanLimits limits;
    limits.budgetMs = kPlanBudgetMs;
    limits.cancel = &cancel_;
    if (!planner_->Plan(q.blocks, q.width, q.height, limits)) {
        return;
    }
    BuildDragPlan(q.blocks, q.width, q.height, *planner_, plan_);
    if (plan_.drags.empty()) {
        return;
    }
    // Taken on the game's thread, from a copy (the next worker may be
    // planning by then).
    post_([this, position = q.position, start = q.blocks, plan = plan_]() mutable {
        nextMove_.PlanArrived(position, start, std::move(plan));
    });
}

} // namespace fenx
