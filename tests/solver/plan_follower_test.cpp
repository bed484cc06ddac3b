// Following a plan through play: the drags the player makes with the
// game's own mouse handlers keep the plan, the drag given is always the one
// from the position as it stands, and anything off the plan asks for a new
// one.
#include <gtest/gtest.h>

#include <memory>

#include "solver/plan_follower.h"
#include "solver/plan_replay.h"

namespace fenx::testing {
namespace {

class PlanFollowerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.StartUp();
        h.game->StartStageOfSize(7, 8, 7613);
        while (h.g.state.gamePhase == PhaseOpening) {
            h.Tick();
        }
        auto planner = std::make_unique<Planner>();
        ASSERT_TRUE(planner->Plan(h.g.blocks, 7, 8, PlanLimits{}));
        BuildDragPlan(h.g.blocks, 7, 8, *planner, plan);
        ASSERT_GE(plan.drags.size(), 3u);
        follower.Take(h.g.blocks, plan);
    }

    // Makes drag d with the mouse, as the player would.
    void Make(int d) {
        const SolverDrag& drag = plan.drags[static_cast<std::size_t>(d)];
        const Cell press = plan.cells[static_cast<std::size_t>(drag.first)];
        h.game->OnLeftButtonDown(CellCentrePixel(press.column), CellCentrePixel(press.row));
        for (int32_t i = drag.first + 1; i < drag.last; ++i) {
            const Cell c = plan.cells[static_cast<std::size_t>(i)];
            h.game->OnMouseMove(CellCentrePixel(c.column), CellCentrePixel(c.row), true, false);
        }
        h.game->OnLeftButtonUp();
    }

    GameHarness h;
    DragPlan plan;
    PlanFollower follower;
};

TEST_F(PlanFollowerTest, AskedAgainBeforeTheMoveIsMadeItGivesTheSameMove) {
    EXPECT_EQ(follower.Next(h.g.blocks), 0);
    EXPECT_EQ(follower.Next(h.g.blocks), 0);
    Make(0);
    EXPECT_EQ(follower.Next(h.g.blocks), 1);
    EXPECT_EQ(follower.Next(h.g.blocks), 1);
}

TEST_F(PlanFollowerTest, MovesMadeWithTheMouseKeepThePlan) {
    EXPECT_EQ(follower.Next(h.g.blocks), 0);
    Make(0);
    EXPECT_EQ(follower.Next(h.g.blocks), 1);
    Make(1);
    EXPECT_EQ(follower.Next(h.g.blocks), 2);
    const Cell end = follower.End(1);
    const Block& moved = h.g.blocks[plan.drags[1].block];
    EXPECT_EQ(moved.column, end.column);
    EXPECT_EQ(moved.row, end.row);
}

TEST_F(PlanFollowerTest, APositionOffThePlanAsksForANewOne) {
    BlockList elsewhere = h.g.blocks;
    // A block that the first drag does not move, one column over.
    const int other = plan.drags[0].block == 0 ? 1 : 0;
    elsewhere[other].column += elsewhere[other].column > 0 ? -1 : 1;
    EXPECT_FALSE(follower.Next(elsewhere).has_value());
    // A stage of another size is never on the plan.
    BlockList fewer = h.g.blocks;
    --fewer.count;
    EXPECT_FALSE(follower.Next(fewer).has_value());
    follower.Forget();
    EXPECT_FALSE(follower.Next(h.g.blocks).has_value());
}

TEST_F(PlanFollowerTest, AfterTheLastDragThereIsNothingToShow) {
    const int total = static_cast<int>(plan.drags.size());
    for (int d = 0; d < total; ++d) {
        ASSERT_EQ(follower.Next(h.g.blocks), d);
        Make(d);
    }
    EXPECT_EQ(h.g.state.gamePhase, PhaseSolved);
    EXPECT_FALSE(follower.Next(h.g.blocks).has_value());
}

} // namespace
} // namespace fenx::testing
