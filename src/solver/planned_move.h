// One move of a plan: a block walked along a path of anchors.
#pragma once

#include <cstdint>

namespace fenx {

// The path's first entry is the block's anchor before the move, each next
// entry one step (diagonal included) from the one before.
struct PlannedMove {
    int16_t block = 0;
    int32_t first = 0; // into the plan's path
    int32_t last = 0;  // one past the end
};

} // namespace fenx
