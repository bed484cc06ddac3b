// When no free block can reach a ready slot: pick the block and slot whose
// way is cheapest if other free blocks could be walked through, then move
// the blocks on that way elsewhere, by a best-first search over whole moves
// (one block to any place it can reach) under a budget of expansions.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>

#include "solver/relaxed_search.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

constexpr int kParkingChoices = 3;
constexpr int kWaysWeighed = 6;

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

uint64_t HeapKey(int priority, int node) {
    return (static_cast<uint64_t>(priority) << 32) | static_cast<uint32_t>(node);
}

} // namespace

// What standing on each field cell costs a block walking the relaxed way:
// nothing when free, extra when a free block lies there (it could be moved
// aside), closed under placed and fixed blocks and the walls.
void PlannerWork::PriceCells() {
    cellPrice.fill(kClosedCellPrice);
    for (int r = 0; r < 2 * height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int cell = SolverIndex(c, r);
            const int v = grid.cells[U(cell)];
            cellPrice[U(cell)] =
                v < 0 ? 0 : (Movable(v) && pinned[U(v)] == 0 ? kBlockedCellCost : kClosedCellPrice);
        }
    }
}

// Cheapest way for block b to slot s, priced as PriceCells says, when it is
// cheaper than `bound`: its price, with its anchors in `way`; otherwise -1.
int PlannerWork::RelaxedPath(int b, int s, int bound) {
    // No step costs less than 1, so the king's-move distance to the goal
    // never overestimates, and it changes by at most 1 a step.
    const int goal = slotAnchor[U(s)];
    const int goalColumn = PaddedColumn(goal);
    const int goalRow = PaddedRow(goal);
    const auto toGo = [&](int at) {
        return std::max(std::abs(PaddedColumn(at) - goalColumn), std::abs(PaddedRow(at) - goalRow));
    };
    if (RelaxedSearch(
            b, toGo, [goal](int at) { return at == goal; }, bound) < 0) {
        return -1;
    }
    return cost[U(goal)];
}

// Marks the cells block b covers along `way`.
void PlannerWork::MarkWay(int b) {
    if (++markStamp == 0) {
        mark.fill(0);
        markStamp = 1;
    }
    markedCount = 0;
    for (int i = 0; i < wayLength; ++i) {
        for (int off : SolverOffsets[U(orientation[U(b)])]) {
            const int cell = way[U(i)] + off;
            if (mark[U(cell)] != markStamp) {
                mark[U(cell)] = markStamp;
                markedList[U(markedCount++)] = static_cast<int16_t>(cell);
            }
        }
    }
}

// Marked cells covered by blocks other than `except`.
int PlannerWork::CoveredMarks(int except) const {
    int n = 0;
    for (int i = 0; i < markedCount; ++i) {
        const int v = grid.cells[U(markedList[U(i)])];
        n += (v >= 0 && v != except) ? 1 : 0;
    }
    return n;
}

// The cheapest relaxed way over all ready slots and the free blocks that
// could fill them; marks it and returns the block, or -1 when there is none.
int PlannerWork::MarkCheapestWay() {
    // Only the pairs nearest as the crow flies get the full search: on a
    // large field there are hundreds of pairs.
    std::array<std::array<int, 3>, kWaysWeighed> near3{};
    int held = 0;
    for (int s = 0; s < slotCount; ++s) {
        if (!SlotReady(s)) {
            continue;
        }
        const int goal = slotAnchor[U(s)];
        for (int b = 0; b < count; ++b) {
            if (!Movable(b) || orientation[U(b)] != slotOrientation[U(s)]) {
                continue;
            }
            const int d = std::abs(SolverColumn(anchor[U(b)]) - SolverColumn(goal)) +
                          std::abs(SolverRow(anchor[U(b)]) - SolverRow(goal));
            if (held < kWaysWeighed) {
                near3[U(held++)] = {d, s, b};
            } else if (d < near3[U(held - 1)][0]) {
                near3[U(held - 1)] = {d, s, b};
            } else {
                continue;
            }
            for (int k = held - 1; k > 0 && near3[U(k)][0] < near3[U(k - 1)][0]; --k) {
                std::swap(near3[U(k)], near3[U(k - 1)]);
            }
        }
    }
    PriceCells();
    // A search writes `way` only when it finds a way cheaper than the best
    // so far, so the last way written is the cheapest.
    int bestPrice = INT_MAX;
    int bestBlock = -1;
    for (int k = 0; k < held; ++k) {
        const int price = RelaxedPath(near3[U(k)][2], near3[U(k)][1], bestPrice);
        if (price >= 0) {
            bestPrice = price;
            bestBlock = near3[U(k)][2];
        }
    }
    if (bestBlock >= 0) {
        MarkWay(bestBlock);
    }
    return bestBlock;
}

// A best-first search over whole moves of the free blocks near the way,
// each position judged by the cells of its own cheapest way still covered,
// until some block can walk to a ready slot.
bool PlannerWork::ClearWay(int budget) {
    nodes.clear();
    frontier.clear();
    nodes.push_back(SearchNode{-1, -1, -1, 0, 0});
    frontier.push_back(HeapKey(0, 0));
    int goal = -1;
    for (int expanded = 0; !frontier.empty() && expanded < budget && goal < 0; ++expanded) {
        if (OutOfTime() || nodes.size() + kParkingChoices * kMaxBlocks > nodes.capacity()) {
            break;
        }
        std::pop_heap(frontier.begin(), frontier.end(), std::greater<>());
        const int n = static_cast<int>(frontier.back() & 0xffffffffu);
        frontier.pop_back();
        ++expansions;
        const SearchNode node = nodes[U(n)];
        // Bring the grid to this node's position.
        chain.clear();
        for (int i = n; nodes[U(i)].parent >= 0; i = nodes[U(i)].parent) {
            chain.push_back(i);
        }
        chainOld.clear();
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            const SearchNode& m = nodes[U(*it)];
            const int o = orientation[U(m.block)];
            chainOld.push_back(anchor[U(m.block)]);
            grid.Write(anchor[U(m.block)], o, kSolverFree);
            grid.Write(m.anchor, o, static_cast<int8_t>(m.block));
            anchor[U(m.block)] = m.anchor;
        }
        const int mover = MarkCheapestWay();
        const int covered = mover >= 0 ? CoveredMarks(mover) : 0;
        if (mover >= 0 && covered == 0) {
            goal = n;
        } else if (mover >= 0) {
            ExpandNear(n, node, covered);
        }
        // Back to the root position.
        for (std::size_t i = 0; i < chain.size(); ++i) {
            const SearchNode& m = nodes[U(chain[i])];
            const int16_t old = chainOld[chainOld.size() - 1 - i];
            const int o = orientation[U(m.block)];
            grid.Write(anchor[U(m.block)], o, kSolverFree);
            grid.Write(old, o, static_cast<int8_t>(m.block));
            anchor[U(m.block)] = old;
        }
    }
    if (goal <= 0) {
        return false;
    }
    // Play the moves that led there into the plan, with their paths.
    chain.clear();
    for (int i = goal; nodes[U(i)].parent >= 0; i = nodes[U(i)].parent) {
        chain.push_back(i);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const SearchNode& m = nodes[U(*it)];
        Reach(m.block, m.anchor);
        MoveAlongSearch(m.block, m.anchor);
    }
    return true;
}

// Marks the eight cells around `cell`, and itself, as near.
void PlannerWork::MarkNear(int cell) {
    for (int dy = -kSolverStride; dy <= kSolverStride; dy += kSolverStride) {
        for (int dx = -1; dx <= 1; ++dx) {
            near[U(cell + dy + dx)] = nearStamp;
        }
    }
}

// Children of node n: each free block on or beside the marked way moved to
// one of the few best places it can reach, best meaning off the way, off
// open slots and near. The way's block may move too. A block near the way
// that cannot move at all brings the blocks around it near as well: they
// may have to make room for it first.
void PlannerWork::ExpandNear(int n, const SearchNode& node, int covered) {
    if (++nearStamp == 0) {
        near.fill(0);
        nearStamp = 1;
    }
    for (int i = 0; i < markedCount; ++i) {
        MarkNear(markedList[U(i)]);
    }
    std::array<bool, kMaxBlocks> done{};
    for (bool grew = true; grew;) {
        grew = false;
        for (int b = 0; b < count; ++b) {
            if (done[U(b)] || b == node.block || !Movable(b)) {
                continue;
            }
            const auto& offsets = SolverOffsets[U(orientation[U(b)])];
            int onWay = 0;
            bool close = false;
            for (int off : offsets) {
                const int cell = anchor[U(b)] + off;
                onWay += mark[U(cell)] == markStamp ? 1 : 0;
                close = close || near[U(cell)] == nearStamp;
            }
            if (!close) {
                continue;
            }
            done[U(b)] = true;
            Reach(b, -1);
            if (queued > 1) {
                AddParkingMoves(n, node, b, covered - onWay);
                continue;
            }
            for (int off : offsets) {
                MarkNear(anchor[U(b)] + off);
            }
            grew = true;
        }
    }
}

// Children of node n moving block b to the few best places the last
// Reach(b) found; `rest` is the way's cells covered once b has left it.
void PlannerWork::AddParkingMoves(int n, const SearchNode& node, int b, int rest) {
    const auto& offsets = SolverOffsets[U(orientation[U(b)])];
    std::array<std::pair<int, int>, kParkingChoices> best{};
    int held = 0;
    for (int q = 1; q < queued; ++q) {
        const int a = queue[U(q)];
        int score = distance[U(a)];
        for (int off : offsets) {
            const int cell = a + off;
            score += mark[U(cell)] == markStamp ? 100 : 0;
            const int t = targetOwner[U(cell)];
            score += (t >= 0 && slotBlock[U(t)] < 0) ? kOpenSlotPenalty : 0;
        }
        if (held < kParkingChoices) {
            best[U(held++)] = {score, a};
        } else if (score < best[U(held - 1)].first) {
            best[U(held - 1)] = {score, a};
        } else {
            continue;
        }
        for (int k = held - 1; k > 0 && best[U(k)].first < best[U(k - 1)].first; --k) {
            std::swap(best[U(k)], best[U(k - 1)]);
        }
    }
    for (int k = 0; k < held; ++k) {
        const int a = best[U(k)].second;
        int lands = 0;
        for (int off : offsets) {
            lands += mark[U(a + off)] == markStamp ? 1 : 0;
        }
        const int estimate = std::max(0, rest + lands);
        nodes.push_back(SearchNode{n, static_cast<int16_t>(b), static_cast<int16_t>(a),
                                   static_cast<int16_t>(node.depth + 1),
                                   static_cast<int16_t>(estimate)});
        frontier.push_back(
            HeapKey(estimate * 8 + node.depth + 1, static_cast<int>(nodes.size()) - 1));
        std::push_heap(frontier.begin(), frontier.end(), std::greater<>());
    }
}

} // namespace fenx
