// The steps of the schedule, each a few tries of a target with its own
// seeds and eviction depths.
#include "solver/planner_parts.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// How deep evictions may nest, varied from one try to the next: a jam
// that one depth walks into, another gets around.
int EvictionDepth(int variant) {
    static constexpr int kDepths[] = {4, 3, 6, 5, 2};
    return kDepths[variant % 5];
}

// The kinds of target, as they vary the eviction depths.
constexpr int kLowerTiling = 0;
constexpr int kUpperTiling = 1;
constexpr int kFloorCovers = 2;
constexpr int kCeilingCovers = 3;

constexpr uint32_t kFirstShakeSeed = 1000003;
constexpr uint32_t kSeedStep = 7919;
constexpr uint32_t kRoundSeedStep = 104729;
constexpr long kSlotBySlotCoverCells = 40000;

} // namespace

void PlannerParts::BeginSchedule() {
    const int h = position.height;
    fixedRows_ = position.FixedRows();
    anyRows_ = fixedRows_ != 0;
    if (anyRows_) {
        rowSetCount_ = CollectRowSets(position.width, h, fixedRows_, rowSets_);
    } else {
        const RowSet upperHalf = (RowSet{1} << h) - 1;
        rowSets_[0] = upperHalf << h;
        rowSets_[1] = upperHalf;
        rowSetCount_ = 2;
    }
    shakeSeed_ = kFirstShakeSeed;
    furthest.Forget();
}

bool PlannerParts::FillFromStart(int clearingBudget, FillOrder order) {
    position.Restart();
    if (filling.Fill(clearingBudget)) {
        return true;
    }
    // Without fixed blocks the whole search aims at the halves, so only
    // fillings of a half from its own wall count.
    const RowSet upperHalf = (RowSet{1} << position.height) - 1;
    const bool ownWall =
        target.rows == (target.fromFloor ? upperHalf << position.height : upperHalf);
    if (fixedRows_ != 0 || (order == FillOrder::FromWall && ownWall)) {
        furthest.Keep(position, target.FilledCount());
    }
    return false;
}

bool PlannerParts::Try(const TilingAttempt& a) {
    eviction.SetDepth(EvictionDepth(a.round + (a.lower ? kLowerTiling : kUpperTiling)));
    target.BuildTiling(position, a.lower, a.order);
    return FillFromStart(a.clearing, a.order);
}

bool PlannerParts::Try(const CoverAttempt& a) {
    const int kind = a.floor ? kFloorCovers : kCeilingCovers;
    const int orders = anyRows_ ? a.ordersOnAnyRows : a.ordersOnHalves;
    for (int sweep = 0; sweep < a.sweeps; ++sweep) {
        for (int k = 0; k < rowSetCount_; ++k) {
            // On the halves each direction has its own half.
            if (!anyRows_ && k != (a.floor ? 0 : 1)) {
                continue;
            }
            const int patience = fixedRows_ == 0 && k >= 2 ? a.clearingPastHalves : a.clearing;
            for (int order = 0; order < orders; ++order) {
                if (budget.OutOfTime()) {
                    return false;
                }
                const FillOrder fill =
                    orders == 2 && order == 0 ? FillOrder::Unpacking : FillOrder::FromWall;
                random.Seed(
                    static_cast<uint32_t>(1 + sweep * kSeedStep + a.round * kRoundSeedStep));
                eviction.SetDepth(EvictionDepth(a.round + sweep + k + order + kind));
                if (target.BuildCover(position, rowSets_[U(k)], a.floor, fill, a.coverCells,
                                      random) &&
                    FillFromStart(patience, fill)) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool PlannerParts::Try(const SlotBySlotAttempt& a) {
    for (int k = 0; k < rowSetCount_; ++k) {
        if (budget.OutOfTime()) {
            break;
        }
        random.Seed(static_cast<uint32_t>(1 + k * kSeedStep));
        if (target.BuildCover(position, rowSets_[U(k)], true, FillOrder::Unpacking,
                              kSlotBySlotCoverCells, random)) {
            position.Restart();
            if (exact->FillTarget(target, position, budget, a.positionsPerSlot, a.moveWeight)) {
                return true;
            }
            furthest.Keep(position, target.FilledCount());
        }
    }
    return false;
}

bool PlannerParts::Try(const ShakenCoversAttempt& a) {
    for (int tries = a.tries; tries != 0; --tries, shakeSeed_ += kSeedStep) {
        // With no row sets, the fixed blocks lie where no solved field has
        // them.
        if (budget.OutOfTime() || rowSetCount_ == 0) {
            return false;
        }
        const uint32_t seed = shakeSeed_;
        random.Seed(seed);
        eviction.SetDepth(EvictionDepth(static_cast<int>(seed % 5)));
        const bool floor = (seed & 1) != 0;
        const int k = static_cast<int>((seed >> 1) % U(rowSetCount_));
        const FillOrder fill = (seed >> 2 & 1) != 0 ? FillOrder::Unpacking : FillOrder::FromWall;
        if (!target.BuildCover(position, rowSets_[U(k)], floor, fill, a.coverCells, random)) {
            continue;
        }
        position.Restart();
        Shake(position, reach, random, static_cast<int>((seed >> 3) % 7));
        if (filling.Fill(a.clearing)) {
            return true;
        }
    }
    return false;
}

bool PlannerParts::Try(const AnyRowsAttempt&) {
    if (!anyRows_) {
        rowSetCount_ = CollectRowSets(position.width, position.height, 0, rowSets_);
        anyRows_ = true;
    }
    return false;
}

bool PlannerParts::Try(const WholeSearchAttempt& a) {
    if (a.fromFurthest) {
        furthest.BackTo(position);
    }
    return exact->Run(position, budget, a.positions, a.fromFurthest, a.allRowSets);
}

} // namespace fenx
