// When a stage is solved.
#pragma once

#include "core/board.h"

namespace fenx {

// The W x 2H field holds exactly H blocks' worth of rows: solved when H rows
// are completely covered and every other row completely free. The full rows
// need not be adjacent. A row mixing free and covered cells fails at once.
bool IsStageComplete(const Board& board, int width, int height);

} // namespace fenx
