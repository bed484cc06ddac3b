// Pixel designs of the 96 characters 32..127 of the sprite font.
#pragma once

#include <array>

namespace fenx::sheet {

inline constexpr int kGlyphCount = 96;
inline constexpr int kGlyphRows = 10;

// Each glyph is ten rows of '#' (stroke) and '.' (empty), all rows equally
// long. Rows 0..7 hold capitals, 2..7 the small letters, 8..9 descenders.
// Five-wide designs are single-stroke drawings that the font thickens to
// six; wider designs are already drawn bold and are used as they are.
using GlyphDesign = std::array<const char*, kGlyphRows>;
extern const std::array<GlyphDesign, kGlyphCount> kGlyphDesigns;

} // namespace fenx::sheet
