#include "next_move/next_move.h"

#include <utility>

namespace fenx {

NextMove::Answer NextMove::Ask() {
    if (game_.NextMoveShowing()) {
        game_.EndNextMove();
    }
    question_ = game_.AskNextMove();
    if (!question_) {
        follower_.Forget();
        return Answer::NotNow;
    }
    // Always from the position on the screen: asked again while a move
    // shows, the same move shows again.
    if (const std::optional<int> next = follower_.Next(question_->blocks)) {
        Show(question_->position, *next);
        return Answer::Shown;
    }
    return Answer::PlanNeeded;
}

void NextMove::PlanArrived(uint32_t position, const BlockList& start, DragPlan plan) {
    if (plan.drags.empty()) {
        return;
    }
    follower_.Take(start, std::move(plan));
    Show(position, 0);
}

void NextMove::Show(uint32_t position, int drag) {
    const SolverDrag& d = follower_.Plan().drags[static_cast<std::size_t>(drag)];
    const Cell to = follower_.End(drag);
    game_.ShowNextMove(position, d.block, to.column, to.row);
}

} // namespace fenx
