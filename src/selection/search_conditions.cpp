#include "selection/search_conditions.h"

#include "core/generation.h"
#include "core/stage_size.h"

namespace fenx {

int MinimumCount(CountCondition condition) {
    const int v = static_cast<int>(condition);
    if (v <= 1) {
        return 0;
    }
    return v <= 5 ? v - 1 : v - 5;
}

bool ConditionHolds(CountCondition condition, int count) {
    const int v = static_cast<int>(condition);
    if (v == 0) {
        return true;
    }
    if (v <= 5) {
        return count == v - 1;
    }
    return count >= v - 5;
}

bool MeetsConditions(const ConditionSet& conditions, const OrientationCounts& counts) {
    for (int o = 0; o < kOrientationCount; ++o) {
        if (!ConditionHolds(conditions[o], counts[o])) {
            return false;
        }
    }
    return true;
}

bool canSearch(const ConditionSet& conditions, int width, int height) {
    bool allAny = true;
    bool allNone = true;
    int demanded = 0;
    for (CountCondition c : conditions) {
        allAny = allAny && c == CountCondition::Any;
        allNone = allNone && c == CountCondition::Exactly0;
        demanded += MinimumCount(c);
    }
    return !allAny && !allNone && demanded <= BlockCount(width, height);
}

OrientationCounts CountOrientations(const BlockList& list) {
    OrientationCounts counts{};
    for (int i = 0; i < list.count; ++i) {
        ++counts[static_cast<size_t>(list[i].orientation)];
    }
    return counts;
}

bool StageMeetsConditions(int stageNumber, const ConditionSet& conditions, StageRandom& random,
                          BlockList& list, int width, int height) {
    SeedStageRandom(random, static_cast<uint32_t>(stageNumber));
    list.count = 0;
    GenerateTilingBlocks(random, width, height, list);
    return MeetsConditions(conditions, CountOrientations(list));
}

} // namespace fenx
