#include "next_move/next_move.h"

#include <utility>
#include <vector>

namespace fenx {

NextMove::Answer NextMove::Ask() {
    return AskFor(false);
}

NextMove::Answer NextMove::AskPlayOut() {
    return AskFor(true);
}

NextMove::Answer NextMove::AskFor(bool playOut) {
    playOutAsked_ = playOut;
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
        if (playOut) {
            PlayOut(question_->position, follower_.Plan(), *next);
        } else {
            Show(question_->position, *next);
        }
        return Answer::Shown;
    }
    return Answer::PlanNeeded;
}

void NextMove::PlanArrived(uint32_t position, const BlockList& start, DragPlan plan) {
    if (plan.drags.empty()) {
        return;
    }
    if (playOutAsked_) {
        PlayOut(position, plan, 0);
        return;
    }
    follower_.Take(start, std::move(plan));
    Show(position, 0);
}

void NextMove::PlayOut(uint32_t position, const DragPlan& plan, int drag) {
    std::vector<PlayOutDrag> drags;
    for (std::size_t i = static_cast<std::size_t>(drag); i < plan.drags.size(); ++i) {
        const SolverDrag& d = plan.drags[i];
        const auto first = plan.cells.begin() + d.first;
        drags.push_back({d.block, *first, {first + 1, plan.cells.begin() + d.last}});
    }
    // Whether it starts or not, the moves it would play leave this plan.
    follower_.Forget();
    game_.PlayOut(position, std::move(drags));
}

void NextMove::Show(uint32_t position, int drag) {
    const SolverDrag& d = follower_.Plan().drags[static_cast<std::size_t>(drag)];
    const Cell to = follower_.End(drag);
    game_.ShowNextMove(position, d.block, to.column, to.row);
}

} // namespace fenx
