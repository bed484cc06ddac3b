// Targets filled in the reverse order of taking them apart: when a slot's
// turn comes, with the slots it waits for in place, its block must still
// be able to come in from outside the target.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

#include "core/stage_build.h"
#include "solver/loaded_parts.h"
#include "solver/row_sets.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Whether a block of orientation o at `anchor` can walk, through free
// cells of `g`, to where it covers no cell marked in `target`.
bool WalksOut(const SolverGrid& g, const std::array<bool, kSolverCells>& target, int o,
              int anchor) {
    std::vector<bool> seen(kSolverCells, false);
    std::vector<int> queue{anchor};
    seen[U(anchor)] = true;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int at = queue[head];
        bool outside = true;
        for (int off : SolverOffsets[U(o)]) {
            outside = outside && !target[U(at + off)];
        }
        if (outside) {
            return true;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            if (!seen[U(next)] && g.Fits(next, o, kSolverFree)) {
                seen[U(next)] = true;
                queue.push_back(next);
            }
        }
    }
    return false;
}

// Checks every cover target of every set of rows that may end the stage.
void CheckEscapeOrder(int width, int height, int number, FixedBlocks fixed) {
    const auto s = BuildStage(width, height, number, fixed);
    const auto parts = Loaded(*s, width, height);
    const Position& p = parts->position;
    Target& target = parts->target;
    std::array<RowSet, 64> sets{};
    const int n = CollectRowSets(width, height, p.FixedRows(), sets);
    int built = 0;
    for (int k = 0; k < n; ++k) {
        if (!target.BuildCover(p, sets[U(k)], true, FillOrder::Unpacking, 40000, parts->random)) {
            continue;
        }
        ++built;
        std::array<bool, kSolverCells> inTarget{};
        for (int t = 0; t < target.slotCount; ++t) {
            for (int off : SolverOffsets[U(target.slotOrientation[U(t)])]) {
                inTarget[U(target.slotAnchor[U(t)] + off)] = true;
            }
        }
        for (int t = 0; t < target.slotCount; ++t) {
            const int lying = p.startGrid.cells[U(target.slotAnchor[U(t)])];
            if (lying >= 0 && p.fixed[U(lying)] != 0) {
                continue; // a fixed block's own slot
            }
            SolverGrid alone;
            alone.Reset(width, 2 * height);
            for (int b = 0; b < p.count; ++b) {
                if (p.fixed[U(b)] != 0) {
                    alone.Write(p.startAnchor[U(b)], p.orientation[U(b)], 0);
                }
            }
            if (!WalksOut(alone, inTarget, target.slotOrientation[U(t)], target.slotAnchor[U(t)])) {
                continue; // too tall to leave a band in the middle at all
            }
            EXPECT_EQ(target.slotNeeds[U(t)][U(t >> 6)] >> (t & 63) & 1, 0u) << "waits for itself";
            SolverGrid g;
            g.Reset(width, 2 * height);
            for (int u = 0; u < target.slotCount; ++u) {
                const bool needed = (target.slotNeeds[U(t)][U(u >> 6)] >> (u & 63) & 1) != 0;
                const int at = p.startGrid.cells[U(target.slotAnchor[U(u)])];
                const bool fixedSlot = at >= 0 && p.fixed[U(at)] != 0 &&
                                       p.startAnchor[U(at)] == target.slotAnchor[U(u)];
                if (needed || fixedSlot) {
                    g.Write(target.slotAnchor[U(u)], target.slotOrientation[U(u)], 0);
                }
            }
            EXPECT_TRUE(
                WalksOut(g, inTarget, target.slotOrientation[U(t)], target.slotAnchor[U(t)]))
                << width << "x" << height << " stage " << number << " rows " << std::hex
                << sets[U(k)] << std::dec << ": slot " << t << " shut in when its turn comes";
        }
    }
    EXPECT_GT(built, 0) << width << "x" << height << " stage " << number << ": no cover";
}

TEST(Targets, EachSlotOpenFromOutsideWhenItsTurnComes) {
    // Fixed blocks in the middle of the field, and on the floor.
    CheckEscapeOrder(7, 8, 42206, FixedBlocks{6, -1});
    CheckEscapeOrder(7, 8, 26735, FixedBlocks{4, -1});
    CheckEscapeOrder(7, 8, 29730, FixedBlocks{0, 4});
    CheckEscapeOrder(12, 4, 3972, FixedBlocks{6, 9});
    // Stages whose halves the filling from the wall could not finish.
    CheckEscapeOrder(12, 4, 634, FixedBlocks{});
    CheckEscapeOrder(7, 8, 177, FixedBlocks{});
}

TEST(Targets, CoversHoldTheFixedBlocksAndOnlyTheChosenRows) {
    const auto s = BuildStage(7, 8, 42206, FixedBlocks{6, -1});
    const auto parts = Loaded(*s, 7, 8);
    const Position& p = parts->position;
    Target& w = parts->target;
    // The standing I lies in rows 3..6: no cover of the upper half holds
    // it with the other blocks, rows 1..8 do.
    EXPECT_FALSE(w.BuildCover(p, 0xff00, true, FillOrder::FromWall, 40000, parts->random));
    ASSERT_TRUE(w.BuildCover(p, 0x1fe, false, FillOrder::FromWall, 40000, parts->random));
    EXPECT_EQ(w.bandTop, 1);
    EXPECT_EQ(w.slotCount, 14);
    int cells = 0;
    for (int t = 0; t < w.slotCount; ++t) {
        for (int off : SolverOffsets[U(w.slotOrientation[U(t)])]) {
            const int row = SolverRow(w.slotAnchor[U(t)] + off);
            EXPECT_TRUE(row >= 1 && row <= 8) << "slot " << t << " in row " << row;
            ++cells;
        }
    }
    EXPECT_EQ(cells, 56);
    const int fixedAt = p.startAnchor[6];
    bool kept = false;
    for (int t = 0; t < w.slotCount; ++t) {
        kept = kept || (w.slotAnchor[U(t)] == fixedAt && w.slotOrientation[U(t)] == 1);
    }
    EXPECT_TRUE(kept);
}

} // namespace
} // namespace fenx

namespace fenx {
namespace {

TEST(Targets, EveryBandHoldsTheGeneratedTilingSoACoverIsFound) {
    // The generator tiled a W x H rectangle with exactly these blocks, so
    // any H rows in a row of the field have a cover; the search, cutting
    // off ways that leave a cell no block can reach, must still find one.
    struct Size {
        int width, height;
    };
    for (const Size& size : {Size{7, 4}, Size{7, 8}, Size{12, 4}}) {
        for (int i = 0; i < 12; ++i) {
            const int number = (11 + i * 5443) & 0xffff;
            const auto s = BuildStage(size.width, size.height, number);
            const auto parts = Loaded(*s, size.width, size.height);
            const RowSet band = (RowSet{1} << size.height) - 1;
            for (int top = 0; top <= size.height; ++top) {
                EXPECT_TRUE(parts->target.BuildCover(parts->position, band << top, true,
                                                     FillOrder::FromWall, 50000000, parts->random))
                    << size.width << "x" << size.height << " stage " << number << " from row "
                    << top;
            }
        }
    }
}

} // namespace
} // namespace fenx
