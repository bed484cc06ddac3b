// Breadth first over the places one block can walk to in single steps
// (diagonals included) with every other block held still: the distance and
// the way back from each place it reaches. The planner asks this for every
// block it might move, so the visited set empties by a stamp.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <span>

#include "solver/position.h"
#include "solver/solver_grid.h"
#include "solver/stamped_set.h"

namespace fenx {

class AnchorSearch {
  public:
    // From `start`, block `self` of orientation o in `grid` (cells of its
    // own count as free). Stops once `stopAt` is found and returns its
    // distance; -1 when it is not found. Only anchors nearer than `within`
    // are sure to be found.
    int Reach(const SolverGrid& grid, int start, int orientation, int8_t self, int stopAt,
              int within = INT_MAX);
    // Block b of p from where it stands.
    int Reach(const Position& p, int b, int stopAt, int within = INT_MAX) {
        const auto u = static_cast<std::size_t>(b);
        return Reach(p.grid, p.anchor[u], p.orientation[u], static_cast<int8_t>(b), stopAt, within);
    }

    // What the last Reach found: its start first, then by distance.
    std::span<const int16_t> Found() const {
        return std::span<const int16_t>(queue_).first(static_cast<std::size_t>(queued_));
    }
    bool Reached(int anchor) const { return seen_.Contains(anchor); }
    int Distance(int anchor) const { return distance_[static_cast<std::size_t>(anchor)]; }

    // Block b of p walks to `to`, found by the last Reach(p, b, ...), and
    // the walk joins p's plan.
    void MoveTo(Position& p, int b, int to) const {
        p.Move(b, to, [this](int at) { return parent_[static_cast<std::size_t>(at)]; });
    }

    // The same walk without distances or ways, for the search over whole
    // positions: visit(anchor) for each anchor reached after the start, in
    // order, until visit returns false.
    template <class Visit>
    void Walk(const SolverGrid& grid, int start, int orientation, int8_t self, const Visit& visit);

  private:
    StampedSet<kSolverCells> seen_;
    std::array<int16_t, kSolverCells> parent_{};
    std::array<int16_t, kSolverCells> distance_{};
    std::array<int16_t, kSolverCells> queue_{};
    int queued_ = 0;
};

template <class Visit>
void AnchorSearch::Walk(const SolverGrid& grid, int start, int orientation, int8_t self,
                        const Visit& visit) {
    const auto u = [](int i) { return static_cast<std::size_t>(i); };
    seen_.Clear();
    seen_.Insert(start);
    queue_[0] = static_cast<int16_t>(start);
    int queued = 1;
    for (int head = 0; head < queued; ++head) {
        for (int step : SolverSteps) {
            const int next = queue_[u(head)] + step;
            if (seen_.Contains(next) || !grid.Fits(next, orientation, self)) {
                continue;
            }
            seen_.Insert(next);
            queue_[u(queued++)] = static_cast<int16_t>(next);
            if (!visit(next)) {
                queued_ = 0;
                return;
            }
        }
    }
    queued_ = 0; // no distances: Found() stays empty
}

} // namespace fenx
