// The relaxed way held against a plain Dijkstra over the same cell prices:
// the same cheapest price to each goal, a way of single steps that costs
// just that, and nothing found (the last way kept) when the bound allows
// nothing cheaper.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <queue>
#include <utility>
#include <vector>

#include "core/stage_build.h"
#include "solver/position.h"
#include "solver/relaxed_way.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Every fourth block stays put; the others could be moved aside.
int PriceOfBlock(int v) {
    return v % 4 == 0 ? kClosedCellPrice : kBlockedCellCost;
}

// What block b pays for each cell: -1 closed, its own cells free.
std::vector<int> CellPrices(const Position& p, int b) {
    std::vector<int> price(kSolverCells, -1);
    for (int r = 0; r < 2 * p.height; ++r) {
        for (int c = 0; c < p.width; ++c) {
            const int v = p.grid.cells[U(SolverIndex(c, r))];
            price[U(SolverIndex(c, r))] =
                v < 0 || v == b ? 0 : (PriceOfBlock(v) == kClosedCellPrice ? -1 : PriceOfBlock(v));
        }
    }
    return price;
}

// A step of block b onto `anchor`: one plus the prices of the cells it
// lands on; -1 when one is closed.
int Enter(const Position& p, const std::vector<int>& price, int b, int anchor) {
    int enter = 1;
    for (int off : SolverOffsets[U(p.orientation[U(b)])]) {
        const int cell = anchor + off;
        enter = enter < 0 || price[U(cell)] < 0 ? -1 : enter + price[U(cell)];
    }
    return enter;
}

// The cheapest price of block b to every anchor it can reach.
std::map<int, int> PlainDijkstra(const Position& p, int b) {
    const std::vector<int> price = CellPrices(p, b);
    std::map<int, int> best;
    using Entry = std::pair<int, int>; // price, anchor
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    open.push({0, p.anchor[U(b)]});
    while (!open.empty()) {
        const auto [cost, at] = open.top();
        open.pop();
        if (best.contains(at)) {
            continue;
        }
        best[at] = cost;
        for (int step : SolverSteps) {
            const int enter = Enter(p, price, b, at + step);
            if (enter > 0 && !best.contains(at + step)) {
                open.push({cost + enter, at + step});
            }
        }
    }
    return best;
}

TEST(RelaxedWay, FindsTheCheapestPriceAPlainDijkstraFinds) {
    struct Size {
        int width, height, number;
    };
    auto way = std::make_unique<RelaxedWay>();
    auto p = std::make_unique<Position>();
    int checked = 0;
    for (const Size& size : {Size{7, 8, 9}, Size{20, 6, 11}, Size{38, 10, 3}}) {
        const auto s = BuildStage(size.width, size.height, size.number);
        p->Load(s->blocks, size.width, size.height);
        p->Restart();
        way->Prices().Price(p->grid, p->width, 2 * p->height, PriceOfBlock);
        for (int b = 1; b < std::min(p->count, 24); b += 4) {
            const std::map<int, int> expected = PlainDijkstra(*p, b);
            const std::vector<int> price = CellPrices(*p, b);
            const int start = p->anchor[U(b)];
            const auto& offsets = SolverOffsets[U(p->orientation[U(b)])];
            int k = 0;
            for (const auto& [goal, cheapest] : expected) {
                if (++k % 7 != 0) {
                    continue; // a spread of goals is enough
                }
                const auto toGo = [goal = goal](int at) {
                    return std::max(std::abs(at % kSolverStride - goal % kSolverStride),
                                    std::abs(at / kSolverStride - goal / kSolverStride));
                };
                const auto isGoal = [goal = goal](int at) { return at == goal; };
                ASSERT_EQ(way->Search(start, offsets, toGo, isGoal, INT_MAX), goal);
                ASSERT_EQ(way->Cost(goal), cheapest) << "block " << b << " to " << goal;
                // The way: single steps from the start, costing the price.
                const std::vector<int16_t> found(way->Way().begin(), way->Way().end());
                ASSERT_EQ(found.front(), goal);
                ASSERT_EQ(found.back(), start);
                int paid = 0;
                for (std::size_t i = 0; i + 1 < found.size(); ++i) {
                    const int step = found[i] - found[i + 1];
                    EXPECT_NE(std::find(SolverSteps.begin(), SolverSteps.end(), step),
                              SolverSteps.end());
                    paid += Enter(*p, price, b, found[i]);
                }
                EXPECT_EQ(paid, cheapest);
                // Nothing cheaper than the price itself: no way, the last
                // one kept.
                EXPECT_EQ(way->Search(start, offsets, toGo, isGoal, cheapest), -1);
                EXPECT_TRUE(
                    std::equal(found.begin(), found.end(), way->Way().begin(), way->Way().end()));
                ++checked;
            }
            // Toward no goal at all, with no estimate: every reachable
            // anchor tried, none accepted.
            EXPECT_EQ(
                way->Search(
                    start, offsets, [](int) { return 0; }, [](int) { return false; }, INT_MAX),
                -1);
        }
    }
    EXPECT_GT(checked, 50);
}

} // namespace
} // namespace fenx
