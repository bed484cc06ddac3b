#include "solver/eviction.h"

#include <algorithm>
#include <climits>

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

constexpr int kEvictionsPerClearing = 64;

} // namespace

bool Eviction::HoldsAnything() const {
    return std::any_of(reserved_.begin(), reserved_.end(), [](uint8_t n) { return n != 0; }) ||
           std::any_of(pinned_.begin(), pinned_.end(), [](uint8_t n) { return n != 0; });
}

// Adds (by +1) or takes away (by -1) the cells block b covers along `anchors`
// to the cells no evicted block may park on.
void Eviction::ReserveWay(int b, std::span<const int16_t> anchors, int by) {
    reserveSeen_.Clear();
    for (int a : anchors) {
        for (int off : SolverOffsets[U(p_.orientation[U(b)])]) {
            const int cell = a + off;
            if (!reserveSeen_.Contains(cell)) {
                reserveSeen_.Insert(cell);
                reserved_[U(cell)] = static_cast<uint8_t>(reserved_[U(cell)] + by);
            }
        }
    }
}

// Walks block c to the best place it can reach now that is clear of every
// reserved cell: off open slots if it can, then near. True when it moved.
bool Eviction::ParkNow(int c) {
    reach_.Reach(p_, c, -1);
    const auto& offsets = SolverOffsets[U(p_.orientation[U(c)])];
    int best = INT_MAX;
    int bestAt = -1;
    for (int a : reach_.Found().subspan(1)) {
        int score = reach_.Distance(a);
        bool clear = true;
        for (int off : offsets) {
            const int cell = a + off;
            clear = clear && reserved_[U(cell)] == 0;
            score += t_.OnOpenSlot(cell) ? kOpenSlotPenalty : 0;
        }
        if (clear && score < best) {
            best = score;
            bestAt = a;
        }
    }
    if (bestAt < 0) {
        return false;
    }
    reach_.MoveTo(p_, c, bestAt);
    return true;
}

// The cheapest relaxed way for block c to any place clear of the reserved
// cells (Dijkstra: the goal is a region, not a point). False when there is
// none.
bool Eviction::RelaxedWayOut(int c) {
    PriceForFilling(relaxed_.Prices(), p_, t_, pinned_);
    const int start = p_.anchor[U(c)];
    const auto& offsets = SolverOffsets[U(p_.orientation[U(c)])];
    const auto clear = [&](int at) {
        return at != start && reserved_[U(at + offsets[0])] == 0 &&
               reserved_[U(at + offsets[1])] == 0 && reserved_[U(at + offsets[2])] == 0 &&
               reserved_[U(at + offsets[3])] == 0;
    };
    return relaxed_.Search(
               start, offsets, [](int) { return 0; }, clear, INT_MAX) >= 0;
}

// Evicts every movable block, other than `self`, that covers a cell block
// `self` would cover walking along `anchors` (goal first), nearest to
// `self` first. False when one could not be moved off.
bool Eviction::EvictAlong(int self, std::span<const int16_t> anchors, int depth) {
    const auto& offsets = SolverOffsets[U(p_.orientation[U(self)])];
    for (auto it = anchors.rbegin(); it != anchors.rend(); ++it) {
        for (int off : offsets) {
            const int v = p_.grid.cells[U(*it + off)];
            if (v >= 0 && v != self && t_.Free(p_, v) && pinned_[U(v)] == 0 && !Evict(v, depth)) {
                return false;
            }
        }
    }
    return true;
}

// Moves block c clear of the reserved cells, clearing its own way out first
// when it cannot get there at once.
bool Eviction::Evict(int c, int depth) {
    if (++evictions_ > kEvictionsPerClearing) {
        return false;
    }
    if (ParkNow(c)) {
        return true;
    }
    if (depth >= maxDepth_ || !RelaxedWayOut(c)) {
        return false;
    }
    return ClearFoundWay(c, depth + 1) && ParkNow(c);
}

// Evicts the blocks on the way just found for block b, which meanwhile
// stays where it is, with that way reserved. False when one could not be
// moved off.
bool Eviction::ClearFoundWay(int b, int depth) {
    // The way is kept on this frame: deeper evictions search ways of their
    // own.
    std::array<int16_t, kSolverCells> kept{};
    const std::span<const int16_t> way = relaxed_.Way();
    std::copy(way.begin(), way.end(), kept.begin());
    const std::span<const int16_t> anchors(kept.data(), way.size());
    ReserveWay(b, anchors, 1);
    pinned_[U(b)] = 1;
    const bool cleared = EvictAlong(b, anchors, depth);
    pinned_[U(b)] = 0;
    ReserveWay(b, anchors, -1);
    return cleared;
}

bool Eviction::Clear() {
    const int mover = cheapest_.Find(p_, t_, relaxed_);
    if (mover < 0) {
        return false;
    }
    const std::size_t before = p_.moves.size();
    evictions_ = 0;
    ClearFoundWay(mover, 1);
    return p_.moves.size() > before;
}

} // namespace fenx
