// Filling a target slot by slot: a slot is ready once the slots it waits
// for are filled, and takes the nearest free block of its orientation that
// can walk there with all other blocks held still. When none can, the
// blocks on the cheapest way are evicted, or else moved by the clearing
// search.
#pragma once

#include "solver/anchor_search.h"
#include "solver/budget.h"
#include "solver/eviction.h"
#include "solver/path_clearing.h"
#include "solver/position.h"
#include "solver/solver_random.h"
#include "solver/target.h"

namespace fenx {

// Walks the free block nearest, in single steps with the others held
// still, to a ready slot of its orientation there, the walk joining the
// plan (the slot is not assigned). Returns the slot, with the block in
// `block`; -1 when no free block can walk to a ready slot.
int MoveNearestToReadySlot(Position& p, const Target& t, AnchorSearch& reach, int& block);

// A few random moves from where p stands, each a random free block walked
// to a random place it can reach: a fresh start for a filling that the
// position itself keeps leading into the same jam.
void Shake(Position& p, AnchorSearch& reach, SolverRandom& random, int moveCount);

class SlotFilling {
  public:
    SlotFilling(Position& p, Target& t, AnchorSearch& reach, Eviction& eviction,
                PathClearing& clearing, Budget& budget)
        : p_(p), t_(t), reach_(reach), eviction_(eviction), clearing_(clearing), budget_(budget) {}

    // Fills t from where p stands, the clearing search taking at most
    // `clearingBudget` positions each time; true when every slot is filled.
    bool Fill(int clearingBudget);

  private:
    Position& p_;
    Target& t_;
    AnchorSearch& reach_;
    Eviction& eviction_;
    PathClearing& clearing_;
    Budget& budget_;
};

} // namespace fenx
