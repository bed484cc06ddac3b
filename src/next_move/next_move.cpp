#include "next_move/next_move.h"

#include <system_error>
#include <utility>

namespace fenx {
namespace {

// Long enough for any position at any size; a new request or a step
// cancels it earlier.
constexpr int kPlanBudgetMs = 5000;

} // namespace

std::thread NextMove::NewThread(std::function<void()> work) {
    return std::thread(std::move(work));
}

NextMove::NextMove(Game& game, Post post, StartThread start)
    : game_(game), post_(std::move(post)), start_(std::move(start)) {}

NextMove::~NextMove() {
    Stop();
}

void NextMove::Stop() {
    cancel_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
    cancel_ = false;
}

NextMove::Answer NextMove::Ask() {
    const bool showing = game_.NextMoveShowing();
    if (showing) {
        game_.EndNextMove();
    }
    auto question = game_.AskNextMove();
    if (!question) {
        follower_.Forget();
        return Answer::NotNow;
    }
    if (const std::optional<int> next = follower_.Next(question->blocks, showing)) {
        Show(question->position, *next);
        return Answer::Shown;
    }
    Stop();
    try {
        worker_ = start_([this, q = std::move(*question)] { Plan(q); });
    } catch (const std::system_error&) {
        // Near the process limit: no move now, and nothing left half done
        // (the worker was never assigned), so the next request tries again.
        return Answer::NoThread;
    }
    return Answer::Planning;
}

void NextMove::Plan(const Game::NextMoveQuestion& q) {
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
    // Shown on the game's thread, from a copy (the next worker may be
    // planning by then); dropped there if the position moved on.
    post_([this, position = q.position, start = q.blocks, plan = plan_]() mutable {
        follower_.Take(start, std::move(plan));
        Show(position, 0);
    });
}

void NextMove::Show(uint32_t position, int drag) {
    const SolverDrag& d = follower_.Plan().drags[static_cast<std::size_t>(drag)];
    const Cell to = follower_.End(drag);
    game_.ShowNextMove(position, d.block, to.column, to.row);
}

} // namespace fenx
