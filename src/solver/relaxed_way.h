// The relaxed way of the slot filling: the cheapest walk of one block over
// cells priced as WayPrices says, as if the free blocks on the way could
// be moved aside. Best first by a bucket queue over the estimated total,
// which never falls as an A* search goes on; the buckets are reserved
// once, so a search allocates nothing.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <tuple>
#include <vector>

#include "solver/solver_grid.h"
#include "solver/stamped_set.h"
#include "solver/way_prices.h"

namespace fenx {

class RelaxedWay {
  public:
    RelaxedWay() {
        for (auto& bucket : buckets_) {
            bucket.reserve(kSolverCells);
        }
    }

    WayPrices& Prices() { return prices_; }

    // From `start` (a block with these cell offsets, its own cells priced
    // kBlockedCellCost and free to it meanwhile) to the first anchor that
    // `isGoal` accepts, best first by price plus `estimate`, which must
    // never overestimate the price still to pay nor drop by more than a
    // step costs (zero everywhere will do); then the totals taken from the
    // queue never fall, and no step raises them by more than the queue's
    // window. Gives up at totals of `bound`. Returns the goal, its price in
    // Cost(goal) and the way in Way(); or -1, leaving Way() as it was.
    template <class Estimate, class IsGoal>
    int Search(int start, const std::array<int, 4>& offsets, const Estimate& estimate,
               const IsGoal& isGoal, int bound);

    int Cost(int anchor) const { return cost_[static_cast<std::size_t>(anchor)]; }
    // The anchors of the last way found, goal first.
    std::span<const int16_t> Way() const {
        return std::span<const int16_t>(way_).first(static_cast<std::size_t>(wayLength_));
    }

  private:
    WayPrices prices_;
    StampedSet<kSolverCells> seen_;
    std::array<int32_t, kSolverCells> cost_{};
    std::array<int16_t, kSolverCells> parent_{};
    std::array<std::vector<int16_t>, 32> buckets_;
    std::array<int16_t, kSolverCells> way_{};
    int wayLength_ = 0;
};

template <class Estimate, class IsGoal>
int RelaxedWay::Search(int start, const std::array<int, 4>& offsets, const Estimate& estimate,
                       const IsGoal& isGoal, int bound) {
    const auto u = [](int i) { return static_cast<std::size_t>(i); };
    seen_.Clear();
    for (int off : offsets) {
        prices_.Set(start + off, 0);
    }
    constexpr int kWindow = static_cast<int>(std::tuple_size_v<decltype(buckets_)>);
    static_assert(1 + 4 * kBlockedCellCost + 1 < kWindow);
    for (auto& bucket : buckets_) {
        bucket.clear();
    }
    seen_.Insert(start);
    cost_[u(start)] = 0;
    parent_[u(start)] = -1;
    int f = estimate(start);
    buckets_[u(f % kWindow)].push_back(static_cast<int16_t>(start));
    int pending = 1;
    int goal = -1;
    while (pending > 0 && f < bound) {
        auto& bucket = buckets_[u(f % kWindow)];
        if (bucket.empty()) {
            ++f;
            continue;
        }
        const int at = bucket.back();
        bucket.pop_back();
        --pending;
        const int c = cost_[u(at)];
        if (c + estimate(at) != f) {
            continue; // reached more cheaply since
        }
        if (isGoal(at)) {
            goal = at;
            break;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            const int price = prices_.Step(next, offsets);
            if (price >= kClosedCellPrice) {
                continue;
            }
            const int nc = c + price;
            if (!seen_.Contains(next) || nc < cost_[u(next)]) {
                seen_.Insert(next);
                cost_[u(next)] = nc;
                parent_[u(next)] = static_cast<int16_t>(at);
                buckets_[u((nc + estimate(next)) % kWindow)].push_back(static_cast<int16_t>(next));
                ++pending;
            }
        }
    }
    for (int off : offsets) {
        prices_.Set(start + off, kBlockedCellCost);
    }
    if (goal >= 0) {
        wayLength_ = 0;
        for (int at = goal; at >= 0; at = parent_[u(at)]) {
            way_[u(wayLength_++)] = static_cast<int16_t>(at);
        }
    }
    return goal;
}

} // namespace fenx
