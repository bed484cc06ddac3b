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

// Assigns each free block standing on a ready slot of its orientation, as
// long as the slots so filled make more ready; returns how many.
int PlannerWork::AssignStandingBlocks() {
    int assigned = 0;
    for (bool again = true; again;) {
        again = false;
        for (int s = 0; s < slotCount; ++s) {
            const int v = grid.cells[U(slotAnchor[U(s)])];
            if (v >= 0 && SlotReady(s) && Movable(v) &&
                orientation[U(v)] == slotOrientation[U(s)] && anchor[U(v)] == slotAnchor[U(s)]) {
                Assign(s, v);
                ++assigned;
                again = true;
            }
        }
    }
    return assigned;
}

// The free block nearest, in single steps with the others held still, to a
// ready slot of its orientation, and that slot; false when no free block
// can walk to one.
bool PlannerWork::NearestToReadySlot(int& block, int& slot) {
    std::array<bool, kOrientationCount> wanted{};
    for (int s = 0; s < slotCount; ++s) {
        if (SlotReady(s)) {
            wanted[U(slotOrientation[U(s)])] = true;
        }
    }
    int best = INT_MAX;
    block = -1;
    slot = -1;
    for (int b = 0; b < count; ++b) {
        if (!Movable(b) || !wanted[U(orientation[U(b)])]) {
            continue;
        }
        Reach(b, -1, best);
        for (int s = 0; s < slotCount; ++s) {
            const int a = slotAnchor[U(s)];
            if (slotOrientation[U(s)] == orientation[U(b)] && SlotReady(s) && seen[U(a)] == stamp &&
                distance[U(a)] < best) {
                best = distance[U(a)];
                block = b;
                slot = s;
            }
        }
    }
    return block >= 0;
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
        open -= AssignStandingBlocks();
        if (open == 0) {
            return true;
        }
        if (OutOfTime() || moves.size() > moveLimit) {
            return false;
        }
        int block = -1;
        int slot = -1;
        if (NearestToReadySlot(block, slot)) {
            Reach(block, slotAnchor[U(slot)]);
            MoveAlongSearch(block, slotAnchor[U(slot)]);
            Assign(slot, block);
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
