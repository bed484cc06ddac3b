// Solves a stage the way a player does: presses a block, moves the mouse one
// cell at a time along a path of free cells, lets go.
//
// A plan is found first, by a best-first search over whole positions of the
// field: a move takes one block to any anchor it can reach under the step
// rule (all four destination cells free or its own, diagonals included);
// the goal is a field of full and empty rows, and the search heads for the
// places of the generated tiling. The plan is then played through the
// game's mouse handlers, one cell per mouse move. Meant for small stages:
// it gives up after a bounded search.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <queue>
#include <vector>

#include "core/shapes.h"
#include "support/game_harness.h"

namespace fenx::testing {

struct Step {
    int dx;
    int dy;
};

class DragSolver {
  public:
    explicit DragSolver(GameHarness& harness) : h_(harness), g_(harness.g) {}

    // True once the game has entered PhaseSolved.
    bool Solve(std::size_t maxPositions = 200000) {
        const auto plan = Plan(maxPositions);
        if (!plan) {
            return false;
        }
        for (const Move& m : *plan) {
            const auto path = PathOnBoard(m.block, Anchors(), m.column, m.row);
            if (!path || !Drag(m.block, *path)) {
                break;
            }
        }
        return g_.state.gamePhase == PhaseSolved;
    }

    // Presses block b on its anchor cell and walks it along `path`. False
    // when a step did not move the block as planned or solved the stage.
    bool Drag(int b, const std::vector<Step>& path) {
        int gx = g_.blocks[b].column;
        int gy = g_.blocks[b].row;
        h_.Press(gx, gy);
        if (!g_.holding() || g_.drag.block != b) {
            return false;
        }
        for (const Step& s : path) {
            gx += s.dx;
            gy += s.dy;
            h_.DragTo(gx, gy);
            if (g_.state.gamePhase == PhaseSolved) {
                return false;
            }
            if (g_.blocks[b].column != gx || g_.blocks[b].row != gy) {
                h_.Release();
                return false;
            }
        }
        h_.Release();
        return true;
    }

  private:
    static constexpr int kMaxCells = 38 * 20;
    using Position = std::vector<int16_t>; // column, row of each block
    struct Move {
        int block;
        int column;
        int row;
    };
    struct Grid {
        int width = 0;
        int rows = 0;
        std::array<int16_t, kMaxCells> cells{};
        int at(int c, int r) const { return cells[static_cast<std::size_t>(r * width + c)]; }
    };

    int W() const { return g_.state.W; }
    int Rows() const { return 2 * g_.state.H; }

    Position Anchors() const {
        Position p;
        for (int b = 0; b < g_.blocks.count; ++b) {
            p.push_back(static_cast<int16_t>(g_.blocks[b].column));
            p.push_back(static_cast<int16_t>(g_.blocks[b].row));
        }
        return p;
    }

    Position Goal() const {
        Position p;
        for (int b = 0; b < g_.blocks.count; ++b) {
            p.push_back(static_cast<int16_t>(g_.blocks[b].solutionColumn));
            p.push_back(static_cast<int16_t>(g_.blocks[b].solutionRow + g_.state.H));
        }
        return p;
    }

    Grid GridOf(const Position& p) const {
        Grid grid;
        grid.width = W();
        grid.rows = Rows();
        grid.cells.fill(-1);
        for (int b = 0; b < g_.blocks.count; ++b) {
            for (const CellOffset& o : ShapeTable[g_.blocks[b].orientation]) {
                grid.cells[static_cast<std::size_t>((p[2 * b + 1] + o.dy) * W() + p[2 * b] +
                                                    o.dx)] = static_cast<int16_t>(b);
            }
        }
        return grid;
    }

    bool Fits(const Grid& grid, int b, int c, int r) const {
        for (const CellOffset& o : ShapeTable[g_.blocks[b].orientation]) {
            const int x = c + o.dx;
            const int y = r + o.dy;
            if (x < 0 || x >= grid.width || y < 0 || y >= grid.rows) {
                return false;
            }
            const int v = grid.at(x, y);
            if (v != -1 && v != b) {
                return false;
            }
        }
        return true;
    }

    // Every anchor block b reaches from where it lies, with the step that
    // first entered it.
    std::map<std::pair<int, int>, Step> Reach(const Grid& grid, const Position& p, int b) const {
        std::map<std::pair<int, int>, Step> from{{{p[2 * b], p[2 * b + 1]}, Step{0, 0}}};
        std::vector<std::pair<int, int>> queue{{p[2 * b], p[2 * b + 1]}};
        for (std::size_t i = 0; i < queue.size(); ++i) {
            const auto [c, r] = queue[i];
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const std::pair<int, int> next{c + dx, r + dy};
                    if (from.count(next) == 0 && Fits(grid, b, next.first, next.second)) {
                        from[next] = {dx, dy};
                        queue.push_back(next);
                    }
                }
            }
        }
        return from;
    }

    std::optional<std::vector<Step>> PathOnBoard(int b, const Position& p, int column,
                                                 int row) const {
        const auto from = Reach(GridOf(p), p, b);
        if (from.count({column, row}) == 0) {
            return std::nullopt;
        }
        std::vector<Step> path;
        for (int c = column, r = row; c != p[2 * b] || r != p[2 * b + 1];) {
            const Step s = from.at({c, r});
            path.push_back(s);
            c -= s.dx;
            r -= s.dy;
        }
        std::reverse(path.begin(), path.end());
        return path;
    }

    // For each block, how far it is from the nearest place of its
    // orientation in the tiling; blocks of one orientation may trade places.
    int Distance(const Position& p, const Position& goal) const {
        int d = 0;
        for (int b = 0; b < g_.blocks.count; ++b) {
            int best = 1 << 20;
            for (int t = 0; t < g_.blocks.count; ++t) {
                if (g_.blocks[t].orientation == g_.blocks[b].orientation) {
                    const int dc = std::abs(p[2 * b] - goal[2 * t]);
                    const int dr = std::abs(p[2 * b + 1] - goal[2 * t + 1]);
                    best = std::min(best, (dc + dr == 0 ? 0 : 8) + dc + dr);
                }
            }
            d += best;
        }
        return d;
    }

    // The completion rule on a planned position: every row full or empty.
    static bool Complete(const Grid& grid) {
        for (int r = 0; r < grid.rows; ++r) {
            int covered = 0;
            for (int c = 0; c < grid.width; ++c) {
                covered += grid.at(c, r) >= 0 ? 1 : 0;
            }
            if (covered != 0 && covered != grid.width) {
                return false;
            }
        }
        return true;
    }

    std::optional<std::vector<Move>> Plan(std::size_t maxPositions) const {
        const Position start = Anchors();
        const Position goal = Goal();
        std::map<Position, std::pair<Position, Move>> parent{{start, {start, Move{-1, 0, 0}}}};
        using Entry = std::pair<int, Position>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
        open.emplace(Distance(start, goal), start);
        while (!open.empty() && parent.size() < maxPositions) {
            const Position p = open.top().second;
            open.pop();
            const Grid grid = GridOf(p);
            if (Complete(grid)) {
                std::vector<Move> plan;
                for (Position q = p; q != start; q = parent.at(q).first) {
                    plan.push_back(parent.at(q).second);
                }
                std::reverse(plan.begin(), plan.end());
                return plan;
            }
            for (int b = 0; b < g_.blocks.count; ++b) {
                if (g_.blocks[b].fixed) {
                    continue;
                }
                for (const auto& [anchor, step] : Reach(grid, p, b)) {
                    Position q = p;
                    q[2 * b] = static_cast<int16_t>(anchor.first);
                    q[2 * b + 1] = static_cast<int16_t>(anchor.second);
                    if (parent.emplace(q, std::pair{p, Move{b, anchor.first, anchor.second}})
                            .second) {
                        open.emplace(Distance(q, goal), q);
                    }
                }
            }
        }

        return std::nullopt;
    }

    GameHarness& h_;
    const GameView& g_;
};

} // namespace fenx::testing
