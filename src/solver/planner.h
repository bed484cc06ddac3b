// Finds a way to solve a position: which block to move where, one after the
// other, each move a path of single steps that the step rule allows. Plain
// C++, no window; several planners may run side by side (one per thread).
//
// The planner fills a target of H rows slot by slot, from the wall the
// target rests on or in the reverse order of taking it apart, bringing each
// slot the nearest free block of its orientation; blocks in the way are
// evicted or cleared by a small best-first search. It tries several
// targets (the generated tiling in the lower or upper half, exact covers
// of the halves that keep blocks already in place, and where those fail or
// fixed blocks rule them out, covers of any rows that may end the stage)
// with growing search budgets, as its schedule lists them
// (plan_schedule.h), until one works, the time runs out or it is
// cancelled.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>

#include "core/block.h"
#include "core/board.h"
#include "solver/planned_move.h"

namespace fenx {

struct PlanLimits {
    int budgetMs = 10000;                      // wall time for the whole plan
    const std::atomic<bool>* cancel = nullptr; // set from another thread to give up
    // Room of the search over whole positions on small fields: 2^bits
    // positions at up to 56 bytes each with their share of the hash table
    // and queues (the default at most about 120 MB, taken on first use).
    int searchBits = 21;
    // A found plan may become shorter (plan_improver.h) until this long
    // after planning began, within the budget, and for a little while even
    // when finding it took longer; 0 gives the plan as found.
    int shortenMs = 45;
};

struct PlannerParts;

class Planner {
  public:
    Planner();
    ~Planner();
    Planner(const Planner&) = delete;
    Planner& operator=(const Planner&) = delete;

    // Plans from the blocks' present places (column, row) in the width x 2H
    // field; `fixed` blocks never move. The solution places are used as one
    // of the targets. True when a plan was found; the moves then end on a
    // field of full and empty rows.
    bool Plan(const BlockList& blocks, int width, int height, const PlanLimits& limits);

    std::span<const PlannedMove> Moves() const;
    std::span<const Cell> Path(const PlannedMove& move) const;
    // Search nodes expanded by the last Plan, for the benchmark.
    long Expansions() const;

  private:
    std::unique_ptr<PlannerParts> parts_;
};

} // namespace fenx
