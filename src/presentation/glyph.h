// The sprite font: character codes 32..127, drawn glyph by glyph.
#pragma once

#include <optional>
#include <string_view>

#include "presentation/sheet_layout.h"
#include "presentation/sprite_sheet.h"
#include "presentation/surface_view.h"

namespace fenx {

// The sheet rectangle of a character's glyph, or nullopt outside 32..127.
// Glyphs sit on a 10 x 12 grid, except where the artwork needed more room:
// 'm' is 12 wide, which pushes 'n' and 'o' 10 pixels right; 'A' and 'M' reach
// one pixel further right, 'B' starts one pixel later, 'V' and 'W' one
// pixel earlier.
std::optional<PixelRect> GlyphRect(int ch);

// Draws the glyph of `ch` with its top-left corner at (x, y); false when
// nothing was drawn (no such glyph, or wholly outside).
bool DrawGlyph(SurfaceView destination, int x, int y, const SpriteSheet& sheet, int ch);

// One glyph every 8 pixels; glyphs overlap by their transparent margins.
// Bytes without a glyph leave their place empty.
void DrawText(SurfaceView destination, int x, int y, const SpriteSheet& sheet,
              std::string_view text);

} // namespace fenx
