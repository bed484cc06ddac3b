// Evicting the blocks on the cheapest way: every move it makes is a walk of
// legal single steps, it leaves no cell reserved and no block pinned, and
// on a floor jammed under two flat bars it opens a way to the first slots.
#include <gtest/gtest.h>

#include <memory>

#include "solver/loaded_parts.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Plays p's moves on the start position, step by step, and checks each
// step against the field as it is then; returns the field reached.
SolverGrid ReplayMoves(const Position& p) {
    SolverGrid g = p.startGrid;
    std::array<int16_t, kMaxBlocks> at = p.startAnchor;
    for (const PlannedMove& m : p.moves) {
        const int o = p.orientation[U(m.block)];
        EXPECT_EQ(SolverIndex(p.path[U(m.first)].column, p.path[U(m.first)].row), at[U(m.block)]);
        for (int32_t i = m.first + 1; i < m.last; ++i) {
            const int from = SolverIndex(p.path[U(i - 1)].column, p.path[U(i - 1)].row);
            const int to = SolverIndex(p.path[U(i)].column, p.path[U(i)].row);
            EXPECT_LE(std::abs(SolverColumn(to) - SolverColumn(from)), 1);
            EXPECT_LE(std::abs(SolverRow(to) - SolverRow(from)), 1);
            EXPECT_TRUE(g.Fits(to, o, static_cast<int8_t>(m.block)))
                << "block " << m.block << " steps onto another";
            g.Write(from, o, kSolverFree);
            g.Write(to, o, static_cast<int8_t>(m.block));
        }
        at[U(m.block)] = static_cast<int16_t>(
            SolverIndex(p.path[U(m.last - 1)].column, p.path[U(m.last - 1)].row));
        EXPECT_EQ(at[U(m.block)], p.anchor[U(m.block)]);
    }
    return g;
}

// Whether some free block can walk to a ready slot of its orientation.
bool SomeSlotReachable(PlannerParts& w) {
    const Position& p = w.position;
    const Target& t = w.target;
    for (int b = 0; b < p.count; ++b) {
        if (!t.Free(p, b)) {
            continue;
        }
        for (int s = 0; s < t.slotCount; ++s) {
            if (t.SlotReady(s) && t.slotOrientation[U(s)] == p.orientation[U(b)] &&
                w.reach.Reach(p, b, t.slotAnchor[U(s)]) >= 0) {
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
    w->target.BuildTiling(w->position, true, FillOrder::FromWall);
    ASSERT_TRUE(w->target.AssignFixed(w->position));
    ASSERT_FALSE(SomeSlotReachable(*w));

    bool opened = false;
    for (int round = 0; round < 10 && !opened; ++round) {
        const bool moved = w->eviction.Clear();
        ASSERT_FALSE(w->eviction.HoldsAnything()) << "a cell left reserved or a block pinned";
        if (!moved) {
            break;
        }
        opened = SomeSlotReachable(*w);
    }
    EXPECT_TRUE(opened);
    EXPECT_FALSE(w->position.moves.empty());
    const SolverGrid reached = ReplayMoves(w->position);
    EXPECT_EQ(reached.cells, w->position.grid.cells);
}

TEST(Eviction, FixedBlocksNeverMove) {
    // The same stage with two of its blocks fixed where they fell, as in a
    // challenge: evictions walk around them, never move them.
    const auto stage = BuildStage(7, 8, 32435, FixedBlocks{1, 4});
    const auto w = Loaded(*stage, 7, 8);
    w->target.BuildTiling(w->position, true, FillOrder::FromWall);
    w->target.AssignFixed(w->position);
    for (int round = 0; round < 10 && w->eviction.Clear(); ++round) {
    }
    ASSERT_FALSE(w->position.moves.empty());
    for (const PlannedMove& m : w->position.moves) {
        EXPECT_EQ(w->position.fixed[U(m.block)], 0) << "fixed block " << m.block << " moved";
    }
    ReplayMoves(w->position);
}

} // namespace
} // namespace fenx
