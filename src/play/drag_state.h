// The block held with the left button or carried by the keys (while play's
// mode holds one).
#pragma once

#include <cstdint>

#include "core/board.h"

namespace fenx {

// What holds the block. A block held by the mouse follows the cursor and is
// let go when the button is; one carried by the keys takes one step per
// key and is put down by a key (or by any mouse press).
enum class DragHand : uint8_t { Mouse, Keys };

struct DragState {
    int32_t block = 0; // index of the held block; kept after the drag ends
    // The field cell of the grab point: the cell under the cursor (or the
    // keyboard cursor) at pick-up, moved with every step, so the block keeps
    // its offset to the cursor.
    int32_t cellX = 0;
    int32_t cellY = 0;
    // Display tick of the drag look: 0 at pick-up, +1 per timer tick, -1
    // once the drag has ended.
    int32_t tick = -1;
    DragHand hand = DragHand::Mouse;
    Cell from{0, 0}; // the block's anchor cell at pick-up
};

} // namespace fenx
