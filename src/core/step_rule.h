// The movement rule of a held block: one step of at most one cell on each
// axis, taken only when every cell the block would cover afterwards is free
// or its own. Only the destination counts, so a diagonal step passes between
// two blocks that touch at a corner. The cells around the field are
// CellOutside, so the edge stops a block like any other block.
#pragma once

#include "core/block.h"
#include "core/board.h"

namespace fenx {

bool StepFits(const Board& board, const Block& block, int index, int dx, int dy);

} // namespace fenx
