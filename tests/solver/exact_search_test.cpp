// The search over whole positions on its own: its moves must be walks of
// single legal steps that end on full and empty rows, whichever way the two
// halves of the search met.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "core/completion.h"
#include "core/stage_build.h"
#include "core/step_rule.h"
#include "solver/exact_search.h"
#include "solver/loaded_parts.h"

namespace fenx {
namespace {

// Replays the planned moves step by step with the game's step rule.
::testing::AssertionResult ReplaysToSolved(const BuiltStage& s, const Position& w, int width,
                                           int height) {
    BlockList blocks = s.blocks;
    auto board = std::make_unique<Board>();
    ResetBoard(*board, width, 2 * height);
    for (int b = 0; b < blocks.count; ++b) {
        WriteBlockCells(*board, blocks[b].column, blocks[b].row, blocks[b].orientation,
                        static_cast<int16_t>(b));
    }
    for (const PlannedMove& move : w.moves) {
        Block& k = blocks[move.block];
        if (k.fixed != 0) {
            return ::testing::AssertionFailure() << "fixed block " << move.block << " moved";
        }
        const Cell first = w.path[static_cast<std::size_t>(move.first)];
        if (first.column != k.column || first.row != k.row) {
            return ::testing::AssertionFailure()
                   << "move of block " << move.block << " starts away from the block";
        }
        for (int32_t i = move.first + 1; i < move.last; ++i) {
            const Cell to = w.path[static_cast<std::size_t>(i)];
            const int dx = to.column - k.column;
            const int dy = to.row - k.row;
            if (dx < -1 || dx > 1 || dy < -1 || dy > 1 ||
                !StepFits(*board, k, move.block, dx, dy)) {
                return ::testing::AssertionFailure() << "block " << move.block << " cannot step to "
                                                     << to.column << "," << to.row;
            }
            WriteBlockCells(*board, k.column, k.row, k.orientation, CellEmpty);
            k.column = to.column;
            k.row = to.row;
            WriteBlockCells(*board, k.column, k.row, k.orientation, move.block);
        }
    }
    if (!IsStageComplete(*board, width, height)) {
        return ::testing::AssertionFailure() << "not solved after " << w.moves.size() << " moves";
    }
    return ::testing::AssertionSuccess();
}

TEST(ExactSearch, PacksOnlySmallFields) {
    const auto narrow = BuildStage(7, 8, 1);
    EXPECT_TRUE(ExactSearch::Packs(Loaded(*narrow, 7, 8)->position)); // 112 cells, 14 blocks
    const auto wide = BuildStage(12, 4, 1);
    EXPECT_TRUE(ExactSearch::Packs(Loaded(*wide, 12, 4)->position)); // 96 cells, 12 blocks
    const auto mid = BuildStage(20, 6, 1);
    EXPECT_FALSE(ExactSearch::Packs(Loaded(*mid, 20, 6)->position)); // 240 cells
    const auto tall = BuildStage(8, 10, 1);
    EXPECT_FALSE(ExactSearch::Packs(Loaded(*tall, 8, 10)->position)); // 160 cells
}

TEST(ExactSearch, SolvesStagesTheSlotFillingGetsStuckOn) {
    // 7 x 4 stages that took the slot filling into dead ends in the sweep
    // over every number.
    auto search = std::make_unique<ExactSearch>(20);
    for (int number : {33259, 46390, 41120, 51914}) {
        const auto s = BuildStage(7, 4, number);
        auto w = Loaded(*s, 7, 4);
        ASSERT_TRUE(search->Run(w->position, w->budget, 2000000)) << "stage " << number;
        EXPECT_TRUE(ReplaysToSolved(*s, w->position, 7, 4)) << "stage " << number;
    }
}

TEST(ExactSearch, KeepsFixedBlocksStillAndUsesBandsBetweenTheHalves) {
    // Challenge row 20: two fixed blocks across rows 3 and 4 of a 12 x 4
    // stage, so neither half can be the solved band.
    auto search = std::make_unique<ExactSearch>(21);
    const auto s = BuildStage(12, 4, 3972, FixedBlocks{6, 9});
    auto w = Loaded(*s, 12, 4);
    ASSERT_TRUE(search->Run(w->position, w->budget, 2000000));
    EXPECT_TRUE(ReplaysToSolved(*s, w->position, 12, 4));
}

TEST(ExactSearch, GoesOnFromAPositionReachedEarlier) {
    // Moves already planned stay; the search appends the rest.
    auto search = std::make_unique<ExactSearch>(20);
    const auto s = BuildStage(7, 4, 128);
    auto w = Loaded(*s, 7, 4);
    Position& p = w->position;
    // The first block that can move at all, moved as far as it goes.
    int mover = 0;
    for (; mover < p.count; ++mover) {
        w->reach.Reach(p, mover, -1);
        if (p.Movable(mover) && w->reach.Found().size() > 1) {
            break;
        }
    }
    ASSERT_LT(mover, p.count);
    const int to = w->reach.Found().back();
    w->reach.Reach(p, mover, to);
    w->reach.MoveTo(p, mover, to);
    ASSERT_TRUE(search->Run(p, w->budget, 2000000, true));
    ASSERT_GE(p.moves.size(), 2u);
    EXPECT_EQ(p.moves[0].block, mover);
    EXPECT_TRUE(ReplaysToSolved(*s, p, 7, 4));
}

TEST(ExactSearch, FillsATargetSlotBySlotPastFixedBlocks) {
    // Challenge row 41: a lying I on the floor and a T above it are fixed;
    // the slot filling alone cannot clear its ways there.
    auto search = std::make_unique<ExactSearch>(22);
    const auto s = BuildStage(7, 8, 29730, FixedBlocks{0, 4});
    auto w = Loaded(*s, 7, 8);
    Target& target = w->target;
    ASSERT_TRUE(
        target.BuildCover(w->position, 0xff00, true, FillOrder::Unpacking, 40000, w->random));
    w->position.Restart();
    ASSERT_TRUE(search->FillTarget(target, w->position, w->budget, 100000, 8));
    EXPECT_TRUE(ReplaysToSolved(*s, w->position, 7, 8));
    // Every slot ends with a block of its orientation on it.
    for (int t = 0; t < target.slotCount; ++t) {
        const int b = target.slotBlock[static_cast<std::size_t>(t)];
        ASSERT_GE(b, 0) << "slot " << t;
        EXPECT_EQ(w->position.anchor[static_cast<std::size_t>(b)],
                  target.slotAnchor[static_cast<std::size_t>(t)]);
    }
}

} // namespace
} // namespace fenx
