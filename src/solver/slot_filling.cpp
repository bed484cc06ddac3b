#include "solver/slot_filling.h"

#include <climits>

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

int MoveNearestToReadySlot(Position& p, const Target& t, AnchorSearch& reach, int& block) {
    std::array<bool, kOrientationCount> wanted{};
    for (int s = 0; s < t.slotCount; ++s) {
        if (t.SlotReady(s)) {
            wanted[U(t.slotOrientation[U(s)])] = true;
        }
    }
    int best = INT_MAX;
    block = -1;
    int slot = -1;
    for (int b = 0; b < p.count; ++b) {
        if (!t.Free(p, b) || !wanted[U(p.orientation[U(b)])]) {
            continue;
        }
        reach.Reach(p, b, -1, best);
        for (int s = 0; s < t.slotCount; ++s) {
            const int a = t.slotAnchor[U(s)];
            if (t.slotOrientation[U(s)] == p.orientation[U(b)] && t.SlotReady(s) &&
                reach.Reached(a) && reach.Distance(a) < best) {
                best = reach.Distance(a);
                block = b;
                slot = s;
            }
        }
    }
    if (slot >= 0) {
        const int to = t.slotAnchor[U(slot)];
        reach.Reach(p, block, to);
        reach.MoveTo(p, block, to);
    }
    return slot;
}

void Shake(Position& p, AnchorSearch& reach, SolverRandom& random, int moveCount) {
    for (int i = 0; i < moveCount; ++i) {
        const int b = static_cast<int>(random.Next() % static_cast<uint32_t>(p.count));
        if (!p.Movable(b)) {
            continue;
        }
        reach.Reach(p, b, -1);
        const auto found = reach.Found();
        if (found.size() > 1) {
            const auto pick = 1 + random.Next() % static_cast<uint32_t>(found.size() - 1);
            reach.MoveTo(p, b, found[pick]);
        }
    }
}

bool SlotFilling::Fill(int clearingBudget) {
    if (!t_.AssignFixed(p_)) {
        return false;
    }
    const std::size_t moveLimit = static_cast<std::size_t>(30 * p_.count + 50);
    int open = t_.slotCount;
    for (int s = 0; s < t_.slotCount; ++s) {
        open -= t_.slotBlock[U(s)] >= 0 ? 1 : 0;
    }
    for (;;) {
        open -= t_.AssignStanding(p_);
        if (open == 0) {
            return true;
        }
        if (budget_.OutOfTime() || p_.moves.size() > moveLimit) {
            return false;
        }
        int block = -1;
        if (const int slot = MoveNearestToReadySlot(p_, t_, reach_, block); slot >= 0) {
            t_.Assign(slot, block);
            --open;
            continue;
        }
        // Evicting the blocks on the cheapest way is quick and usually
        // enough; the search over moves near the way takes the rest.
        if (!eviction_.Clear() && !clearing_.Clear(clearingBudget)) {
            return false;
        }
    }
}

} // namespace fenx
