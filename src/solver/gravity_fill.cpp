// Filling a target slot by slot: a slot is ready once every slot between it
// and the wall is filled, and takes the nearest free block of its
// orientation that can walk there with all other blocks held still.
#include <climits>

#include "solver/planner_work.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

// Fixed blocks fill the slots they lie on; false when one lies on none.
bool PlannerWork::AssignFixed() {
    for (int s = 0; s < slotCount; ++s) {
        slotBlock[U(s)] = -1;
    }
    for (int b = 0; b < count; ++b) {
        blockSlot[U(b)] = -1;
    }
    filled = {};
    for (int b = 0; b < count; ++b) {
        if (fixed[U(b)] == 0) {
            continue;
        }
        int found = -1;
        for (int s = 0; s < slotCount && found < 0; ++s) {
            if (slotBlock[U(s)] < 0 && slotOrientation[U(s)] == orientation[U(b)] &&
                slotAnchor[U(s)] == anchor[U(b)]) {
                found = s;
            }
        }
        if (found < 0) {
            return false;
        }
        Assign(found, b);
    }
    return true;
}

bool PlannerWork::Fill(int budget) {
    if (!AssignFixed()) {
        return false;
    }
    const std::size_t moveLimit = static_cast<std::size_t>(30 * count + 50);
    int open = slotCount;
    for (int s = 0; s < slotCount; ++s) {
        open -= slotBlock[U(s)] >= 0 ? 1 : 0;
    }
    for (;;) {
        // Blocks already standing on a ready slot of their orientation.
        for (bool again = true; again;) {
            again = false;
            for (int s = 0; s < slotCount; ++s) {
                const int v = grid.cells[U(slotAnchor[U(s)])];
                if (v >= 0 && SlotReady(s) && Movable(v) &&
                    orientation[U(v)] == slotOrientation[U(s)] &&
                    anchor[U(v)] == slotAnchor[U(s)]) {
                    Assign(s, v);
                    --open;
                    again = true;
                }
            }
        }
        if (open == 0) {
            return true;
        }
        if (OutOfTime() || moves.size() > moveLimit) {
            return false;
        }
        std::array<bool, kOrientationCount> wanted{};
        for (int s = 0; s < slotCount; ++s) {
            if (SlotReady(s)) {
                wanted[U(slotOrientation[U(s)])] = true;
            }
        }
        int best = INT_MAX;
        int bestBlock = -1;
        int bestSlot = -1;
        for (int b = 0; b < count; ++b) {
            if (!Movable(b) || !wanted[U(orientation[U(b)])]) {
                continue;
            }
            Reach(b, -1, best);
            for (int s = 0; s < slotCount; ++s) {
                const int a = slotAnchor[U(s)];
                if (slotOrientation[U(s)] == orientation[U(b)] && SlotReady(s) &&
                    seen[U(a)] == stamp && distance[U(a)] < best) {
                    best = distance[U(a)];
                    bestBlock = b;
                    bestSlot = s;
                }
            }
        }
        if (bestBlock >= 0) {
            Reach(bestBlock, slotAnchor[U(bestSlot)]);
            MoveAlongSearch(bestBlock, slotAnchor[U(bestSlot)]);
            Assign(bestSlot, bestBlock);
            --open;
            continue;
        }
        // Evicting the blocks on the cheapest way is quick and usually
        // enough; the search over moves near the way takes the rest.
        if (!ClearByEviction() && !ClearWay(budget)) {
            return false;
        }
    }
}

} // namespace fenx
