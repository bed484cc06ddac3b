// The eight colour blocks: every way a cell can join its piece, bevelled.
#pragma once

#include "cell_edges.h"
#include "sheet_image.h"

namespace fenx::sheet {

void DrawColourBlocks(SheetImage& sheet);

// Palette index of one pixel of a block cell in the given colour; shared with
// the icon, which draws the same cells at other sizes.
int BlockPixel(int colour, const Neighbours& n, int x, int y, int size);

} // namespace fenx::sheet
