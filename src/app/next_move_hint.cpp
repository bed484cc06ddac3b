#include "app/next_move_hint.h"

#include <QMetaObject>
#include <QShortcut>
#include <QWidget>

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
    if (game_.NextMoveShowing()) {
        game_.EndNextMove();
    }
    auto question = game_.AskNextMove();
    if (!question) {
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
        const SolverDrag& first = plan_.drags.front();
        const Cell to = plan_.cells[static_cast<std::size_t>(first.last - 1)];
        const uint32_t position = q.position;
        const int block = first.block;
        // Shown on the window's thread; dropped there if the position moved on.
        QMetaObject::invokeMethod(
            this,
            [this, position, block, to] { game_.ShowNextMove(position, block, to.column, to.row); },
            Qt::QueuedConnection);
    });
}

} // namespace fenx
