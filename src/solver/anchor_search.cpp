#include "solver/anchor_search.h"

namespace fenx {

int AnchorSearch::Reach(const SolverGrid& grid, int start, int orientation, int8_t self, int stopAt,
                        int within) {
    const auto u = [](int i) { return static_cast<std::size_t>(i); };
    seen_.Clear();
    seen_.Insert(start);
    parent_[u(start)] = -1;
    distance_[u(start)] = 0;
    queue_[0] = static_cast<int16_t>(start);
    queued_ = 1;
    if (start == stopAt) {
        return 0;
    }
    for (int head = 0; head < queued_; ++head) {
        const int at = queue_[u(head)];
        if (distance_[u(at)] + 1 >= within) {
            break;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            if (seen_.Contains(next) || !grid.Fits(next, orientation, self)) {
                continue;
            }
            seen_.Insert(next);
            parent_[u(next)] = static_cast<int16_t>(at);
            distance_[u(next)] = static_cast<int16_t>(distance_[u(at)] + 1);
            queue_[u(queued_++)] = static_cast<int16_t>(next);
            if (next == stopAt) {
                return distance_[u(next)];
            }
        }
    }
    return -1;
}

} // namespace fenx
