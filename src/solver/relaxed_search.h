// The relaxed way's search, shared by the clearing of a way to a slot and
// the way out of an evicted block: the cheapest walk of block b over cells
// priced by PlannerWork::PriceCells, its own cells free to it.
#pragma once

#include <tuple>

#include "solver/planner_work.h"

namespace fenx {

// From b's anchor to the first anchor `isGoal` accepts, best first by price
// plus `estimate`, which must never overestimate the price still to pay nor
// drop by more than a step costs (zero everywhere will do); then the totals
// taken from the bucket queue never fall, and no step raises them by more
// than the queue's window. Gives up at totals of `bound`. Returns the goal
// with its price in `cost` and the way in `way`, goal first; or -1.
template <class Estimate, class IsGoal>
int PlannerWork::RelaxedSearch(int b, const Estimate& estimate, const IsGoal& isGoal, int bound) {
    const auto u = [](int i) { return static_cast<std::size_t>(i); };
    if (++stamp == 0) {
        seen.fill(0);
        stamp = 1;
    }
    const auto& offsets = SolverOffsets[u(orientation[u(b)])];
    const int start = anchor[u(b)];
    for (int off : offsets) {
        cellPrice[u(start + off)] = 0;
    }
    constexpr int kWindow = static_cast<int>(std::tuple_size_v<decltype(buckets)>);
    static_assert(1 + 4 * kBlockedCellCost + 1 < kWindow);
    for (auto& bucket : buckets) {
        bucket.clear();
    }
    seen[u(start)] = stamp;
    cost[u(start)] = 0;
    costParent[u(start)] = -1;
    int f = estimate(start);
    buckets[u(f % kWindow)].push_back(static_cast<int16_t>(start));
    int pending = 1;
    int goal = -1;
    while (pending > 0 && f < bound) {
        auto& bucket = buckets[u(f % kWindow)];
        if (bucket.empty()) {
            ++f;
            continue;
        }
        const int at = bucket.back();
        bucket.pop_back();
        --pending;
        const int c = cost[u(at)];
        if (c + estimate(at) != f) {
            continue; // reached more cheaply since
        }
        if (isGoal(at)) {
            goal = at;
            break;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            const int price = 1 + cellPrice[u(next + offsets[0])] +
                              cellPrice[u(next + offsets[1])] + cellPrice[u(next + offsets[2])] +
                              cellPrice[u(next + offsets[3])];
            if (price >= kClosedCellPrice) {
                continue;
            }
            const int nc = c + price;
            if (seen[u(next)] != stamp || nc < cost[u(next)]) {
                seen[u(next)] = stamp;
                cost[u(next)] = nc;
                costParent[u(next)] = static_cast<int16_t>(at);
                buckets[u((nc + estimate(next)) % kWindow)].push_back(static_cast<int16_t>(next));
                ++pending;
            }
        }
    }
    for (int off : offsets) {
        cellPrice[u(start + off)] = kBlockedCellCost;
    }
    if (goal >= 0) {
        wayLength = 0;
        for (int at = goal; at >= 0; at = costParent[u(at)]) {
            way[u(wayLength++)] = static_cast<int16_t>(at);
        }
    }
    return goal;
}

} // namespace fenx
