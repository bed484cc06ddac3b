#include "app/next_move_hint.h"

#include <QMetaObject>
#include <QShortcut>
#include <QWidget>

#include <utility>

namespace fenx {
namespace {

// Long enough for any position at any size; a new key press or a step
// cancels it earlier.
constexpr int kPlanBudgetMs = 5000;

} // namespace

NextMoveHint::NextMoveHint(Game& game, QWidget* window) : game_(game) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_H), window);
    connect(key, &QShortcut::activated, this, &NextMoveHint::Request);
}

NextMoveHint::~NextMoveHint() {
    Stop();
}

void NextMoveHint::Stop() {
    cancel_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
    cancel_ = false;
}

void NextMoveHint::Request() {
    const bool showing = game_.NextMoveShowing();
    if (showing) {
        game_.EndNextMove();
    }
    auto question = game_.AskNextMove();
    if (!question) {
        follower_.Forget();
        return;
    }
    if (const std::optional<int> next = follower_.Next(question->blocks, showing)) {
        Show(question->position, *next);
        return;
    }
    Stop();
    worker_ = std::thread([this, q = std::move(*question)] {
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
        // Shown on the window's thread, from a copy (the next worker may be
        // planning by then); dropped there if the position moved on.
        QMetaObject::invokeMethod(
            this,
            [this, position = q.position, start = q.blocks, plan = plan_]() mutable {
                follower_.Take(start, std::move(plan));
                Show(position, 0);
            },
            Qt::QueuedConnection);
    });
}

void NextMoveHint::Show(uint32_t position, int drag) {
    const SolverDrag& d = follower_.Plan().drags[static_cast<std::size_t>(drag)];
    const Cell to = follower_.End(drag);
    game_.ShowNextMove(position, d.block, to.column, to.row);
}

} // namespace fenx
