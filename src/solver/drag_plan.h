// A plan as the player's hand makes it: for each move, a press on the
// block's anchor cell and the few cursor cells that the game's walk toward
// the cursor (diagonal first, then across, then down or up) follows along
// the planned path. The drags are played on a copy of the field with the
// game's own step rule and completion test, so the last drag ends exactly
// where the stage becomes solved, which can be earlier than planned.
#pragma once

#include <cstdint>
#include <vector>

#include "core/block.h"
#include "core/board.h"
#include "solver/planner.h"

namespace fenx {

struct SolverDrag {
    int16_t block = 0;
    int32_t first = 0; // into DragPlan::cells: the press, then the cursor cells
    int32_t last = 0;  // one past the end; the release is at the last cursor cell
};

struct DragPlan {
    std::vector<Cell> cells;
    std::vector<SolverDrag> drags;
    int steps = 0;       // single steps the blocks take
    bool solved = false; // the completion test fired on the last cursor cell
};

// `blocks` is the position the planner started from.
void BuildDragPlan(const BlockList& blocks, int width, int height, const Planner& planner,
                   DragPlan& plan);

} // namespace fenx
