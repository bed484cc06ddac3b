// The walk of one block over the solver's padded grid, held against the
// game's own step rule on the game's own board: the same places at the
// same distances, and ways made of steps the rule allows.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "core/cursor_walk.h"
#include "core/stage_build.h"
#include "core/step_rule.h"
#include "solver/anchor_search.h"
#include "solver/position.h"

namespace fenx {
namespace {

using Place = std::pair<int, int>; // column, row

// Distances of every anchor block b can walk to, by the step rule.
std::map<Place, int> WalkByStepRule(const Board& board, const BlockList& blocks, int b) {
    std::map<Place, int> distance{{{blocks[b].column, blocks[b].row}, 0}};
    std::vector<Place> queue{{blocks[b].column, blocks[b].row}};
    for (std::size_t head = 0; head < queue.size(); ++head) {
        Block at = blocks[b];
        at.column = queue[head].first;
        at.row = queue[head].second;
        for (int d = 0; d < 9; ++d) {
            const Place next{at.column + d % 3 - 1, at.row + d / 3 - 1};
            if (d != 4 && !distance.contains(next) &&
                StepFits(board, at, b, d % 3 - 1, d / 3 - 1)) {
                distance[next] = distance[queue[head]] + 1;
                queue.push_back(next);
            }
        }
    }
    return distance;
}

// A few hundred random steps from the stage's start, the rule allowing.
void Wander(BuiltStage& s, uint32_t seed) {
    for (int i = 0; i < 300; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int b = static_cast<int>((seed >> 16) % static_cast<uint32_t>(s.blocks.count));
        const int dx = static_cast<int>((seed >> 8) % 3) - 1;
        const int dy = static_cast<int>((seed >> 4) % 3) - 1;
        Block& k = s.blocks[b];
        if (StepFits(s.board, k, b, dx, dy)) {
            MoveBlock(s.board, k, b, dx, dy);
        }
    }
}

TEST(AnchorSearch, FindsThePlacesTheStepRuleAllowsAtTheirDistances) {
    struct Size {
        int width, height, number;
    };
    auto search = std::make_unique<AnchorSearch>();
    auto p = std::make_unique<Position>();
    for (const Size& size : {Size{7, 4, 5}, Size{12, 4, 17}, Size{7, 8, 9}, Size{38, 10, 3}}) {
        for (int wandered = 0; wandered < 2; ++wandered) {
            auto s = BuildStage(size.width, size.height, size.number);
            if (wandered != 0) {
                Wander(*s, static_cast<uint32_t>(size.number));
            }
            p->Load(s->blocks, size.width, size.height);
            p->Restart();
            for (int b = 0; b < p->count; ++b) {
                const std::map<Place, int> expected = WalkByStepRule(s->board, s->blocks, b);
                search->Reach(*p, b, -1);
                std::map<Place, int> found;
                for (int a : search->Found()) {
                    found[{SolverColumn(a), SolverRow(a)}] = search->Distance(a);
                }
                ASSERT_EQ(found, expected) << size.width << "x" << size.height << " stage "
                                           << size.number << " block " << b;
                // Stopping early at the farthest place gives its distance;
                // stopping short of it still finds every nearer place.
                const int far = search->Found().back();
                const int distance = search->Distance(far);
                EXPECT_EQ(search->Reach(*p, b, far), distance);
                search->Reach(*p, b, -1, distance);
                for (const auto& [place, d] : expected) {
                    const int a = SolverIndex(place.first, place.second);
                    if (d < distance) {
                        EXPECT_TRUE(search->Reached(a) && search->Distance(a) == d);
                    }
                }
            }
        }
    }
}

TEST(AnchorSearch, AMoveJoinsThePlanAsStepsTheRuleAllows) {
    auto s = BuildStage(7, 8, 9);
    auto search = std::make_unique<AnchorSearch>();
    auto p = std::make_unique<Position>();
    p->Load(s->blocks, 7, 8);
    p->Restart();
    int moves = 0;
    for (int b = 0; b < p->count; ++b) {
        search->Reach(*p, b, -1);
        if (search->Found().size() < 2) {
            continue;
        }
        const int to = search->Found().back();
        search->Reach(*p, b, to);
        search->MoveTo(*p, b, to);
        ++moves;
        // Played on the game's board, step by step.
        const PlannedMove& m = p->moves.back();
        ASSERT_EQ(m.block, b);
        Block& k = s->blocks[b];
        ASSERT_EQ(p->path[static_cast<std::size_t>(m.first)], (Cell{k.column, k.row}));
        for (int32_t i = m.first + 1; i < m.last; ++i) {
            const Cell c = p->path[static_cast<std::size_t>(i)];
            ASSERT_TRUE(StepFits(s->board, k, b, c.column - k.column, c.row - k.row))
                << "block " << b << " step " << i - m.first;
            MoveBlock(s->board, k, b, c.column - k.column, c.row - k.row);
        }
        EXPECT_EQ(SolverIndex(k.column, k.row), p->anchor[static_cast<std::size_t>(b)]);
    }
    EXPECT_GT(moves, 3);
    // The solver's grid and the game's board agree on every cell.
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int owner = s->board.at(c, r) == CellEmpty ? kSolverFree : s->board.at(c, r);
            EXPECT_EQ(p->grid.cells[static_cast<std::size_t>(SolverIndex(c, r))], owner)
                << c << "," << r;
        }
    }
}

} // namespace
} // namespace fenx
