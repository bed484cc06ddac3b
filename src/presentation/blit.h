// The one way pictures reach a surface: a rectangle of the sprite sheet is
// copied byte by byte, clipped to the destination, with pixel value 0 left
// out so that what lies below shows through.
#pragma once

#include "presentation/sheet_layout.h"
#include "presentation/sprite_sheet.h"
#include "presentation/surface_view.h"

namespace fenx {

// Copies the w x h sheet rectangle at (sx, sy) so that its top-left corner
// lands on destination pixel (x, y), which may lie outside the destination.
// Only the part inside the destination is written (half-open rectangles,
// as an empty intersection is nothing), and source pixels of value 0 leave
// the destination unchanged. Returns false, drawing nothing, when no part
// lies inside. The source rectangle must lie inside the sheet; a rectangle
// that does not is refused (false) rather than read past the sheet.
bool BlitKeyed(SurfaceView destination, int x, int y, const SpriteSheet& sheet, int sx, int sy,
               int w, int h);

// BlitKeyed of sheet tile `tile` to (x, y). A tile wholly inside the
// destination takes a faster path with the same result.
bool DrawTile(SurfaceView destination, int x, int y, const SpriteSheet& sheet, SheetTile tile);

} // namespace fenx
