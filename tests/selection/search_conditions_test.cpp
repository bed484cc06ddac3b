#include <gtest/gtest.h>

#include <vector>

#include "core/generation.h"
#include "selection/parallel_search.h"
#include "selection/search_conditions.h"

namespace fenx {
namespace {

using C = CountCondition;

ConditionSet All(C c) {
    ConditionSet set;
    set.fill(c);
    return set;
}

TEST(CountCondition, AcceptsTheCountsItsTextPromises) {
    // value: 0 any, 1..5 exactly 0..4, 6..9 at least 1..4
    const std::vector<std::vector<int>> accepted = {
        {0, 1, 2, 3, 4, 5, 95}, {0},        {1},        {2},       {3}, {4},
        {1, 2, 5, 95},          {2, 3, 95}, {3, 4, 95}, {4, 5, 95}};
    const std::vector<std::vector<int>> rejected = {
        {}, {1, 2}, {0, 2}, {1, 3}, {2, 4}, {3, 5}, {0}, {0, 1}, {0, 1, 2}, {0, 1, 2, 3}};
    for (int v = 0; v < kCountConditionValues; ++v) {
        for (int n : accepted[static_cast<size_t>(v)]) {
            EXPECT_TRUE(ConditionHolds(static_cast<C>(v), n)) << "value " << v << " count " << n;
        }
        for (int n : rejected[static_cast<size_t>(v)]) {
            EXPECT_FALSE(ConditionHolds(static_cast<C>(v), n)) << "value " << v << " count " << n;
        }
    }
    const std::vector<int> minimum = {0, 0, 1, 2, 3, 4, 1, 2, 3, 4};
    for (int v = 0; v < kCountConditionValues; ++v) {
        EXPECT_EQ(MinimumCount(static_cast<C>(v)), minimum[static_cast<size_t>(v)]);
    }
}

TEST(CanSearch, RefusesConditionsThatCannotNarrowOrCannotMatch) {
    EXPECT_FALSE(canSearch(All(C::Any), 7, 4));
    EXPECT_FALSE(canSearch(All(C::Exactly0), 7, 4));
    ConditionSet oneSquare = All(C::Any);
    oneSquare[0] = C::Exactly1;
    EXPECT_TRUE(canSearch(oneSquare, 7, 4));

    // At least two blocks of each of four orientations: eight blocks.
    ConditionSet eight = All(C::Any);
    eight[0] = eight[1] = eight[3] = eight[7] = C::AtLeast2;
    EXPECT_FALSE(canSearch(eight, 7, 4));
    EXPECT_TRUE(canSearch(eight, 12, 4));

    // Exactly seven demanded blocks fit a 7 x 4 stage.
    ConditionSet seven = All(C::Exactly0);
    seven[0] = C::Exactly4;
    seven[1] = C::Exactly3;
    EXPECT_TRUE(canSearch(seven, 7, 4));
}

TEST(TestStageNumber, CountsWhatAStageStartWouldPlay) {
    // Stage 0 at 7 x 4: orientations 14, 9, 2, 17, 14, 12, 18.
    ConditionSet exact = All(C::Exactly0);
    exact[14] = C::Exactly2;
    exact[9] = exact[2] = exact[17] = exact[12] = exact[18] = C::Exactly1;
    StageRandom random;
    BlockList list;
    SearchRun run{0, 0, 0};
    std::vector<int> found;
    EXPECT_FALSE(
        testStageNumber(run, exact, random, list, 7, 4, [&](int s) { found.push_back(s); }));
    EXPECT_EQ(run.next, 1);
    EXPECT_EQ(run.matches, 1);
    EXPECT_EQ(found, (std::vector<int>{0}));

    // A range of one number tests exactly that number.
    SearchRun one{5, 5, 0};
    int tested = 0;
    while (true) {
        ++tested;
        if (!testStageNumber(one, exact, random, list, 7, 4, [](int) {})) {
            break;
        }
    }
    EXPECT_EQ(tested, 1);
    EXPECT_EQ(one.matches, 0);
}

TEST(ParallelSearch, SameResultsWhateverTheThreadCountAndInOrder) {
    ConditionSet wanted = All(C::Any);
    wanted[0] = C::AtLeast2; // two or more squares
    wanted[2] = C::Exactly0;
    const auto one = SearchStageNumbers(wanted, 12, 4, 100, 9000, 1);
    const auto two = SearchStageNumbers(wanted, 12, 4, 100, 9000, 2);
    const auto many = SearchStageNumbers(wanted, 12, 4, 100, 9000, 7);
    EXPECT_EQ(one, two);
    EXPECT_EQ(one, many);
    ASSERT_FALSE(one.empty());
    EXPECT_TRUE(std::is_sorted(one.begin(), one.end()));
    EXPECT_GE(one.front(), 100);
    EXPECT_LE(one.back(), 9000);

    // Every number reported meets the conditions; every other does not.
    StageRandom random;
    BlockList list;
    size_t next = 0;
    for (int n = 100; n <= 9000; ++n) {
        const bool listed = next < one.size() && one[next] == n;
        next += listed ? 1 : 0;
        EXPECT_EQ(StageMeetsConditions(n, wanted, random, list, 12, 4), listed) << n;
    }
}

} // namespace
} // namespace fenx
