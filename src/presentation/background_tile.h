// The tile that fills every field cell. It changes with the time of day: a
// stage takes the tile of the local hour at which it starts.
#pragma once

#include <array>

#include "presentation/sheet_layout.h"

namespace fenx {

// Indexed by the local hour mod 12.
inline constexpr std::array<SheetTile, 12> BackgroundTileTable = {{
    {5, 3},
    {8, 2},
    {3, 2},
    {4, 2},
    {4, 3},
    {6, 2},
    {5, 2},
    {7, 3},
    {8, 3},
    {7, 2},
    {3, 3},
    {6, 3},
}};

// The background for a local hour 0..23 (the caller reads the clock).
constexpr SheetTile SelectBackgroundTile(int hour) {
    return BackgroundTileTable[static_cast<unsigned>((hour % 12 + 12) % 12)];
}

} // namespace fenx
