// When no free block can reach a ready slot: pick the block and slot whose
// way is cheapest if other free blocks could be walked through, then move
// the blocks on that way elsewhere, by a best-first search over whole moves
// (one block to any place it can reach) under a budget of expansions.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>

#include "solver/planner_work.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Passing a cell of another free block costs this much more than a step.
constexpr int kBlockedCellCost = 6;
constexpr int kParkingChoices = 3;
constexpr int kWaysWeighed = 6;

uint64_t HeapKey(int priority, int node) {
    return (static_cast<uint64_t>(priority) << 32) | static_cast<uint32_t>(node);
}

} // namespace

// Cheapest way for block b to slot s when free blocks count as passable at a
// price; placed and fixed blocks and the walls do not. Marks the cells the
// block covers along that way and returns its price, or -1.
int PlannerWork::RelaxedPath(int b, int s) {
    if (++stamp == 0) {
        seen.fill(0);
        stamp = 1;
    }
    const int o = orientation[U(b)];
    const int start = anchor[U(b)];
    const int goal = slotAnchor[U(s)];
    // A* over the anchors: no step costs less than 1, so the king's-move
    // distance to the goal never overestimates.
    const int goalColumn = SolverColumn(goal);
    const int goalRow = SolverRow(goal);
    const auto toGo = [&](int at) {
        return std::max(std::abs(SolverColumn(at) - goalColumn), std::abs(SolverRow(at) - goalRow));
    };
    heap.clear();
    seen[U(start)] = stamp;
    cost[U(start)] = 0;
    costParent[U(start)] = -1;
    heap.push_back(HeapKey(toGo(start), start));
    int found = -1;
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), std::greater<>());
        const uint64_t top = heap.back();
        heap.pop_back();
        const int at = static_cast<int>(top & 0xffffffffu);
        const int c = static_cast<int>(top >> 32) - toGo(at);
        if (c != cost[U(at)]) {
            continue;
        }
        if (at == goal) {
            found = c;
            break;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            int price = 1;
            bool open = true;
            for (int off : SolverOffsets[U(o)]) {
                const int v = grid.cells[U(next + off)];
                if (v == kSolverWall || (v >= 0 && v != b && !Movable(v))) {
                    open = false;
                    break;
                }
                price += (v >= 0 && v != b) ? kBlockedCellCost : 0;
            }
            if (!open) {
                continue;
            }
            const int nc = c + price;
            if (seen[U(next)] != stamp || nc < cost[U(next)]) {
                seen[U(next)] = stamp;
                cost[U(next)] = nc;
                costParent[U(next)] = static_cast<int16_t>(at);
                heap.push_back(HeapKey(nc + toGo(next), next));
                std::push_heap(heap.begin(), heap.end(), std::greater<>());
            }
        }
    }
    if (found < 0) {
        return -1;
    }
    if (++markStamp == 0) {
        mark.fill(0);
        markStamp = 1;
    }
    markedCount = 0;
    for (int at = goal; at >= 0; at = costParent[U(at)]) {
        for (int off : SolverOffsets[U(o)]) {
            const int cell = at + off;
            if (mark[U(cell)] != markStamp) {
                mark[U(cell)] = markStamp;
                markedList[U(markedCount++)] = static_cast<int16_t>(cell);
            }
        }
    }
    return found;
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
    int bestPrice = INT_MAX;
    int bestSlot = -1;
    int bestBlock = -1;
    for (int k = 0; k < held; ++k) {
        const int price = RelaxedPath(near3[U(k)][2], near3[U(k)][1]);
        if (price >= 0 && price < bestPrice) {
            bestPrice = price;
            bestSlot = near3[U(k)][1];
            bestBlock = near3[U(k)][2];
        }
    }
    if (bestBlock >= 0) {
        RelaxedPath(bestBlock, bestSlot);
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

// Children of node n: each free block on or beside the marked way moved to
// one of the few best places it can reach, best meaning off the way, off
// open slots and near. The way's block may move too.
void PlannerWork::ExpandNear(int n, const SearchNode& node, int covered) {
    if (++nearStamp == 0) {
        near.fill(0);
        nearStamp = 1;
    }
    for (int i = 0; i < markedCount; ++i) {
        const int cell = markedList[U(i)];
        for (int dy = -kSolverStride; dy <= kSolverStride; dy += kSolverStride) {
            for (int dx = -1; dx <= 1; ++dx) {
                near[U(cell + dy + dx)] = nearStamp;
            }
        }
    }
    for (int b = 0; b < count; ++b) {
        if (b == node.block || !Movable(b)) {
            continue;
        }
        const int o = orientation[U(b)];
        int onWay = 0;
        bool close = false;
        for (int off : SolverOffsets[U(o)]) {
            const int cell = anchor[U(b)] + off;
            onWay += mark[U(cell)] == markStamp ? 1 : 0;
            close = close || near[U(cell)] == nearStamp;
        }
        if (!close) {
            continue;
        }
        Reach(b, -1);
        std::array<std::pair<int, int>, kParkingChoices> best{};
        int held = 0;
        for (int q = 1; q < queued; ++q) {
            const int a = queue[U(q)];
            int score = distance[U(a)];
            for (int off : SolverOffsets[U(o)]) {
                const int cell = a + off;
                score += mark[U(cell)] == markStamp ? 100 : 0;
                const int t = targetOwner[U(cell)];
                score += (t >= 0 && slotBlock[U(t)] < 0) ? 16 : 0;
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
            for (int off : SolverOffsets[U(o)]) {
                lands += mark[U(a + off)] == markStamp ? 1 : 0;
            }
            const int estimate = std::max(0, covered - onWay + lands);
            nodes.push_back(SearchNode{n, static_cast<int16_t>(b), static_cast<int16_t>(a),
                                       static_cast<int16_t>(node.depth + 1),
                                       static_cast<int16_t>(estimate)});
            frontier.push_back(
                HeapKey(estimate * 8 + node.depth + 1, static_cast<int>(nodes.size()) - 1));
            std::push_heap(frontier.begin(), frontier.end(), std::greater<>());
        }
    }
}

} // namespace fenx
