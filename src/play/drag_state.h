// The block held with the left button (while play's mode holds one).
#pragma once

#include <cstdint>

namespace fenx {

struct DragState {
    int32_t block = 0; // index of the held block; kept after the drag ends
    // The field cell of the grab point: the cell under the cursor at pick-up,
    // moved with every step, so the block keeps its offset to the cursor.
    int32_t cellX = 0;
    int32_t cellY = 0;
    // Display tick of the drag look: 0 at pick-up, +1 per timer tick, -1
    // once the drag has ended.
    int32_t tick = -1;
};

} // namespace fenx
