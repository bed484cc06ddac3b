// The parts one planner is made of, wired together once, and what running
// the schedule keeps between its steps: the row sets covers may take and
// the seed of the next shaken cover. Fixed arrays and buffers reserved at
// construction, so planning allocates nothing per move.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "solver/anchor_search.h"
#include "solver/budget.h"
#include "solver/cheapest_way.h"
#include "solver/eviction.h"
#include "solver/exact_search.h"
#include "solver/furthest_filling.h"
#include "solver/path_clearing.h"
#include "solver/plan_improver.h"
#include "solver/plan_schedule.h"
#include "solver/position.h"
#include "solver/relaxed_way.h"
#include "solver/row_sets.h"
#include "solver/slot_filling.h"
#include "solver/solver_random.h"
#include "solver/target.h"

namespace fenx {

struct PlannerParts {
    Budget budget;
    SolverRandom random;
    Position position;
    Target target;
    AnchorSearch reach;
    RelaxedWay relaxed;
    CheapestWay cheapest;
    Eviction eviction{position, target, reach, relaxed, cheapest};
    PathClearing clearing{position, target, reach, relaxed, cheapest, budget};
    SlotFilling filling{position, target, reach, eviction, clearing, budget};
    FurthestFilling furthest;
    PlanImprover improver{position, reach};
    // The search over whole positions, made on first use.
    std::unique_ptr<ExactSearch> exact;

    // Sets up the row sets for position's stage, before the first step.
    void BeginSchedule();

    // One step of the schedule; true when it found a plan.
    bool Try(const TilingAttempt& a);
    bool Try(const CoverAttempt& a);
    bool Try(const SlotBySlotAttempt& a);
    bool Try(const ShakenCoversAttempt& a);
    bool Try(const AnyRowsAttempt& a);
    bool Try(const WholeSearchAttempt& a);

  private:
    // The target just built, filled from the start; a failed filling is
    // kept when the whole search may go on from it.
    bool FillFromStart(int clearingBudget, FillOrder order);

    RowSet fixedRows_ = 0;
    // Which rows covers may fill: the two halves, or with fixed blocks (or
    // once the halves have failed) every set that may end the stage.
    static constexpr int kMaxRowSets = 64;
    std::array<RowSet, kMaxRowSets> rowSets_{};
    int rowSetCount_ = 0;
    bool anyRows_ = false;
    uint32_t shakeSeed_ = 0;
};

} // namespace fenx
