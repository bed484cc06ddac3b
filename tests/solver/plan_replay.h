// Plans a stage in play and replays the plan through the game's own mouse
// handlers, the way fenx-cli solve's lines would be replayed.
#pragma once

#include <memory>
#include <string>

#include "solver/drag_plan.h"
#include "solver/planner.h"
#include "support/game_harness.h"

namespace fenx::testing {

struct ReplayOutcome {
    bool planned = false;
    bool solvedOnLastMove = false; // solved by the last cursor move, not before
    std::string fault;             // why not, when it was planned
    int drags = 0;
};

inline ReplayOutcome PlanAndReplay(GameHarness& h, int budgetMs = 10000, int searchBits = 21) {
    ReplayOutcome out;
    Game& game = *h.game;
    auto planner = std::make_unique<Planner>();
    const GameState& s = h.g.state;
    PlanLimits limits;
    limits.budgetMs = budgetMs;
    limits.searchBits = searchBits;
    if (!planner->Plan(h.g.blocks, s.W, s.H, limits)) {
        return out;
    }
    DragPlan plan;
    BuildDragPlan(h.g.blocks, s.W, s.H, *planner, plan);
    out.planned = plan.solved;
    out.drags = static_cast<int>(plan.drags.size());
    if (!plan.solved) {
        out.fault = "the drags do not end solved";
        return out;
    }
    for (std::size_t d = 0; d < plan.drags.size(); ++d) {
        const SolverDrag& drag = plan.drags[d];
        const Cell press = plan.cells[static_cast<std::size_t>(drag.first)];
        game.OnLeftButtonDown(CellCentrePixel(press.column), CellCentrePixel(press.row));
        if (!h.g.holding() || h.g.drag.block != drag.block) {
            out.fault = "drag " + std::to_string(d) + " picked up the wrong block";
            return out;
        }
        for (int32_t i = drag.first + 1; i < drag.last; ++i) {
            if (h.g.state.gamePhase != PhasePlaying) {
                out.fault = "solved before drag " + std::to_string(d) + " ended";
                return out;
            }
            const Cell c = plan.cells[static_cast<std::size_t>(i)];
            game.OnMouseMove(CellCentrePixel(c.column), CellCentrePixel(c.row), true, false);
        }
        if (d + 1 < plan.drags.size()) {
            if (h.g.state.gamePhase != PhasePlaying) {
                out.fault = "solved by drag " + std::to_string(d) + " before the last";
                return out;
            }
            game.OnLeftButtonUp();
        }
    }
    out.solvedOnLastMove = h.g.state.gamePhase == PhaseSolved;
    if (!out.solvedOnLastMove) {
        out.fault = "not solved after the last drag";
    }
    return out;
}

} // namespace fenx::testing
