// Clearing a way by evicting the blocks on it one by one, each to the
// nearest place off every way being cleared. A block that cannot get out at
// once first has the blocks on its own cheapest way out evicted, a few
// levels deep, while the blocks waiting on it stay put. Greedy and quick: it
// settles jams that a search over the moves of the blocks near the way
// would have to go many moves deep to undo.
#include <algorithm>
#include <climits>

#include "solver/relaxed_search.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

constexpr int kEvictionsPerClearing = 64;

} // namespace

// Adds (by +1) or takes away (by -1) the cells block b covers along `anchors`
// to the cells no evicted block may park on.
void PlannerWork::ReserveWay(int b, std::span<const int16_t> anchors, int by) {
    if (++reserveStamp == 0) {
        reserveSeen.fill(0);
        reserveStamp = 1;
    }
    for (int a : anchors) {
        for (int off : SolverOffsets[U(orientation[U(b)])]) {
            const int cell = a + off;
            if (reserveSeen[U(cell)] != reserveStamp) {
                reserveSeen[U(cell)] = reserveStamp;
                reserved[U(cell)] = static_cast<uint8_t>(reserved[U(cell)] + by);
            }
        }
    }
}

// Walks block c to the best place it can reach now that is clear of every
// reserved cell: off open slots if it can, then near. True when it moved.
bool PlannerWork::ParkNow(int c) {
    Reach(c, -1);
    const auto& offsets = SolverOffsets[U(orientation[U(c)])];
    int best = INT_MAX;
    int bestAt = -1;
    for (int q = 1; q < queued; ++q) {
        const int a = queue[U(q)];
        int score = distance[U(a)];
        bool clear = true;
        for (int off : offsets) {
            const int cell = a + off;
            clear = clear && reserved[U(cell)] == 0;
            const int t = targetOwner[U(cell)];
            score += (t >= 0 && slotBlock[U(t)] < 0) ? kOpenSlotPenalty : 0;
        }
        if (clear && score < best) {
            best = score;
            bestAt = a;
        }
    }
    if (bestAt < 0) {
        return false;
    }
    MoveAlongSearch(c, bestAt);
    return true;
}

// The cheapest relaxed way for block c to any place clear of the reserved
// cells (Dijkstra: the goal is a region, not a point); its anchors go to
// `way`, goal first. False when there is none.
bool PlannerWork::RelaxedWayOut(int c) {
    PriceCells();
    const int start = anchor[U(c)];
    const auto& offsets = SolverOffsets[U(orientation[U(c)])];
    const auto clear = [&](int at) {
        return at != start && reserved[U(at + offsets[0])] == 0 &&
               reserved[U(at + offsets[1])] == 0 && reserved[U(at + offsets[2])] == 0 &&
               reserved[U(at + offsets[3])] == 0;
    };
    return RelaxedSearch(
               c, [](int) { return 0; }, clear, INT_MAX) >= 0;
}

// Evicts every movable block, other than `self`, that covers a cell block
// `self` would cover walking along `anchors` (goal first), nearest to
// `self` first. False when one could not be moved off.
bool PlannerWork::EvictAlong(int self, std::span<const int16_t> anchors, int depth) {
    const auto& offsets = SolverOffsets[U(orientation[U(self)])];
    for (auto it = anchors.rbegin(); it != anchors.rend(); ++it) {
        for (int off : offsets) {
            const int v = grid.cells[U(*it + off)];
            if (v >= 0 && v != self && Movable(v) && pinned[U(v)] == 0 && !Evict(v, depth)) {
                return false;
            }
        }
    }
    return true;
}

// Moves block c clear of the reserved cells, clearing its own way out first
// when it cannot get there at once.
bool PlannerWork::Evict(int c, int depth) {
    if (++evictions > kEvictionsPerClearing) {
        return false;
    }
    if (ParkNow(c)) {
        return true;
    }
    if (depth >= evictionDepth || !RelaxedWayOut(c)) {
        return false;
    }
    return ClearFoundWay(c, depth + 1) && ParkNow(c);
}

// Evicts the blocks on the way just found for block b, which meanwhile
// stays where it is, with that way reserved. False when one could not be
// moved off.
bool PlannerWork::ClearFoundWay(int b, int depth) {
    // The way is kept on this frame: deeper evictions search ways of their
    // own.
    std::array<int16_t, kSolverCells> kept{};
    const int length = wayLength;
    std::copy_n(way.begin(), length, kept.begin());
    const std::span<const int16_t> anchors(kept.data(), static_cast<std::size_t>(length));
    ReserveWay(b, anchors, 1);
    pinned[U(b)] = 1;
    const bool cleared = EvictAlong(b, anchors, depth);
    pinned[U(b)] = 0;
    ReserveWay(b, anchors, -1);
    return cleared;
}

// Clears the cheapest relaxed way to a ready slot by evicting the blocks on
// it. True when it moved anything.
bool PlannerWork::ClearByEviction() {
    const int mover = MarkCheapestWay();
    if (mover < 0) {
        return false;
    }
    const std::size_t before = moves.size();
    evictions = 0;
    ClearFoundWay(mover, 1);
    return moves.size() > before;
}

} // namespace fenx
