// Clearing a way by evicting the blocks on it one by one, each to the
// nearest place off every way being cleared. A block that cannot get out at
// once first has the blocks on its own cheapest way out evicted, a few
// levels deep, while the blocks waiting on it stay put. Greedy and quick: it
// settles jams that a search over the moves of the blocks near the way
// would have to go many moves deep to undo.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "solver/anchor_search.h"
#include "solver/cheapest_way.h"
#include "solver/position.h"
#include "solver/relaxed_way.h"
#include "solver/target.h"

namespace fenx {

class Eviction {
  public:
    Eviction(Position& p, const Target& t, AnchorSearch& reach, RelaxedWay& relaxed,
             CheapestWay& cheapest)
        : p_(p), t_(t), reach_(reach), relaxed_(relaxed), cheapest_(cheapest) {}

    // How deep evictions may nest; the schedule varies it from one attempt
    // to the next, since a jam one depth walks into another gets around.
    void SetDepth(int depth) { maxDepth_ = depth; }

    // Clears the cheapest relaxed way to a ready slot by evicting the
    // blocks on it. True when it moved anything. Leaves no cell reserved
    // and no block pinned.
    bool Clear();

    // For the tests: whether any cell or block is still held.
    bool HoldsAnything() const;

  private:
    bool Evict(int c, int depth);
    bool EvictAlong(int self, std::span<const int16_t> anchors, int depth);
    bool ClearFoundWay(int b, int depth);
    bool ParkNow(int c);
    bool RelaxedWayOut(int c);
    void ReserveWay(int b, std::span<const int16_t> anchors, int by);

    Position& p_;
    const Target& t_;
    AnchorSearch& reach_;
    RelaxedWay& relaxed_;
    CheapestWay& cheapest_;

    // Cells of the ways being cleared (a count per cell, as ways nest) and
    // the blocks that others wait on.
    std::array<uint8_t, kSolverCells> reserved_{};
    StampedSet<kSolverCells> reserveSeen_;
    BlockFlags pinned_{};
    int evictions_ = 0;
    int maxDepth_ = 4;
};

} // namespace fenx
