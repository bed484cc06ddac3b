// What a walking block pays for each cell it stands on, in the relaxed
// ways of both searches: nothing on a free cell, a little more on a cell of
// another block that could be moved aside, and a closed price on a wall or
// a block that stays. A step costs one plus the prices of the four cells
// the block lands on, so no step costs less than one, and one closed cell
// makes the step impossible.
#pragma once

#include <array>
#include <cstdint>

#include "solver/solver_grid.h"

namespace fenx {

// More than a step over four movable blocks ever costs.
inline constexpr uint8_t kClosedCellPrice = 64;
// What the slot filling pays on a cell of a free block.
inline constexpr uint8_t kBlockedCellCost = 6;

class WayPrices {
  public:
    // The field (width x rows) priced by priceOf(value) for each cell a
    // block covers (value >= 0), free cells 0, walls closed.
    template <class PriceOf>
    void Price(const SolverGrid& grid, int width, int rows, const PriceOf& priceOf) {
        price_.fill(kClosedCellPrice);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < width; ++c) {
                const int cell = SolverIndex(c, r);
                const int v = grid.cells[static_cast<std::size_t>(cell)];
                price_[static_cast<std::size_t>(cell)] =
                    v < 0 ? uint8_t{0} : static_cast<uint8_t>(priceOf(v));
            }
        }
    }
    void Set(int cell, uint8_t price) { price_[static_cast<std::size_t>(cell)] = price; }

    // A step onto `anchor` of a block with these cell offsets; closed at
    // kClosedCellPrice and above.
    int Step(int anchor, const std::array<int, 4>& offsets) const {
        const auto at = [&](int k) {
            return price_[static_cast<std::size_t>(anchor + offsets[static_cast<std::size_t>(k)])];
        };
        return 1 + at(0) + at(1) + at(2) + at(3);
    }

  private:
    std::array<uint8_t, kSolverCells> price_{};
};

} // namespace fenx
