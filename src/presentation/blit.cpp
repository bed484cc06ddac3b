#include "presentation/blit.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace fenx {
namespace {

bool SourceInsideSheet(int sx, int sy, int w, int h) {
    return sx >= 0 && sy >= 0 && w >= 0 && h >= 0 && int64_t{sx} + w <= kSheetWidth &&
           int64_t{sy} + h <= kSheetHeight;
}

// One tile row as a 16-byte vector select: where the source byte is 0 the
// destination byte is kept. The whole row is read and written back, which
// leaves the kept bytes as they were.
using TileRow = uint8_t __attribute__((vector_size(kTileSize)));

inline void CopyKeyedTileRow(uint8_t* destination, const uint8_t* source) {
    TileRow s;
    TileRow d;
    std::memcpy(&s, source, sizeof s);
    std::memcpy(&d, destination, sizeof d);
    const TileRow transparent = s == TileRow{};
    d = (d & transparent) | (s & ~transparent);
    std::memcpy(destination, &d, sizeof d);
}

} // namespace

bool BlitKeyed(SurfaceView destination, int x, int y, const SpriteSheet& sheet, int sx, int sy,
               int w, int h) {
    if (!SourceInsideSheet(sx, sy, w, h)) {
        return false;
    }
    // Wide arithmetic: positions far outside the surface must not overflow.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + w, destination.width);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + h, destination.height);
    if (left >= right || top >= bottom) {
        return false;
    }
    const auto count = static_cast<std::ptrdiff_t>(right - left);
    const int sourceX = sx + static_cast<int>(left - x);
    for (auto py = static_cast<int>(top); py < bottom; ++py) {
        uint8_t* d =
            destination.pixels + static_cast<std::ptrdiff_t>(py) * destination.stride + left;
        const uint8_t* s = sheet.rowStart(sy + py - y) + sourceX;
        for (std::ptrdiff_t i = 0; i < count; ++i) {
            const uint8_t v = s[i];
            d[i] = v != 0 ? v : d[i];
        }
    }
    return true;
}

bool DrawTile(SurfaceView destination, int x, int y, const SpriteSheet& sheet, SheetTile tile) {
    const int sx = tile.column * kTileSize;
    const int sy = tile.row * kTileSize;
    const bool inside = x >= 0 && y >= 0 && x <= destination.width - kTileSize &&
                        y <= destination.height - kTileSize;
    if (!inside || !SourceInsideSheet(sx, sy, kTileSize, kTileSize)) {
        return BlitKeyed(destination, x, y, sheet, sx, sy, kTileSize, kTileSize);
    }
    uint8_t* d = destination.pixels + static_cast<std::ptrdiff_t>(y) * destination.stride + x;
    const uint8_t* s = sheet.rowStart(sy) + sx;
    for (int row = 0; row < kTileSize; ++row) {
        CopyKeyedTileRow(d, s);
        d += destination.stride;
        s -= kSheetWidth; // the sheet's rows run bottom-up
    }
    return true;
}

} // namespace fenx
