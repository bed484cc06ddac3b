// Everything one planner works with, in fixed arrays sized for the largest
// stage and buffers reserved once, so planning allocates nothing per move.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/block.h"
#include "core/board.h"
#include "solver/exact_search.h"
#include "solver/planner.h"
#include "solver/row_sets.h"
#include "solver/solver_grid.h"

namespace fenx {

using SlotMask = std::array<uint64_t, 2>; // one bit per slot, up to 95

inline void SetBit(SlotMask& m, int i) {
    m[static_cast<std::size_t>(i >> 6)] |= uint64_t{1} << (i & 63);
}
inline bool AllIn(const SlotMask& need, const SlotMask& have) {
    return (need[0] & ~have[0]) == 0 && (need[1] & ~have[1]) == 0;
}

// What standing on a cell costs a way that may not pass it: more than a
// step over four blocked cells ever costs.
inline constexpr uint8_t kClosedCellPrice = 64;
// Passing a cell of another free block costs this much more than a step.
inline constexpr uint8_t kBlockedCellCost = 6;
// Parking a block on a cell of an open slot costs as much as this many
// steps more.
inline constexpr int kOpenSlotPenalty = 16;

// The kinds of target the portfolio tries.
enum class TargetKind {
    TilingLower, // the generated tiling in the lower half, filled from the floor
    TilingUpper, // the same in the upper half, filled from the ceiling
    CoverLower,  // an exact cover of the lowest band that keeps blocks in place
    CoverUpper,  // the same for the highest band
};

struct SearchNode {
    int32_t parent;
    int16_t block;
    int16_t anchor;
    int16_t depth;
    int16_t cost; // cells of the cleared path still covered
};

struct PlannerWork {
    // The position planning started from.
    int width = 0;
    int height = 0;
    int count = 0;
    std::array<int16_t, kMaxBlocks> orientation{};
    std::array<int16_t, kMaxBlocks> startAnchor{};
    std::array<int16_t, kMaxBlocks> tilingAnchor{}; // in the tiling's own rows 0..H-1
    std::array<uint8_t, kMaxBlocks> fixed{};
    SolverGrid startGrid;

    // The position as planned so far.
    SolverGrid grid;
    std::array<int16_t, kMaxBlocks> anchor{};

    // The target: one slot per block, filled by any block of its orientation.
    int slotCount = 0;
    int bandTop = 0; // its highest row
    bool fromFloor = true;
    std::array<int16_t, kMaxBlocks> slotOrientation{};
    std::array<int16_t, kMaxBlocks> slotAnchor{};
    std::array<int16_t, kMaxBlocks> slotBlock{};  // -1 while open
    std::array<int16_t, kMaxBlocks> blockSlot{};  // -1 while the block is free
    std::array<SlotMask, kMaxBlocks> slotNeeds{}; // slots between it and the wall
    SlotMask filled{};
    std::array<int8_t, kSolverCells> targetOwner{}; // slot covering a cell, -1 none

    // Breadth-first search over one block's anchors.
    std::array<uint32_t, kSolverCells> seen{};
    uint32_t stamp = 0;
    std::array<int16_t, kSolverCells> parent{};
    std::array<int16_t, kSolverCells> distance{};
    std::array<int16_t, kSolverCells> queue{};
    int queued = 0;

    // Cells marked for the path being cleared, and cells near it.
    std::array<uint32_t, kSolverCells> mark{};
    uint32_t markStamp = 0;
    std::array<uint32_t, kSolverCells> near{};
    uint32_t nearStamp = 0;
    std::array<int16_t, kSolverCells> markedList{};
    int markedCount = 0;
    std::array<int32_t, kSolverCells> cost{};
    std::array<int16_t, kSolverCells> costParent{};

    // The relaxed way's search: what standing on each cell costs (free 0, a
    // free block's cell more, anything else closed), a bucket queue over the
    // estimated total (which never falls as an A* search goes on), and the
    // anchors of the cheapest way found so far, goal first.
    std::array<uint8_t, kSolverCells> cellPrice{};
    std::array<std::vector<int16_t>, 32> buckets;
    std::array<int16_t, kSolverCells> way{};
    int wayLength = 0;

    // Eviction: cells of the ways being cleared (a count per cell, as ways
    // nest), blocks that others wait on, and the evictions made so far.
    std::array<uint8_t, kSolverCells> reserved{};
    std::array<uint32_t, kSolverCells> reserveSeen{};
    uint32_t reserveStamp = 0;
    std::array<uint8_t, kMaxBlocks> pinned{};
    int evictions = 0;
    int evictionDepth = 4;

    // Search buffers, reserved once.
    std::vector<SearchNode> nodes;
    std::vector<uint64_t> frontier; // the clearing search's queue
    std::vector<int32_t> chain;
    std::vector<int16_t> chainOld;
    std::array<int16_t, kMaxBlocks> undoAnchor{};

    // The complete search for small fields, made on first use.
    std::unique_ptr<ExactSearch> exact;

    // The plan.
    std::vector<PlannedMove> moves;
    std::vector<Cell> path;

    // The failed filling that got furthest, to search on from.
    int bestFilled = -1;
    std::array<int16_t, kMaxBlocks> bestAnchor{};
    std::vector<PlannedMove> bestMoves;
    std::vector<Cell> bestPath;
    void KeepIfFurthest();
    void BackToFurthest();

    // Which rows the target fills (row_sets.h): a half, or with fixed
    // blocks any set of rows that may end the stage.
    RowSet targetRows = 0;
    std::array<int16_t, 2 * 10> targetRowList{}; // its rows, top first
    static constexpr int kMaxRowSets = 64;
    std::array<RowSet, kMaxRowSets> rowSets{};
    int rowSetCount = 0;
    void SetTargetRows(RowSet rows);
    RowSet FixedRows() const;
    // Filling in the reverse order of taking the target apart, instead of
    // from the floor or ceiling.
    bool escapeOrder = false;
    std::array<uint32_t, kSolverCells> escapeSeen{};
    uint32_t escapeStamp = 0;
    std::array<int16_t, kSolverCells> escapeQueue{};
    bool Escapes(const SolverGrid& g, int s);
    void OrderByEscape();
    // Covers of every set in rowSets filled with ExactSearch::FillTarget.
    bool FillSlotBySlot(long budget, int moveWeight);

    // Limits.
    std::chrono::steady_clock::time_point deadline{};
    const std::atomic<bool>* cancel = nullptr;
    long expansions = 0;
    uint32_t random = 1; // tie-breaks of the cover targets, random moves
    uint32_t NextRandom() {
        random = random * 1103515245u + 12345u;
        return random >> 16;
    }
    bool stopped = false;

    void Load(const BlockList& blocks, int w, int h);
    bool OutOfTime();
    // Back to the starting position with an empty plan.
    void Restart();
    void Shake(int moveCount);

    // Targets.
    bool BuildTilingTarget(bool lower);
    bool BuildCoverTarget(RowSet rows, bool floor, long nodeBudget);
    void FinishTarget();
    bool AssignFixed();
    bool SlotReady(int s) const {
        return slotBlock[static_cast<std::size_t>(s)] < 0 &&
               AllIn(slotNeeds[static_cast<std::size_t>(s)], filled);
    }
    bool Movable(int b) const {
        return fixed[static_cast<std::size_t>(b)] == 0 &&
               blockSlot[static_cast<std::size_t>(b)] < 0;
    }
    void Assign(int s, int b);

    // Moves.
    int Reach(int b, int stopAt, int within = INT_MAX);
    void MoveAlongSearch(int b, int to);
    int AssignStandingBlocks();
    bool NearestToReadySlot(int& block, int& slot);
    bool Fill(int budget);
    bool ClearWay(int budget);
    void PriceCells();
    template <class Estimate, class IsGoal>
    int RelaxedSearch(int b, const Estimate& estimate, const IsGoal& isGoal, int bound);
    int RelaxedPath(int b, int slot, int bound);
    void MarkWay(int b);
    int MarkCheapestWay();
    bool ClearByEviction();
    bool Evict(int c, int depth);
    bool EvictAlong(int self, std::span<const int16_t> anchors, int depth);
    bool ClearFoundWay(int b, int depth);
    bool ParkNow(int c);
    bool RelaxedWayOut(int c);
    void ReserveWay(int b, std::span<const int16_t> anchors, int by);
    void ExpandNear(int n, const SearchNode& node, int covered);
    void MarkNear(int cell);
    void AddParkingMoves(int n, const SearchNode& node, int b, int rest);
    int CoveredMarks(int except) const;
};

} // namespace fenx
