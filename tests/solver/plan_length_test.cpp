// How long plans are: shortening a found plan never makes it longer and
// never breaks it, and (by hand) how far plans stay from the fewest steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "core/stage_build.h"
#include "solver/drag_plan.h"
#include "solver/exact_search.h"
#include "solver/loaded_parts.h"
#include "solver/planner.h"

namespace fenx {
namespace {

struct Length {
    bool solved = false;
    int steps = 0;
    int drags = 0;
};

// Without `shorten` the plan as found; with it, shortened as in play, or
// given `shortenMs`.
Length PlanLength(Planner& planner, const BuiltStage& s, int width, int height, bool shorten,
                  int shortenMs = PlanLimits{}.shortenMs) {
    PlanLimits limits;
    limits.shortenMs = shorten ? shortenMs : 0;
    Length out;
    if (!planner.Plan(s.blocks, width, height, limits)) {
        return out;
    }
    DragPlan plan;
    BuildDragPlan(s.blocks, width, height, planner, plan);
    out.solved = plan.solved;
    out.steps = plan.steps;
    out.drags = static_cast<int>(plan.drags.size());
    return out;
}

TEST(PlanLength, ShortenedPlansEndSolvedAndAreNeverLonger) {
    // The drags of a shortened plan are played with the game's own walk and
    // completion test; they must end solved and take no more steps than
    // the plan as found. Time enough to shorten, even in a slow build. The
    // fields of 16 x 4 and 8 x 8 take all 128 cells a searched position
    // holds; a few stages there only need to stay sound.
    struct Size {
        int width, height, count, stride;
        bool mostShorter;
    };
    auto planner = std::make_unique<Planner>();
    for (const Size& size :
         {Size{7, 4, 20, 1601, true}, Size{12, 4, 20, 3203, true}, Size{7, 8, 20, 3209, true},
          Size{16, 4, 4, 7919, false}, Size{8, 8, 4, 7927, false}}) {
        int shorter = 0;
        for (int i = 0; i < size.count; ++i) {
            const int number = (5 + i * size.stride) & 0xffff;
            const auto s = BuildStage(size.width, size.height, number);
            const Length found = PlanLength(*planner, *s, size.width, size.height, false);
            const Length shortened = PlanLength(*planner, *s, size.width, size.height, true, 200);
            ASSERT_TRUE(found.solved) << size.width << "x" << size.height << " stage " << number;
            EXPECT_TRUE(shortened.solved)
                << size.width << "x" << size.height << " stage " << number;
            EXPECT_LE(shortened.steps, found.steps)
                << size.width << "x" << size.height << " stage " << number;
            shorter += shortened.steps < found.steps ? 1 : 0;
        }
        // Plans as found walk detours: most get shorter.
        if (size.mostShorter) {
            EXPECT_GT(shorter, size.count / 2) << size.width << "x" << size.height;
        }
    }
}

TEST(PlanLength, AStageThatStartsOnFullRowsStillTakesMoves) {
    // 7 x 4 stage 184 drops its blocks onto the lower half, already full;
    // the stage still ends only with a drag that leaves it so, and the
    // shortened plan must not shrink to nothing.
    auto planner = std::make_unique<Planner>();
    const auto s = BuildStage(7, 4, 184);
    const Length found = PlanLength(*planner, *s, 7, 4, false);
    const Length shortened = PlanLength(*planner, *s, 7, 4, true);
    ASSERT_TRUE(found.solved);
    EXPECT_TRUE(shortened.solved);
    EXPECT_GT(shortened.drags, 0);
    EXPECT_LE(shortened.steps, found.steps);
}

TEST(PlanLength, TheFewestStepsAreFoundAndNothingShorter) {
    // 7 x 4 stage 0: 20 single steps suffice, and no way has 19.
    const auto s = BuildStage(7, 4, 0);
    auto search = std::make_unique<ExactSearch>(22);
    auto w = Loaded(*s, 7, 4);
    bool proven = false;
    EXPECT_EQ(search->Shortest(w->position, w->budget, 20000000, 20, proven), -1);
    EXPECT_TRUE(proven);
    EXPECT_TRUE(w->position.moves.empty());
    ASSERT_EQ(search->Shortest(w->position, w->budget, 20000000, 21, proven), 20);
    EXPECT_TRUE(proven);
    EXPECT_EQ(PlanImprover::Steps(w->position), 20);
    // The best-first search in single steps finds the same: exactly with
    // weight 4, onto any solved field or onto that very end; no more than
    // twice as many with weight 8.
    const auto end = w->position.anchor;
    bool ended = false;
    for (int weight : {4, 8}) {
        w->position.Restart();
        const int steps =
            search->NearShortest(w->position, w->budget, 20000000, 1000, weight, ended);
        EXPECT_GE(steps, 20) << weight;
        EXPECT_LE(steps, 20 * weight / 4) << weight;
        EXPECT_EQ(PlanImprover::Steps(w->position), steps);
    }
    w->position.Restart();
    EXPECT_EQ(search->NearWay(w->position, end, w->budget, 20000000, 20, ended), -1);
    EXPECT_TRUE(ended);
    ASSERT_EQ(search->NearWay(w->position, end, w->budget, 20000000, 21, ended), 20);
    EXPECT_EQ(w->position.anchor, end);
}

TEST(PlanLength, BlocksOfOneOrientationEachTakeAPlaceOfTheirOwn) {
    // The bound matches blocks of one orientation to the places of theirs
    // (three lying bars in stage 8223, four in 32896); matched wrongly it
    // would overestimate, and the search with weight 4 would miss the
    // fewest steps (21 and 24, found by the search from both ends).
    auto search = std::make_unique<ExactSearch>(22);
    for (const auto& [number, fewest] : {std::pair{8223, 21}, std::pair{32896, 24}}) {
        const auto s = BuildStage(7, 4, number);
        auto w = Loaded(*s, 7, 4);
        bool ended = false;
        EXPECT_EQ(search->NearShortest(w->position, w->budget, 20000000, 1000, 4, ended), fewest)
            << "stage " << number;
        EXPECT_EQ(PlanImprover::Steps(w->position), fewest) << "stage " << number;
    }
}

// By hand, the figures of plan lengths:
//   fenx_solver_tests --gtest_also_run_disabled_tests --gtest_filter='PlanLength.DISABLED_*'
double Quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[std::min(v.size() - 1, static_cast<std::size_t>(q * v.size()))];
}

// The fewest steps of each sample stage never change, but finding them
// takes seconds a stage: with FENX_FEWEST_CACHE naming a file, they are
// read from it ("stage fewest" lines, -1 out of reach) and the missing
// ones added to it.
std::map<int, int> ReadFewest(const char* file) {
    std::map<int, int> fewest;
    if (file == nullptr) {
        return fewest;
    }
    std::ifstream in(file);
    int stage = 0;
    int steps = 0;
    while (in >> stage >> steps) {
        fewest[stage] = steps;
    }
    return fewest;
}

TEST(PlanLength, DISABLED_StepsAgainstTheFewestAt7x4) {
    // 300 stage numbers spread over the range, as PlanStages takes them.
    const char* cacheFile = std::getenv("FENX_FEWEST_CACHE");
    std::map<int, int> cache = ReadFewest(cacheFile);
    std::ofstream cacheOut;
    if (cacheFile != nullptr) {
        cacheOut.open(cacheFile, std::ios::app);
    }
    auto planner = std::make_unique<Planner>();
    std::unique_ptr<ExactSearch> search;
    std::vector<double> before;
    std::vector<double> after;
    double dragsBefore = 0;
    double dragsAfter = 0;
    int unknown = 0; // the fewest out of the search's reach
    for (int i = 0; i < 300; ++i) {
        const int number = (i * 257) & 0xffff;
        const auto s = BuildStage(7, 4, number);
        const Length found = PlanLength(*planner, *s, 7, 4, false);
        const Length shortened = PlanLength(*planner, *s, 7, 4, true);
        ASSERT_TRUE(found.solved && shortened.solved) << "stage " << number;
        if (!cache.contains(number)) {
            if (!search) {
                search = std::make_unique<ExactSearch>(24);
            }
            auto w = Loaded(*s, 7, 4);
            bool proven = false;
            const int fewest = search->Shortest(w->position, w->budget, 100000000, 1000, proven);
            cache[number] = fewest > 0 && proven ? fewest : -1;
            if (cacheOut.is_open()) {
                cacheOut << number << ' ' << cache[number] << std::endl;
            }
        }
        const int fewest = cache[number];
        if (fewest <= 0) {
            ++unknown;
            continue;
        }
        EXPECT_GE(shortened.steps, fewest) << "stage " << number;
        before.push_back(static_cast<double>(found.steps) / fewest);
        after.push_back(static_cast<double>(shortened.steps) / fewest);
        dragsBefore += found.drags;
        dragsAfter += shortened.drags;
    }
    const double known = static_cast<double>(before.size());
    std::printf("7x4, 300 stages: steps / fewest median %.3f p95 %.3f worst %.3f, drags %.2f "
                "(as found); median %.3f p95 %.3f worst %.3f, drags %.2f (shortened); the "
                "fewest out of reach on %d\n",
                Quantile(before, 0.5), Quantile(before, 0.95), Quantile(before, 1.0),
                dragsBefore / known, Quantile(after, 0.5), Quantile(after, 0.95),
                Quantile(after, 1.0), dragsAfter / known, unknown);
    EXPECT_LE(Quantile(after, 0.5), 1.15);
    EXPECT_LE(Quantile(after, 0.95), 1.5);
}

TEST(PlanLength, DISABLED_StepsAndDragsAt12x4And7x8) {
    auto planner = std::make_unique<Planner>();
    for (const auto& [width, height] : {std::pair{12, 4}, std::pair{7, 8}}) {
        double steps[2] = {0, 0};
        double drags[2] = {0, 0};
        for (int i = 0; i < 300; ++i) {
            const int number = (i * 257) & 0xffff;
            const auto s = BuildStage(width, height, number);
            for (int shorten = 0; shorten < 2; ++shorten) {
                const Length l = PlanLength(*planner, *s, width, height, shorten == 1);
                ASSERT_TRUE(l.solved) << width << "x" << height << " stage " << number;
                steps[shorten] += l.steps;
                drags[shorten] += l.drags;
            }
        }
        std::printf("%dx%d, 300 stages: per stage %.1f steps in %.1f drags (as found), %.1f "
                    "steps in %.1f drags (shortened)\n",
                    width, height, steps[0] / 300, drags[0] / 300, steps[1] / 300, drags[1] / 300);
        EXPECT_LE(steps[1], steps[0]);
    }
}

} // namespace
} // namespace fenx
