// The play-out asked of a whole game as Shift+H asks it: the plan for the
// position on the screen played on the field step by step on the play
// timer's clock, each drag an ordinary move, stopped by any press.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "next_move/next_move.h"
#include "solver/planner.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class PlayOutTest : public ::testing::Test {
  protected:
    PlayOutTest() {
        h.StartUp();
        h.StartPlaying(7613); // 7 x 4
        startAnchors = h.Anchors();
        anchors = {startAnchors};
        startPicture = h.Pixels();
        tickStart = h.platform.milliseconds;
    }

    // Shift+H with the plan made at once, as the worker would make it.
    void AskPlayOut() {
        ASSERT_EQ(next.AskPlayOut(), NextMove::Answer::PlanNeeded);
        const Game::NextMoveQuestion& q = *next.Question();
        auto planner = std::make_unique<Planner>();
        ASSERT_TRUE(planner->Plan(q.blocks, q.width, q.height, PlanLimits{}));
        BuildDragPlan(q.blocks, q.width, q.height, *planner, plan);
        ASSERT_TRUE(plan.solved);
        next.PlanArrived(q.position, q.blocks, plan);
        ASSERT_TRUE(h.game->PlayingOut());
    }

    // One frame of the play timer has run: the field must hold every block
    // exactly where its anchor says, and a block that moved took one step.
    void Observe() {
        const std::vector<Cell> now = h.Anchors();
        int moved = 0;
        for (std::size_t b = 0; b < now.size(); ++b) {
            const int dx = now[b].column - anchors.back()[b].column;
            const int dy = now[b].row - anchors.back()[b].row;
            if (dx != 0 || dy != 0) {
                ++moved;
                EXPECT_LE(std::abs(dx), 1);
                EXPECT_LE(std::abs(dy), 1);
            }
        }
        EXPECT_LE(moved, 1) << "two blocks moved in one frame";
        int covered = 0;
        for (int y = 0; y < 2 * h.g.state.H; ++y) {
            for (int x = 0; x < h.g.state.W; ++x) {
                covered += h.Cell(x, y) >= 0;
            }
        }
        for (int b = 0; b < h.g.blocks.count; ++b) {
            const Block& k = h.g.blocks[b];
            for (const CellOffset& c : ShapeTable[k.orientation]) {
                EXPECT_EQ(h.Cell(k.column + c.dx, k.row + c.dy), b);
            }
        }
        EXPECT_EQ(covered, 4 * h.g.blocks.count);
        if (moved == 1) {
            anchors.push_back(now);
            stepTimes.push_back(h.platform.milliseconds);
        }
    }

    // The play timer as the shell runs it, a tick every 100 ms with the
    // paced frames between, until `done` or ten minutes of its clock.
    template <typename Done>
    void RunUntil(Done&& done) {
        for (int ticks = 0; ticks < 6000 && !done(); ++ticks) {
            tickStart += 100;
            h.platform.milliseconds = std::max(h.platform.milliseconds, tickStart);
            std::optional<uint32_t> due = h.game->OnPlayTimer();
            Observe();
            while (due && !done()) {
                h.platform.milliseconds = *due;
                due = h.game->OnPacedFrame();
                Observe();
            }
        }
        ASSERT_TRUE(done());
    }

    // Whether the gap between two steps is a step's, or a pause's and the
    // next pick-up's first step: due on the clock, run by the first frame
    // at or after that reading.
    static bool StepGap(uint32_t gap) { return Near(gap, kPlayOutStepMilliseconds); }
    static bool PauseGap(uint32_t gap) {
        return Near(gap, kPlayOutPauseMilliseconds + kPlayOutStepMilliseconds);
    }
    static bool Near(uint32_t gap, uint32_t want) {
        const uint32_t slack = FramePacer::kFrameSpacing + 1;
        return gap + slack >= want && gap <= want + slack;
    }

    GameHarness h;
    uint32_t tickStart = 0;
    NextMove next{*h.game};
    DragPlan plan;
    std::vector<Cell> startAnchors;
    std::vector<uint8_t> startPicture;
    std::vector<std::vector<Cell>> anchors; // at the start and after every step
    std::vector<uint32_t> stepTimes;
};

TEST_F(PlayOutTest, PlaysThePlanStepByStepAtItsPaceAndEndsSolved) {
    AskPlayOut();
    const std::size_t sounds = h.platform.sounds.size();
    RunUntil([&] { return h.g.state.gamePhase != PhasePlaying; });
    EXPECT_EQ(h.g.state.gamePhase, PhaseSolved);
    // The walk of the mouse drags the plan was built from, step for step.
    EXPECT_EQ(static_cast<int>(stepTimes.size()), plan.steps);
    int pauses = 0;
    for (std::size_t i = 1; i < stepTimes.size(); ++i) {
        const uint32_t gap = stepTimes[i] - stepTimes[i - 1];
        EXPECT_TRUE(StepGap(gap) || PauseGap(gap)) << "gap " << gap << " ms before step " << i;
        pauses += PauseGap(gap);
    }
    EXPECT_EQ(pauses, static_cast<int>(plan.drags.size()) - 1);
    // A click for every block picked up, the fanfare at the end, and the
    // stage's record solved.
    std::vector<SoundId> heard(h.platform.sounds.begin() + static_cast<long>(sounds),
                               h.platform.sounds.end());
    ASSERT_EQ(heard.size(), plan.drags.size() + 1);
    EXPECT_EQ(heard.back(), SoundId::Tada);
    EXPECT_EQ(h.g.record.status, ResultSolved);
    RunUntil([&] { return h.g.state.gamePhase == PhaseTitle; }); // the animation ran out
}

TEST_F(PlayOutTest, APressStopsItWithTheFieldLegalAndUndoTakesTheMovesBackOneByOne) {
    AskPlayOut();
    ASSERT_GE(plan.drags.size(), 4u);
    // Stopped with the third drag part-way: the first step after two pauses.
    const auto thirdDragUnderWay = [&] {
        int pauses = 0;
        for (std::size_t i = 1; i < stepTimes.size(); ++i) {
            pauses += PauseGap(stepTimes[i] - stepTimes[i - 1]);
        }
        return pauses == 2;
    };
    RunUntil(thirdDragUnderWay);
    const std::vector<Cell> stopped = h.Anchors();
    h.Key(PlayKey::Undo); // only stops it
    EXPECT_FALSE(h.game->PlayingOut());
    EXPECT_EQ(h.Anchors(), stopped);
    for (int i = 0; i < 20; ++i) {
        h.Tick();
    }
    EXPECT_EQ(h.Anchors(), stopped);
    EXPECT_FALSE(h.g.holding());

    // Three moves: the two drags made and the third up to where it stood;
    // each undo puts one back, the last one back to the start.
    std::vector<std::vector<Cell>> dragStarts{startAnchors};
    for (std::size_t i = 1; i < stepTimes.size(); ++i) {
        if (PauseGap(stepTimes[i] - stepTimes[i - 1])) {
            dragStarts.push_back(anchors[i]);
        }
    }
    ASSERT_EQ(dragStarts.size(), 3u);
    for (int undo = 2; undo >= 0; --undo) {
        h.Key(PlayKey::Undo);
        EXPECT_EQ(h.Anchors(), dragStarts[static_cast<std::size_t>(undo)]) << "undo " << 3 - undo;
    }
    EXPECT_FALSE(h.g.history().canUndo());
    EXPECT_EQ(h.Pixels(), startPicture);

    // After it the next move is planned from the field as it is, and a
    // press on a block during a play-out does not pick it up.
    EXPECT_EQ(next.Ask(), NextMove::Answer::PlanNeeded);
    anchors = {h.Anchors()};
    AskPlayOut();
    const std::size_t steps = stepTimes.size();
    RunUntil([&] { return stepTimes.size() > steps; });
    const Block& b = h.g.blocks[h.g.drag.block];
    const std::vector<Cell> pressed = h.Anchors();
    h.Press(b.column, b.row);
    EXPECT_FALSE(h.game->PlayingOut());
    EXPECT_FALSE(h.g.holding());
    EXPECT_EQ(h.Anchors(), pressed);
}

TEST_F(PlayOutTest, NotInChallengesNorWithABlockHeldNorForAnOldPositionNorOffTheField) {
    uint32_t position = h.game->AskNextMove()->position;
    h.SetChallengeFlag(true);
    EXPECT_EQ(next.AskPlayOut(), NextMove::Answer::NotNow);
    EXPECT_FALSE(h.game->PlayOut(position, {{0, {0, 0}, {{0, 1}}}}));
    h.SetChallengeFlag(false);
    const Block& b0 = h.g.blocks[0];
    h.Press(b0.column, b0.row);
    EXPECT_EQ(next.AskPlayOut(), NextMove::Answer::NotNow);
    EXPECT_FALSE(h.game->PlayOut(position, {{0, {b0.column, b0.row}, {{b0.column, 0}}}}));
    h.Release();
    EXPECT_EQ(h.Anchors(), startAnchors);

    // A drag that walks into the frame (the plan no longer fits) stops at
    // the edge; the steps made are one move.
    h.PlaceBlocks({{0, 3, 2}});
    startAnchors = h.Anchors();
    anchors = {startAnchors};
    position = h.game->AskNextMove()->position;
    ASSERT_TRUE(h.game->PlayOut(position, {{0, {3, 2}, {{-10, 2}}}, {0, {3, 2}, {{3, 5}}}}));
    EXPECT_FALSE(h.game->PlayOut(position, {{0, {3, 2}, {{3, 5}}}})); // one at a time
    RunUntil([&] { return !h.game->PlayingOut(); });
    EXPECT_EQ(h.g.state.gamePhase, PhasePlaying);
    ASSERT_FALSE(stepTimes.empty());
    EXPECT_EQ(h.g.blocks[0].row, 2);
    EXPECT_FALSE(StepFits(h.g.board, h.g.blocks[0], 0, -1, 0));
    h.Key(PlayKey::Undo);
    EXPECT_EQ(h.Anchors(), startAnchors);
    EXPECT_FALSE(h.g.history().canUndo());
    EXPECT_FALSE(h.game->PlayOut(position, {{0, {3, 2}, {{3, 5}}}})); // a position gone
}

} // namespace
} // namespace fenx::testing
