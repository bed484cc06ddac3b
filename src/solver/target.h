// Where the blocks should end: one slot per block in H rows that may end
// the stage, each slot filled by any block of its orientation. A slot is
// ready once every slot it waits for is filled: those between it and the
// wall the target is filled from, or those that must be in before it when
// the target is filled in the reverse order of taking it apart.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "core/block.h"
#include "solver/position.h"
#include "solver/row_sets.h"
#include "solver/solver_grid.h"
#include "solver/solver_random.h"
#include "solver/stamped_set.h"

namespace fenx {

using SlotMask = std::array<uint64_t, 2>; // one bit per slot, up to 95

// Bit i of a two-word bit set (of slots here; of field cells in the
// near-shortest search).
inline void SetBit(SlotMask& m, int i) {
    m[static_cast<std::size_t>(i >> 6)] |= uint64_t{1} << (i & 63);
}
inline int BitCount(const SlotMask& m) {
    return std::popcount(m[0]) + std::popcount(m[1]);
}
inline bool AllIn(const SlotMask& need, const SlotMask& have) {
    return (need[0] & ~have[0]) == 0 && (need[1] & ~have[1]) == 0;
}

// Parking a block on a cell of an open slot costs as much as this many
// steps more.
inline constexpr int kOpenSlotPenalty = 16;

// How the slots wait for each other.
enum class FillOrder : uint8_t {
    FromWall,  // each slot after those between it and the target's wall
    Unpacking, // the reverse order of taking the finished target apart
};

struct Target {
    int slotCount = 0;
    int bandTop = 0; // its highest row
    bool fromFloor = true;
    std::array<int16_t, kMaxBlocks> slotOrientation{};
    std::array<int16_t, kMaxBlocks> slotAnchor{};
    std::array<int16_t, kMaxBlocks> slotBlock{};  // -1 while open
    std::array<int16_t, kMaxBlocks> blockSlot{};  // -1 while the block is free
    std::array<SlotMask, kMaxBlocks> slotNeeds{}; // the slots it waits for
    SlotMask filled{};
    std::array<int8_t, kSolverCells> owner{}; // slot covering a cell, -1 none
    RowSet rows = 0;
    std::array<int16_t, 2 * 10> rowList{}; // its rows, top first

    // The generated tiling in the lower or the upper half, filled from its
    // own wall (the floor or the ceiling).
    void BuildTiling(const Position& p, bool lower, FillOrder order);
    // An exact cover of `coverRows` with p's blocks that keeps the fixed
    // ones where they are and, where it can, blocks where they lie at the
    // start; ties broken by `random`. False when none was found within
    // `nodeBudget` cells tried.
    bool BuildCover(const Position& p, RowSet coverRows, bool floor, FillOrder order,
                    long nodeBudget, SolverRandom& random);

    // Every slot open, then the fixed blocks on the slots they lie on;
    // false when one lies on none.
    bool AssignFixed(const Position& p);
    // Each free block standing on a ready slot of its orientation fills it,
    // as long as the slots so filled make more ready; returns how many.
    int AssignStanding(const Position& p);
    void Assign(int s, int b);

    bool SlotReady(int s) const {
        return slotBlock[static_cast<std::size_t>(s)] < 0 &&
               AllIn(slotNeeds[static_cast<std::size_t>(s)], filled);
    }
    // A block still to place: neither fixed nor on a slot.
    bool Free(const Position& p, int b) const {
        return p.Movable(b) && blockSlot[static_cast<std::size_t>(b)] < 0;
    }
    // Whether `cell` lies in a slot still open.
    bool OnOpenSlot(int cell) const {
        const int t = owner[static_cast<std::size_t>(cell)];
        return t >= 0 && slotBlock[static_cast<std::size_t>(t)] < 0;
    }
    int FilledCount() const { return BitCount(filled); }

  private:
    void SetRows(RowSet r);
    void Finish(const Position& p, FillOrder order);
    bool Escapes(const SolverGrid& g, int s);
    void OrderByUnpacking(const Position& p);

    // The walk of OrderByUnpacking.
    StampedSet<kSolverCells> escapeSeen_;
    std::array<int16_t, kSolverCells> escapeQueue_{};
};

} // namespace fenx
