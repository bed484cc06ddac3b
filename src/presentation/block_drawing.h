// Tetrominoes drawn from their cell tiles at any pixel position.
#pragma once

#include "presentation/sprite_sheet.h"
#include "presentation/surface_view.h"

namespace fenx {

// The four cells of a block whose anchor cell has its top-left corner at
// (px, py); cell j lies (dx_j, dy_j) x 16 pixels further. `colour` is the
// block's kind 0..6 or FlashColour; a fixed block shows the isolated cell in
// all four places. Parts outside the destination are clipped away; an
// orientation or colour out of range draws nothing.
void DrawBlock(SurfaceView destination, const SpriteSheet& sheet, int px, int py, int orientation,
               int colour, bool fixed);

// The dotted outline of a held block, phase 0..3, laid over the cells drawn
// by DrawBlock at the same place. Out-of-range arguments draw nothing.
void DrawBlockOutline(SurfaceView destination, const SpriteSheet& sheet, int px, int py,
                      int orientation, int phase);

} // namespace fenx
