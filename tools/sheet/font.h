// The sprite font: 96 outlined glyphs on a 10 x 12 grid below the blocks.
#pragma once

#include "sheet_image.h"

namespace fenx::sheet {

// The sheet columns the game copies for character `code` (32..127): most
// glyphs use their 10-pixel grid cell, a few are wider or shifted.
struct GlyphColumns {
    int left;
    int right; // exclusive
};
GlyphColumns GlyphColumnsOf(int code);

void DrawFont(SheetImage& sheet);

} // namespace fenx::sheet
