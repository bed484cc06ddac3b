#include "solver/plan_schedule.h"

#include <array>

namespace fenx {
namespace {

constexpr StageKinds kAll = KindBit(StageKind::Large) | KindBit(StageKind::Packs) |
                            KindBit(StageKind::Smallest) | KindBit(StageKind::PacksFixed) |
                            KindBit(StageKind::SmallestFixed);
// Where the search over whole positions takes over from the slot filling
// where it runs into a dead end: on the smallest fields from the start,
// with fixed blocks from where the filling got furthest (most blocks in
// place, few moves missing). Elsewhere the filling from a few random moves
// away gets out of a jam far sooner.
constexpr StageKinds kWhole = KindBit(StageKind::Smallest) | KindBit(StageKind::PacksFixed) |
                              KindBit(StageKind::SmallestFixed);
constexpr StageKinds kNoWhole = kAll & ~kWhole;
constexpr StageKinds kFixed = KindBit(StageKind::PacksFixed) | KindBit(StageKind::SmallestFixed);
constexpr StageKinds kSmallest = KindBit(StageKind::Smallest) | KindBit(StageKind::SmallestFixed);
// Covers of the halves only so far: where they keep failing on a field
// that packs, any rows.
constexpr StageKinds kHalvesThatPack = KindBit(StageKind::Packs) | KindBit(StageKind::Smallest);
constexpr StageKinds kFixedLarger = KindBit(StageKind::PacksFixed);

constexpr FillOrder kWall = FillOrder::FromWall;
constexpr FillOrder kUnpacking = FillOrder::Unpacking;

constexpr std::array<ScheduleStep, 31> kSchedule = {{
    // Round 0: every cheap target with a small clearing search.
    {kAll, TilingAttempt{true, 0, 30, kWall}},
    {kAll, TilingAttempt{false, 0, 30, kWall}},
    {kAll, CoverAttempt{true, 0, 1, 30, 300, 20000, 1, 2}},
    {kAll, CoverAttempt{false, 0, 1, 30, 300, 20000, 1, 1}},
    // Round 1: more patience, covers in both orders, three sweeps.
    {kAll, TilingAttempt{true, 1, 300, kWall}},
    {kAll, TilingAttempt{false, 1, 300, kWall}},
    // Where the whole search does not help, covers from a few random moves
    // away get out of most jams at a millisecond or two a try, far sooner
    // than the patient covers; more tries, with new seeds, in round 2.
    {kNoWhole, ShakenCoversAttempt{40, 80000, 300}},
    {kAll, CoverAttempt{true, 1, 3, 300, 300, 40000, 2, 2}},
    {kAll, CoverAttempt{false, 1, 3, 300, 300, 40000, 2, 1}},
    // Fixed blocks may leave the filling no room to clear a way.
    {kFixed, SlotBySlotAttempt{8, 100000}},
    // On the smallest fields a few shaken covers first: most jams the
    // filling walks into they get out of in a few milliseconds, where the
    // whole search takes tens.
    {kSmallest, ShakenCoversAttempt{30, 80000, 300}},
    {kSmallest, WholeSearchAttempt{100000, false, false}},
    // Round 2: where the whole search does not help, the tilings filled in
    // the reverse order of taking them apart (what jams the shaken covers
    // hardest, they often get through), then more shaken covers, before
    // the last round's patience.
    {kNoWhole, TilingAttempt{true, 2, 3000, kUnpacking}},
    {kNoWhole, TilingAttempt{false, 2, 3000, kUnpacking}},
    {kNoWhole, ShakenCoversAttempt{400, 80000, 300}},
    {kHalvesThatPack, AnyRowsAttempt{}},
    {kWhole, TilingAttempt{true, 2, 3000, kWall}},
    {kWhole, TilingAttempt{false, 2, 3000, kWall}},
    {kAll, CoverAttempt{true, 2, 5, 3000, 300, 80000, 2, 2}},
    {kAll, CoverAttempt{false, 2, 5, 3000, 300, 80000, 2, 1}},
    {kFixed, SlotBySlotAttempt{16, 100000}},
    {kFixed, SlotBySlotAttempt{24, 100000}},
    {kFixed, SlotBySlotAttempt{12, 200000}},
    {kFixed, SlotBySlotAttempt{16, 200000}},
    {kFixed, SlotBySlotAttempt{4, 200000}},
    {kSmallest, WholeSearchAttempt{1000000, false, false}},
    // Past fixed blocks on the larger fields, a while of shaken covers
    // first: the search from the furthest filling can take seconds.
    {kFixedLarger, ShakenCoversAttempt{400, 80000, 300}},
    {kFixedLarger, WholeSearchAttempt{1000000, true, false}},
    // Last: the whole search from the start toward any rows that may end
    // the stage, then shaken covers for as long as the time lasts.
    {KindBit(StageKind::Smallest), WholeSearchAttempt{1000000, false, false}},
    {kFixed, WholeSearchAttempt{1000000, false, true}},
    {kAll, ShakenCoversAttempt{kWhileTimeLasts, 80000, 300}},
}};

} // namespace

StageKind KindOf(bool packs, bool smallest, bool fixedBlocks) {
    if (!packs) {
        return StageKind::Large;
    }
    if (smallest) {
        return fixedBlocks ? StageKind::SmallestFixed : StageKind::Smallest;
    }
    return fixedBlocks ? StageKind::PacksFixed : StageKind::Packs;
}

std::span<const ScheduleStep> PlanSchedule() {
    return kSchedule;
}

bool NeedsWholeSearch(StageKind k) {
    for (const ScheduleStep& step : kSchedule) {
        if (step.TakenBy(k) && (std::holds_alternative<SlotBySlotAttempt>(step.attempt) ||
                                std::holds_alternative<WholeSearchAttempt>(step.attempt))) {
            return true;
        }
    }
    return false;
}

} // namespace fenx
