// How the held block looks in each drag display mode, and which part of the
// picture a redraw of it must bring to the window.
#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace fenx {

enum DragDisplayMode : int32_t {
    DragPlain = 0,  // drawn like any block
    DragFlash = 1,  // white on one timer tick in four
    DragDotted = 2, // an animated dotted outline over the block
};

// The colour a held block is drawn in: the flash colour on ticks 1, 5, 9...
// in the flash mode, else its own kind. After the drag (tick -1, and
// -1 & 3 = 3) always its own. Any stored mode other than 1 or 2 is plain.
int DraggedBlockColour(int32_t mode, int32_t tick, int kind);

// The outline phase 0..3 drawn over the held block, or -1 for none: only in
// the dotted mode and only while the drag lasts.
int DraggedBlockOutlinePhase(int32_t mode, int32_t tick);

// The area to copy after a step (dx, dy) to anchor (column, row): the
// orientation's bounds at the anchor before the step, grown by one cell on
// the side the block moved to, so it covers the old and the new cells.
// (0, 0) is a redraw in place and copies just the bounds.
SurfaceRect DraggedBlockArea(int orientation, int column, int row, int dx, int dy);

} // namespace fenx
