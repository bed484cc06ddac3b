// The 256 colours of the surfaces, as 0xAARRGGBB values that an indexed
// image can take directly.
#pragma once

#include <array>
#include <cstdint>

#include "presentation/sprite_sheet.h"

namespace fenx {

using ColourTable = std::array<uint32_t, 256>;

// Entries 10..245 are the sheet's own colours; 0..9 and 246..255 are the
// twenty fixed colours of a palette display, which no sheet pixel uses. So a
// sheet pixel value means the same colour on the surface: drawing copies
// bytes without translation.
ColourTable SurfaceColourTable(const SpriteSheet& sheet);

} // namespace fenx
