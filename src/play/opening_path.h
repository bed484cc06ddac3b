// The straight flight of a block during the opening fly-in.
#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace fenx {

// Client pixel coordinate of a block's anchor on fly-in step t (32 down to
// 0): from the opening coordinate `from` at t = 32 to the pixel of field
// column or row `cell` at t = 0. The division truncates toward zero.
constexpr int32_t OpeningCoordinate(int32_t from, int32_t cell, int32_t t) {
    return (from * t + CellPixel(cell) * (32 - t)) / 32;
}

} // namespace fenx
