// The stage search: per-orientation count conditions and the test of one
// stage number against them.
#pragma once

#include <array>
#include <cstdint>

#include "core/block.h"
#include "core/shapes.h"
#include "core/stage_number.h"
#include "core/stage_random.h"

namespace fenx {

// One value per orientation; also the position of its text in the dialog's
// lists. 0 any; 1..5 exactly 0..4 blocks; 6..9 at least 1..4 blocks.
enum class CountCondition : uint8_t {
    Any = 0,
    Exactly0,
    Exactly1,
    Exactly2,
    Exactly3,
    Exactly4,
    AtLeast1,
    AtLeast2,
    AtLeast3,
    AtLeast4,
};
inline constexpr int kCountConditionValues = 10;

using OrientationCounts = std::array<int, kOrientationCount>;
using ConditionSet = std::array<CountCondition, kOrientationCount>;

struct SearchCriteria {
    ConditionSet conditions{};
    CountCondition setAll = CountCondition::Any;
    int rangeStart = 0;
    int rangeEnd = kHighestStageNumber;
};

// The smallest count a condition accepts.
int MinimumCount(CountCondition condition);
bool ConditionHolds(CountCondition condition, int count);
// Conditions tested in orientation order, stopping at the first that fails.
bool MeetsConditions(const ConditionSet& conditions, const OrientationCounts& counts);

// False when every condition is "any" (every stage would match), when every
// one is "exactly 0" (no stage is empty), or when the conditions demand more
// blocks than a stage of this size has.
bool canSearch(const ConditionSet& conditions, int width, int height);

OrientationCounts CountOrientations(const BlockList& list);

// A search in progress over [rangeStart, rangeEnd].
struct SearchRun {
    int next = 0;
    int rangeEnd = kHighestStageNumber;
    int matches = 0;
};

// Generates the tiling of stage `run.next` exactly as a stage start would,
// advances `next`, and reports a match through `onMatch(stageNumber)`.
// Returns whether numbers remain to be tested.
template <typename OnMatch>
bool testStageNumber(SearchRun& run, const ConditionSet& conditions, StageRandom& random,
                     BlockList& list, int width, int height, OnMatch&& onMatch);

// Just the test: does this stage number's tiling meet the conditions?
bool StageMeetsConditions(int stageNumber, const ConditionSet& conditions, StageRandom& random,
                          BlockList& list, int width, int height);

template <typename OnMatch>
bool testStageNumber(SearchRun& run, const ConditionSet& conditions, StageRandom& random,
                     BlockList& list, int width, int height, OnMatch&& onMatch) {
    const int stage = run.next++;
    if (StageMeetsConditions(stage, conditions, random, list, width, height)) {
        ++run.matches;
        onMatch(stage);
    }
    return run.next <= run.rangeEnd;
}

} // namespace fenx
