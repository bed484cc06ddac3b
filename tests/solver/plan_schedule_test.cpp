// The planner's schedule as every kind of stage takes it, and the loop that
// runs it.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <variant>

#include "core/stage_build.h"
#include "solver/plan_schedule.h"
#include "solver/planner.h"

namespace fenx {
namespace {

constexpr StageKind kKinds[] = {StageKind::Large, StageKind::Packs, StageKind::Smallest,
                                StageKind::PacksFixed, StageKind::SmallestFixed};

// The budgets of a step that grow with the rounds.
std::map<std::string, long> Patience(const Attempt& attempt) {
    if (const auto* t = std::get_if<TilingAttempt>(&attempt)) {
        return {{"tiling clearing", t->clearing}};
    }
    if (const auto* c = std::get_if<CoverAttempt>(&attempt)) {
        return {{"cover clearing", c->clearing},
                {"cover cells", c->coverCells},
                {"cover sweeps", c->sweeps}};
    }
    if (const auto* s = std::get_if<SlotBySlotAttempt>(&attempt)) {
        return {{"positions per slot", s->positionsPerSlot}};
    }
    if (const auto* w = std::get_if<WholeSearchAttempt>(&attempt)) {
        return {{"whole positions", w->positions}};
    }
    return {};
}

TEST(PlanSchedule, EveryKindOfStageEndsTryingForAsLongAsTheTimeLasts) {
    // Otherwise a hard stage would give up with time to spare, and the H
    // key would show nothing where more patience finds a move.
    for (StageKind kind : kKinds) {
        const ScheduleStep* last = nullptr;
        int unbounded = 0;
        for (const ScheduleStep& step : PlanSchedule()) {
            if (step.TakenBy(kind)) {
                last = &step;
                const auto* shaken = std::get_if<ShakenCoversAttempt>(&step.attempt);
                unbounded += shaken != nullptr && shaken->tries == kWhileTimeLasts ? 1 : 0;
            }
        }
        ASSERT_NE(last, nullptr);
        const auto* shaken = std::get_if<ShakenCoversAttempt>(&last->attempt);
        ASSERT_NE(shaken, nullptr) << "kind " << static_cast<int>(kind);
        EXPECT_EQ(shaken->tries, kWhileTimeLasts) << "kind " << static_cast<int>(kind);
        // A step after an unbounded one would never run.
        EXPECT_EQ(unbounded, 1) << "kind " << static_cast<int>(kind);
    }
}

TEST(PlanSchedule, PatienceNeverFallsAsTheStepsGoOn) {
    for (StageKind kind : kKinds) {
        std::map<std::string, long> most;
        for (const ScheduleStep& step : PlanSchedule()) {
            if (!step.TakenBy(kind)) {
                continue;
            }
            for (const auto& [measure, budget] : Patience(step.attempt)) {
                EXPECT_GE(budget, most[measure])
                    << "kind " << static_cast<int>(kind) << " measure " << measure;
                most[measure] = std::max(most[measure], budget);
            }
        }
    }
}

TEST(Planner, ACancelledPlanFindsNothing) {
    // 7 x 4 stage 1 is planned by the very first step, unless the loop
    // asks the budget first.
    const auto s = BuildStage(7, 4, 1);
    auto planner = std::make_unique<Planner>();
    ASSERT_TRUE(planner->Plan(s->blocks, 7, 4, PlanLimits{}));
    std::atomic<bool> cancel{true};
    PlanLimits limits;
    limits.cancel = &cancel;
    EXPECT_FALSE(planner->Plan(s->blocks, 7, 4, limits));
    // The flag is read afresh by the next plan.
    cancel = false;
    EXPECT_TRUE(planner->Plan(s->blocks, 7, 4, limits));
}

} // namespace
} // namespace fenx
