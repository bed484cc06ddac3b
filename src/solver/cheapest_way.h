// When no free block can walk to a ready slot: the block and slot whose
// relaxed way is cheapest, as if the free blocks on it could be moved
// aside, and the cells that way covers. Both ways of clearing it (evicting
// the blocks on it, or the search over moves near it) start from here.
#pragma once

#include <array>
#include <cstdint>

#include "core/block.h"
#include "solver/position.h"
#include "solver/relaxed_way.h"
#include "solver/stamped_set.h"
#include "solver/target.h"

namespace fenx {

// One flag per block.
using BlockFlags = std::array<uint8_t, kMaxBlocks>;

// p's field priced for the relaxed ways of the filling: free cells
// nothing, cells of a free block that is not `pinned` kBlockedCellCost,
// every other block and the walls closed.
void PriceForFilling(WayPrices& prices, const Position& p, const Target& t,
                     const BlockFlags& pinned);

class CheapestWay {
  public:
    // Marks the cheapest relaxed way over all ready slots and the free
    // blocks that could fill them; returns the block, or -1 when there is
    // none. The way's anchors are then relaxed.Way().
    int Find(const Position& p, const Target& t, RelaxedWay& relaxed);

    bool Marked(int cell) const { return mark_.Contains(cell); }
    std::span<const int16_t> MarkedCells() const {
        return std::span<const int16_t>(marked_).first(static_cast<std::size_t>(markedCount_));
    }
    // Marked cells covered by blocks other than `except`.
    int Covered(const SolverGrid& grid, int except) const;

  private:
    void Mark(const Position& p, int b, std::span<const int16_t> way);

    StampedSet<kSolverCells> mark_;
    std::array<int16_t, kSolverCells> marked_{};
    int markedCount_ = 0;
};

} // namespace fenx
