#include "solver/cheapest_way.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Only the pairs nearest as the crow flies get the full search: on a large
// field there are hundreds of pairs.
constexpr int kWaysWeighed = 6;

constexpr BlockFlags kNoPins{};

// Column and row in the padded grid, for the distance estimate.
inline constexpr auto kPaddedColumn = [] {
    std::array<int8_t, kSolverCells> t{};
    for (int i = 0; i < kSolverCells; ++i) {
        t[static_cast<std::size_t>(i)] = static_cast<int8_t>(i % kSolverStride);
    }
    return t;
}();
inline constexpr auto kPaddedRow = [] {
    std::array<int8_t, kSolverCells> t{};
    for (int i = 0; i < kSolverCells; ++i) {
        t[static_cast<std::size_t>(i)] = static_cast<int8_t>(i / kSolverStride);
    }
    return t;
}();
int PaddedColumn(int index) {
    return kPaddedColumn[static_cast<std::size_t>(index)];
}
int PaddedRow(int index) {
    return kPaddedRow[static_cast<std::size_t>(index)];
}

// Cheapest way for block b to the anchor `goal` when it is cheaper than
// `bound`: its price, with its anchors in relaxed.Way(); otherwise -1.
int RelaxedPath(const Position& p, RelaxedWay& relaxed, int b, int goal, int bound) {
    // No step costs less than 1, so the king's-move distance to the goal
    // never overestimates, and it changes by at most 1 a step.
    const int goalColumn = PaddedColumn(goal);
    const int goalRow = PaddedRow(goal);
    const auto toGo = [&](int at) {
        return std::max(std::abs(PaddedColumn(at) - goalColumn), std::abs(PaddedRow(at) - goalRow));
    };
    if (relaxed.Search(
            p.anchor[U(b)], SolverOffsets[U(p.orientation[U(b)])], toGo,
            [goal](int at) { return at == goal; }, bound) < 0) {
        return -1;
    }
    return relaxed.Cost(goal);
}

} // namespace

void PriceForFilling(WayPrices& prices, const Position& p, const Target& t,
                     const BlockFlags& pinned) {
    prices.Price(p.grid, p.width, 2 * p.height, [&](int v) {
        return t.Free(p, v) && pinned[U(v)] == 0 ? kBlockedCellCost : kClosedCellPrice;
    });
}

int CheapestWay::Find(const Position& p, const Target& t, RelaxedWay& relaxed) {
    std::array<std::array<int, 3>, kWaysWeighed> nearest{};
    int held = 0;
    for (int s = 0; s < t.slotCount; ++s) {
        if (!t.SlotReady(s)) {
            continue;
        }
        const int goal = t.slotAnchor[U(s)];
        for (int b = 0; b < p.count; ++b) {
            if (!t.Free(p, b) || p.orientation[U(b)] != t.slotOrientation[U(s)]) {
                continue;
            }
            const int d = std::abs(SolverColumn(p.anchor[U(b)]) - SolverColumn(goal)) +
                          std::abs(SolverRow(p.anchor[U(b)]) - SolverRow(goal));
            if (held < kWaysWeighed) {
                nearest[U(held++)] = {d, s, b};
            } else if (d < nearest[U(held - 1)][0]) {
                nearest[U(held - 1)] = {d, s, b};
            } else {
                continue;
            }
            for (int k = held - 1; k > 0 && nearest[U(k)][0] < nearest[U(k - 1)][0]; --k) {
                std::swap(nearest[U(k)], nearest[U(k - 1)]);
            }
        }
    }
    PriceForFilling(relaxed.Prices(), p, t, kNoPins);
    // A search writes the way only when it finds one cheaper than the best
    // so far, so the last way written is the cheapest.
    int bestPrice = INT_MAX;
    int bestBlock = -1;
    for (int k = 0; k < held; ++k) {
        const int b = nearest[U(k)][2];
        const int price = RelaxedPath(p, relaxed, b, t.slotAnchor[U(nearest[U(k)][1])], bestPrice);
        if (price >= 0) {
            bestPrice = price;
            bestBlock = b;
        }
    }
    if (bestBlock >= 0) {
        Mark(p, bestBlock, relaxed.Way());
    }
    return bestBlock;
}

void CheapestWay::Mark(const Position& p, int b, std::span<const int16_t> way) {
    mark_.Clear();
    markedCount_ = 0;
    for (int a : way) {
        for (int off : SolverOffsets[U(p.orientation[U(b)])]) {
            const int cell = a + off;
            if (!mark_.Contains(cell)) {
                mark_.Insert(cell);
                marked_[U(markedCount_++)] = static_cast<int16_t>(cell);
            }
        }
    }
}

int CheapestWay::Covered(const SolverGrid& grid, int except) const {
    int n = 0;
    for (int cell : MarkedCells()) {
        const int v = grid.cells[U(cell)];
        n += (v >= 0 && v != except) ? 1 : 0;
    }
    return n;
}

} // namespace fenx
