// The application icon: four interlocking pieces filling a 4 x 4 square,
// drawn with the block shading at each icon size.
#pragma once

#include <array>

#include "palette.h"
#include "png_writer.h"

namespace fenx::sheet {

inline constexpr std::array<int, 6> kIconSizes = {16, 32, 48, 64, 128, 256};

RgbaImage RenderIcon(int size, const std::array<Rgb, 256>& palette);

} // namespace fenx::sheet
