// How a held block follows the cursor. The grab cell (the block's cell that
// was under the cursor at pick-up) walks toward the cell under the cursor
// one step at a time, moving the block with it: each step tries the diagonal
// toward the target first, then of the two single-axis steps the horizontal
// one, then the vertical one. The step rule decides each try; when none of
// the tries fits, the rest of the way is dropped. The completion test runs
// after every step, so a walk that solves the stage ends on that very step.
//
// The mouse drag and the solver's drags both walk this way, so a plan made
// by the solver is exactly what the player's hand would do.
#pragma once

#include <optional>

#include "core/block.h"
#include "core/board.h"
#include "core/completion.h"

namespace fenx {

struct CellStep {
    int dx;
    int dy;
};

enum class WalkEnd {
    Reached,   // the grab cell stands on the target
    Stopped,   // no step toward the target fits
    Completed, // a step solved the stage
};

// The step block `index` (at its place in `board`) takes next when its grab
// cell walks from `grab` toward `target`; nothing when the grab cell is there
// or no tried step fits.
std::optional<CellStep> NextWalkStep(const Board& board, const Block& block, int index, Cell grab,
                                     Cell target);

// Moves block `index` by (dx, dy): its cells are freed, its anchor moves and
// its new cells take its index. The caller has checked the step rule.
void MoveBlock(Board& board, Block& block, int index, int dx, int dy);

// Walks block `index` of a width x height stage toward `target`, its grab
// cell moving along; `onStep(step)` is called after each step is made on
// the board and before the completion test.
template <typename OnStep>
WalkEnd WalkHeldBlock(Board& board, BlockList& blocks, int index, Cell& grab, Cell target,
                      int width, int height, OnStep&& onStep) {
    while (grab != target) {
        const std::optional<CellStep> step =
            NextWalkStep(board, blocks[index], index, grab, target);
        if (!step) {
            return WalkEnd::Stopped;
        }
        MoveBlock(board, blocks[index], index, step->dx, step->dy);
        grab.column += step->dx;
        grab.row += step->dy;
        onStep(*step);
        if (IsStageComplete(board, width, height)) {
            return WalkEnd::Completed;
        }
    }
    return WalkEnd::Reached;
}

} // namespace fenx
