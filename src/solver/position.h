// The position a plan starts from and the position it has reached, with
// the moves that lead from the one to the other. Fixed arrays sized for
// the largest stage; the plan's two lists are reserved once.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/block.h"
#include "core/board.h"
#include "solver/planned_move.h"
#include "solver/row_sets.h"
#include "solver/solver_grid.h"

namespace fenx {

// Room for the longest plan: single steps, and moves.
inline constexpr std::size_t kPlanPathCapacity = 1 << 18;
inline constexpr std::size_t kPlanMoveCapacity = 1 << 14;

struct Position {
    // Where planning started: the blocks, numbered as in the stage.
    int width = 0;
    int height = 0;
    int count = 0;
    std::array<int16_t, kMaxBlocks> orientation{};
    std::array<int16_t, kMaxBlocks> startAnchor{};
    std::array<int16_t, kMaxBlocks> tilingAnchor{}; // in the tiling's own rows 0..H-1
    std::array<uint8_t, kMaxBlocks> fixed{};
    SolverGrid startGrid;

    // Where the plan has got to: `grid` and `anchor` always agree, and
    // `moves` (their paths in `path`) lead there from the start.
    SolverGrid grid;
    std::array<int16_t, kMaxBlocks> anchor{};
    std::vector<PlannedMove> moves;
    std::vector<Cell> path;

    // Room for the longest plan, once.
    Position();

    void Load(const BlockList& blocks, int w, int h);
    // Back to the start with an empty plan.
    void Restart();
    // Block b stands at `to`, in the grid and the anchors; the plan does
    // not change (a search trying moves out and taking them back).
    void Place(int b, int to);
    // Block b walks to `to` and the walk joins the plan: `parentOf(at)`
    // gives the anchor before `at` on the way, -1 at b's own anchor.
    template <class ParentOf>
    void Move(int b, int to, const ParentOf& parentOf);
    // The grid laid out again from the anchors.
    void LayOut();
    // Moves of one block that follow each other become one move along
    // both walks; moves that go nowhere are dropped.
    void JoinRuns();

    bool Movable(int b) const { return fixed[static_cast<std::size_t>(b)] == 0; }
    // The rows the fixed blocks cover.
    RowSet FixedRows() const;
};

template <class ParentOf>
void Position::Move(int b, int to, const ParentOf& parentOf) {
    const auto begin = static_cast<std::ptrdiff_t>(path.size());
    for (int at = to; at >= 0; at = parentOf(at)) {
        path.push_back(Cell{SolverColumn(at), SolverRow(at)});
    }
    std::reverse(path.begin() + begin, path.end());
    moves.push_back(PlannedMove{static_cast<int16_t>(b), static_cast<int32_t>(begin),
                                static_cast<int32_t>(path.size())});
    Place(b, to);
}

} // namespace fenx
