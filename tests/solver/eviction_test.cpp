// Evicting the blocks on the cheapest way: every move it makes is a walk of
// legal single steps, it leaves no cell reserved and no block pinned, and
// on a floor jammed under two flat bars it opens a way to the first slots.
#include <gtest/gtest.h>

#include <memory>

#include "solver/built_stage.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Plays w's moves on the start position, step by step, and checks each
// step against the field as it is then; returns the field reached.
SolverGrid ReplayMoves(const PlannerWork& w) {
    SolverGrid g = w.startGrid;
    std::array<int16_t, kMaxBlocks> at = w.startAnchor;
    for (const PlannedMove& m : w.moves) {
        const int o = w.orientation[U(m.block)];
        EXPECT_EQ(SolverIndex(w.path[U(m.first)].column, w.path[U(m.first)].row), at[U(m.block)]);
        for (int32_t i = m.first + 1; i < m.last; ++i) {
            const int from = SolverIndex(w.path[U(i - 1)].column, w.path[U(i - 1)].row);
            const int to = SolverIndex(w.path[U(i)].column, w.path[U(i)].row);
            EXPECT_LE(std::abs(SolverColumn(to) - SolverColumn(from)), 1);
            EXPECT_LE(std::abs(SolverRow(to) - SolverRow(from)), 1);
            EXPECT_TRUE(g.Fits(to, o, static_cast<int8_t>(m.block)))
                << "block " << m.block << " steps onto another";
            g.Write(from, o, kSolverFree);
            g.Write(to, o, static_cast<int8_t>(m.block));
        }
        at[U(m.block)] = static_cast<int16_t>(
            SolverIndex(w.path[U(m.last - 1)].column, w.path[U(m.last - 1)].row));
        EXPECT_EQ(at[U(m.block)], w.anchor[U(m.block)]);
    }
    return g;
}

// Whether some free block can walk to a ready slot of its orientation.
bool SomeSlotReachable(PlannerWork& w) {
    for (int b = 0; b < w.count; ++b) {
        if (!w.Movable(b)) {
            continue;
        }
        for (int s = 0; s < w.slotCount; ++s) {
            if (w.SlotReady(s) && w.slotOrientation[U(s)] == w.orientation[U(b)] &&
                w.Reach(b, w.slotAnchor[U(s)]) >= 0) {
                return true;
            }
        }
    }
    return false;
}

TEST(Eviction, OpensAWayThroughAJammedFloorWithLegalMovesOnly) {
    // 7 x 8 stage 32435: the lowest rows are packed under two flat bars,
    // and no block can reach a slot of the generated tiling's bottom row.
    const auto stage = BuildStage(7, 8, 32435);
    const auto w = Loaded(*stage, 7, 8);
    ASSERT_TRUE(w->BuildTilingTarget(true));
    ASSERT_TRUE(w->AssignFixed());
    ASSERT_FALSE(SomeSlotReachable(*w));

    bool opened = false;
    for (int round = 0; round < 10 && !opened; ++round) {
        const bool moved = w->ClearByEviction();
        for (int cell = 0; cell < kSolverCells; ++cell) {
            ASSERT_EQ(w->reserved[U(cell)], 0) << "cell " << cell << " left reserved";
        }
        for (int b = 0; b < w->count; ++b) {
            ASSERT_EQ(w->pinned[U(b)], 0) << "block " << b << " left pinned";
        }
        if (!moved) {
            break;
        }
        opened = SomeSlotReachable(*w);
    }
    EXPECT_TRUE(opened);
    EXPECT_FALSE(w->moves.empty());
    const SolverGrid reached = ReplayMoves(*w);
    EXPECT_EQ(reached.cells, w->grid.cells);
}

TEST(Eviction, FixedBlocksNeverMove) {
    // The same stage with two of its blocks fixed where they fell, as in a
    // challenge: evictions walk around them, never move them.
    const auto stage = BuildStage(7, 8, 32435, FixedBlocks{1, 4});
    const auto w = Loaded(*stage, 7, 8);
    ASSERT_TRUE(w->BuildTilingTarget(true));
    w->AssignFixed();
    for (int round = 0; round < 10 && w->ClearByEviction(); ++round) {
    }
    ASSERT_FALSE(w->moves.empty());
    for (const PlannedMove& m : w->moves) {
        EXPECT_EQ(w->fixed[U(m.block)], 0) << "fixed block " << m.block << " moved";
    }
    ReplayMoves(*w);
}

} // namespace
} // namespace fenx
