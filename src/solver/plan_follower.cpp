#include "solver/plan_follower.h"

#include <algorithm>
#include <utility>

namespace fenx {

void PlanFollower::Take(const BlockList& start, DragPlan plan) {
    start_ = start;
    plan_ = std::move(plan);
    made_ = 0;
    shown_ = 0;
}

Cell PlanFollower::End(int i) const {
    return plan_.cells[static_cast<std::size_t>(plan_.drags[static_cast<std::size_t>(i)].last - 1)];
}

bool PlanFollower::After(int made, const BlockList& now) const {
    if (now.count != start_.count) {
        return false;
    }
    for (int b = 0; b < now.count; ++b) {
        // Where block b stands after the drags: its last drag's end, if any.
        Cell at{start_[b].column, start_[b].row};
        for (int i = 0; i < made; ++i) {
            if (plan_.drags[static_cast<std::size_t>(i)].block == b) {
                at = End(i);
            }
        }
        if (now[b].column != at.column || now[b].row != at.row ||
            now[b].orientation != start_[b].orientation) {
            return false;
        }
    }
    return true;
}

std::optional<int> PlanFollower::Next(const BlockList& now) {
    const int total = static_cast<int>(plan_.drags.size());
    // The furthest the player can have got: the shown drag made.
    int at = -1;
    for (int m = std::min(shown_ + 1, total); m >= made_; --m) {
        if (After(m, now)) {
            at = m;
            break;
        }
    }
    if (at < 0) {
        return std::nullopt;
    }
    made_ = at;
    if (made_ >= total) {
        return std::nullopt;
    }
    shown_ = made_;
    return made_;
}

} // namespace fenx
