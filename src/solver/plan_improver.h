// Makes a found plan shorter without ever making it longer or illegal. A
// plan is read as the stops of its moves (which block goes to which
// anchor, in order); each stop is walked by the shortest way the field
// leaves it at that moment, so a detour the planner took shrinks to the
// direct way. Then, where a block moves twice, the first move is dropped
// (the block waits) or takes it straight to where the second goes, when
// the moves between still fit and the steps do not grow. Where the
// planner has the search over whole positions, the whole plan is searched
// again best first in single steps, near the fewest; each window of a few
// moves is walked again the shortest way between its two ends, pass after
// pass while one shortens it; and last the tail of the plan is solved
// again exactly, a few moves longer each time while each search still
// comes to an end in its budget. The searches split one block's moves
// into many drags; joining moves of the same block once more at the end
// gathers them again.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/anchor_search.h"
#include "solver/budget.h"
#include "solver/exact_search.h"
#include "solver/position.h"
#include "solver/solver_grid.h"

namespace fenx {

class PlanImprover {
  public:
    PlanImprover(Position& p, AnchorSearch& reach) : p_(p), reach_(reach) {
        stops_.reserve(kPlanMoveCapacity);
        trial_.reserve(kPlanMoveCapacity);
        foundMoves_.reserve(kPlanMoveCapacity);
        foundPath_.reserve(kPlanPathCapacity);
    }

    // p's plan ends solved; afterwards it still does, with no more single
    // steps than before and p standing where the plan ends. `exact` (may be
    // null) re-solves tails, expanding at most `positions` per search. The
    // searches stop with `budget`; the last joins take a little of `whole`
    // (the planning's own budget) beyond it.
    void Improve(Budget& budget, const Budget& whole, ExactSearch* exact, long positions);

    // Single steps of p's plan.
    static int Steps(const Position& p);

  private:
    struct Stop {
        int16_t block;
        int16_t from;
        int16_t to;
        int16_t steps; // of the shortest walk there, when last walked
    };
    // The steps of stops_, as last walked.
    int StopSteps() const;
    // The stops of p's plan, moves that go nowhere left out.
    void ReadStops();
    // Walks stops_ from p's start into p's plan; false (p then half way)
    // when a stop cannot be reached.
    bool WalkStops(std::size_t count);
    // One stop walked by the shortest way from where p stands, its from
    // and steps noted; false when it cannot be reached.
    bool WalkStop(Stop& s);
    // Each stop's steps, walked on the scratch grid from the start.
    bool MeasureStops();
    // Stop i's block moves again at stop j: tries stop i dropped, and stop
    // i sent on to stop j's anchor with stop j dropped, keeping the change
    // when every stop between still fits and the steps do not grow. The
    // scratch grid stands before stop i.
    bool TryJoin(std::size_t i, std::size_t j);
    // TryJoin over the whole plan, pass after pass while one joins.
    void JoinStops(Budget& budget);
    // Walks every stop from p's start into p's plan: true when each can be
    // walked and the field is solved after the last and after no other
    // (the stage ends with the first drag that solves it). A stage may
    // start on full and empty rows; it still takes a move to solve it, so
    // an empty plan is false.
    bool WalkStopsSolvedOnlyAtLast();
    // Walks trial_ from the scratch grid; false when a stop cannot be
    // reached, else `steps` is their sum.
    bool WalkTrial(int& steps);
    // One stop walked on a grid; its steps, or -1.
    int WalkOn(SolverGrid& grid, std::array<int16_t, kMaxBlocks>& anchor, Stop& s);
    // The stops from i on, as many as make at most a window of single
    // steps, walked again the shortest way between the window's ends; true
    // when shorter. `sound` false when the plan could not be walked.
    bool ShortenWindow(std::size_t i, Budget& budget, ExactSearch& exact, long positions,
                       bool& sound);
    // The whole plan searched again from the start, best first with the
    // steps still to go weighed `weight` quarters of a step; true when it
    // found a shorter way, which the stops then hold, walked (`sound`
    // false when they could not be).
    bool SearchFromStart(Budget& budget, ExactSearch& exact, long positions, int weight,
                         bool& sound);
    // The tail from stop `from` on solved again exactly; true when shorter.
    // `ended` tells whether the search came to its end (no shorter way
    // left) rather than out of room or budget.
    bool SolveTail(std::size_t from, Budget& budget, ExactSearch& exact, long positions,
                   bool& ended);

    Position& p_;
    AnchorSearch& reach_;
    std::vector<Stop> stops_;
    std::vector<Stop> trial_;
    SolverGrid grid_;
    std::array<int16_t, kMaxBlocks> anchor_{};
    SolverGrid trialGrid_;
    std::array<int16_t, kMaxBlocks> trialAnchor_{};
    // The plan as found, given back should anything go wrong.
    std::vector<PlannedMove> foundMoves_;
    std::vector<Cell> foundPath_;
};

} // namespace fenx
