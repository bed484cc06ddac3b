// The planner's schedule: the attempts it makes, in order, until one finds
// a plan or the time is up. Cheap targets with small clearing searches
// come first, then the same again with more patience, then covers of any
// rows and the searches over whole positions where they help. Which steps
// a stage takes depends on its kind: whether the search over whole
// positions packs it, whether it is one of the smallest fields, and
// whether it has fixed blocks.
//
// A step's round varies the tie-breaks and eviction depths of its tries
// (see planner_attempts.cpp), so that a jam one try walks into, the next
// may get around.
#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "solver/target.h"

namespace fenx {

// The kinds of stage the schedule tells apart.
enum class StageKind : uint8_t {
    Large,         // the search over whole positions does not pack it
    Packs,         // it packs, no fixed blocks
    Smallest,      // it packs and has at most 32 target cells, no fixed blocks
    PacksFixed,    // it packs and has fixed blocks
    SmallestFixed, // the smallest, with fixed blocks
};
using StageKinds = uint8_t; // one bit per kind

constexpr StageKinds KindBit(StageKind k) {
    return static_cast<StageKinds>(1u << static_cast<unsigned>(k));
}
StageKind KindOf(bool packs, bool smallest, bool fixedBlocks);

// The generated tiling in one half, filled from its wall.
struct TilingAttempt {
    bool lower;
    int round;
    int clearing; // positions of each clearing search
    FillOrder order;
};

// Exact covers of the row sets in use, `sweeps` times over (each sweep with
// other tie-breaks): covers of the halves fill the lower half from the
// floor and the upper from the ceiling; covers of any rows take every set.
// With two orders a cover is filled in the reverse order of taking it apart
// first, then from its wall.
struct CoverAttempt {
    bool floor;
    int round;
    int sweeps;
    int clearing;
    int clearingPastHalves; // without fixed blocks, on sets other than the halves
    long coverCells;        // cells a cover search may try
    int ordersOnHalves;
    int ordersOnAnyRows;
};

// Covers of every row set filled slot by slot in the reverse order of
// taking them apart, the search over positions bringing a block to each
// slot nothing can walk to.
struct SlotBySlotAttempt {
    int moveWeight;
    long positionsPerSlot;
};

// Covers filled from a few random moves away from the start, each try with
// a seed of its own, the seeds going on from one such step to the next.
inline constexpr int kWhileTimeLasts = -1;
struct ShakenCoversAttempt {
    int tries; // or kWhileTimeLasts
    long coverCells;
    int clearing;
};

// From here on covers may take any rows that may end the stage.
struct AnyRowsAttempt {};

// The search over whole positions, from the start or from the failed
// filling that got furthest; toward covers of the halves, or with
// `allRowSets` of any rows.
struct WholeSearchAttempt {
    long positions;
    bool fromFurthest;
    bool allRowSets;
};

using Attempt = std::variant<TilingAttempt, CoverAttempt, SlotBySlotAttempt, ShakenCoversAttempt,
                             AnyRowsAttempt, WholeSearchAttempt>;

struct ScheduleStep {
    StageKinds on; // the kinds of stage that take it
    Attempt attempt;
    bool TakenBy(StageKind k) const { return (on & KindBit(k)) != 0; }
};

std::span<const ScheduleStep> PlanSchedule();

// Whether a kind of stage takes a step that needs the search over whole
// positions (made on first use, large).
bool NeedsWholeSearch(StageKind k);

} // namespace fenx
