// The next move asked of a whole game, as the H key asks it: planned on a
// worker thread, shown only once the game's thread takes the plan back and
// only for the position it was planned from, followed while the player
// makes the moves shown.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <tuple>
#include <vector>

#include "next_move/next_move_worker.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class NextMoveWorkerTest : public ::testing::Test {
  protected:
    NextMoveWorkerTest() {
        h.StartUp();
        h.StartPlaying(7613); // 7 x 4
    }

    // The tasks workers post, run as the window's event loop would run
    // them: waits until one has come (a plan is found in milliseconds; the
    // limit only keeps a broken build from hanging).
    bool RunPosted() {
        std::vector<std::function<void()>> tasks;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            if (!arrived_.wait_for(lock, std::chrono::seconds(60),
                                   [this] { return !posted_.empty(); })) {
                return false;
            }
            tasks.swap(posted_);
        }
        for (auto& task : tasks) {
            task();
        }
        return true;
    }

    // Makes drag d of the plan being followed with the mouse.
    void Make(int d) {
        const DragPlan& plan = next.Move().Follower().Plan();
        const SolverDrag& drag = plan.drags[static_cast<std::size_t>(d)];
        const Cell press = plan.cells[static_cast<std::size_t>(drag.first)];
        h.Press(press.column, press.row);
        for (int32_t i = drag.first + 1; i < drag.last; ++i) {
            const Cell c = plan.cells[static_cast<std::size_t>(i)];
            h.DragTo(c.column, c.row);
        }
        h.Release();
    }

    // One step with the mouse of a block other than `except`, the first
    // the step rule allows: a position off any plan made before.
    void StepABlock(int except) {
        for (int b = 0; b < h.g.blocks.count; ++b) {
            const Block& k = h.g.blocks[b];
            for (int d = 0; d < 9 && b != except && k.fixed == 0; ++d) {
                const int dx = d % 3 - 1;
                const int dy = d / 3 - 1;
                if ((dx != 0 || dy != 0) && StepFits(h.g.board, k, b, dx, dy)) {
                    const int column = k.column;
                    const int row = k.row;
                    h.Press(column, row);
                    h.DragTo(column + dx, row + dy);
                    h.Release();
                    ASSERT_EQ(h.g.blocks[b].column, column + dx);
                    return;
                }
            }
        }
        FAIL() << "no block can step";
    }

    // The move the game shows: its block and where the outline stands.
    std::tuple<int, int, int> Shown() {
        const NextMoveState& shown = GameProbe::PlayOf(*h.game).nextMove();
        return {shown.block, shown.column, shown.row};
    }
    // Whether the outline shown stands on cells that are free or the shown
    // block's own: a move that can be made from the position on the screen.
    bool ShownFitsTheScreen() {
        const NextMoveState& shown = GameProbe::PlayOf(*h.game).nextMove();
        const Block& block = h.g.blocks[shown.block];
        for (const CellOffset& cell : ShapeTable[block.orientation]) {
            const int at = h.g.board.at(shown.column + cell.dx, shown.row + cell.dy);
            if (at != CellEmpty && at != shown.block) {
                return false;
            }
        }
        return true;
    }

    GameHarness h;
    int threadsStarted = 0;
    bool noThreads = false;

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::function<void()>> posted_;

  protected:
    NextMoveWorker next{*h.game,
                        [this](std::function<void()> task) {
                            {
                                std::lock_guard<std::mutex> lock(mutex_);
                                posted_.push_back(std::move(task));
                            }
                            arrived_.notify_one();
                        },
                        [this](std::function<void()> work) {
                            if (noThreads) {
                                // As std::thread reports a process out of threads.
                                throw std::system_error(std::make_error_code(
                                    std::errc::resource_unavailable_try_again));
                            }
                            ++threadsStarted;
                            return std::thread(std::move(work));
                        }};
};

TEST_F(NextMoveWorkerTest, ShowsOnceTheGamesThreadTakesThePlanAndFollowsTheMovesMadeAsShown) {
    ASSERT_EQ(next.Ask(), NextMoveWorker::Answer::Planning);
    EXPECT_FALSE(h.game->NextMoveShowing()); // never from the worker itself
    ASSERT_TRUE(RunPosted());
    EXPECT_TRUE(h.game->NextMoveShowing());
    ASSERT_GE(next.Move().Follower().Plan().drags.size(), 3u);

    EXPECT_TRUE(ShownFitsTheScreen());
    // Asked again while it shows: the same move, from the position on the
    // screen, not one from where the shown move has not taken its block.
    const auto first = Shown();
    EXPECT_EQ(next.Ask(), NextMoveWorker::Answer::Shown);
    EXPECT_TRUE(h.game->NextMoveShowing());
    EXPECT_EQ(Shown(), first);
    EXPECT_TRUE(ShownFitsTheScreen());

    // The move shown, made with the mouse: the next one comes from the
    // same plan, and again stays until it is made.
    Make(0);
    EXPECT_EQ(next.Ask(), NextMoveWorker::Answer::Shown);
    EXPECT_TRUE(h.game->NextMoveShowing());
    const auto second = Shown();
    EXPECT_NE(second, first);
    EXPECT_TRUE(ShownFitsTheScreen());
    EXPECT_EQ(next.Ask(), NextMoveWorker::Answer::Shown);
    EXPECT_EQ(Shown(), second);
    EXPECT_TRUE(ShownFitsTheScreen());
    EXPECT_EQ(threadsStarted, 1);

    // A step of the player's own: off the plan, so planned again.
    StepABlock(next.Move().Follower().Plan().drags[1].block);
    EXPECT_EQ(next.Ask(), NextMoveWorker::Answer::Planning);
    EXPECT_EQ(threadsStarted, 2);
    ASSERT_TRUE(RunPosted());
    EXPECT_TRUE(h.game->NextMoveShowing());
}

TEST_F(NextMoveWorkerTest, AfterAnUndoTheNextMoveIsPlannedFromThePositionItLeaves) {
    ASSERT_EQ(next.Ask(), NextMoveWorker::Answer::Planning);
    ASSERT_TRUE(RunPosted());
    ASSERT_GE(next.Move().Follower().Plan().drags.size(), 3u);
    Make(0);
    ASSERT_EQ(next.Ask(), NextMoveWorker::Answer::Shown);
    Make(1);
    ASSERT_EQ(next.Ask(), NextMoveWorker::Answer::Shown);
    h.Key(PlayKey::Undo); // the second move back: a position the plan has left behind
    EXPECT_FALSE(h.game->NextMoveShowing());
    EXPECT_EQ(next.Ask(), NextMoveWorker::Answer::Planning);
    ASSERT_TRUE(RunPosted());
    EXPECT_TRUE(h.game->NextMoveShowing());
    const BlockList& asked = next.Move().Question()->blocks;
    for (int b = 0; b < h.g.blocks.count; ++b) {
        EXPECT_EQ((Cell{asked[b].column, asked[b].row}), h.Anchors()[static_cast<std::size_t>(b)]);
    }
}

TEST_F(NextMoveWorkerTest, APlanForAPositionThatMovedOnIsNotShown) {
    ASSERT_EQ(next.Ask(), NextMoveWorker::Answer::Planning);
    StepABlock(-1); // while the worker plans
    ASSERT_TRUE(RunPosted());
    EXPECT_FALSE(h.game->NextMoveShowing());
}

TEST_F(NextMoveWorkerTest, WhenNoThreadCanBeStartedThereIsNoMoveAndTheNextAskPlansAgain) {
    noThreads = true;
    EXPECT_EQ(next.Ask(), NextMoveWorker::Answer::NoThread);
    EXPECT_FALSE(h.game->NextMoveShowing());
    noThreads = false;
    ASSERT_EQ(next.Ask(), NextMoveWorker::Answer::Planning);
    ASSERT_TRUE(RunPosted());
    EXPECT_TRUE(h.game->NextMoveShowing());
}

TEST_F(NextMoveWorkerTest, NoneInChallengesAndNoWorkerStarted) {
    h.game->StartChallenge(1);
    while (h.g.state.gamePhase == PhaseOpening) {
        h.Tick();
    }
    EXPECT_EQ(next.Ask(), NextMoveWorker::Answer::NotNow);
    EXPECT_FALSE(h.game->NextMoveShowing());
    EXPECT_EQ(threadsStarted, 0);
}

} // namespace
} // namespace fenx::testing
