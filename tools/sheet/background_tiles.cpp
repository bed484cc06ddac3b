#include "background_tiles.h"

#include <array>

#include "palette.h"
#include "sheet_layout.h"

namespace fenx::sheet {

namespace {

int Mod(int value, int period) {
    return ((value % period) + period) % period;
}

// One gentle wave per 16 pixels, as row offsets.
constexpr std::array<int, 16> kWave = {0, 0, 1, 1, 2, 2, 2, 1, 1, 0, 0, -1, -1, -1, -1, -1};

bool Dots(int x, int y) {
    return (x % 8 == 2 && y % 8 == 2) || (x % 8 == 6 && y % 8 == 6);
}

bool Sparkles(int x, int y) {
    // A small four-pointed star and a lone dot.
    const bool star = (x == 4 && (y >= 3 && y <= 5)) || (y == 4 && (x >= 3 && x <= 5));
    return star || (x == 12 && y == 11);
}

bool Waves(int x, int y) {
    return Mod(y - kWave[x], 8) == 3;
}

bool Weave(int x, int y) {
    // Two-by-two basket weave: alternate cells carry horizontal and vertical threads.
    const bool across = ((x / 4) + (y / 4)) % 2 == 0;
    return across ? (y % 4 == 1) : (x % 4 == 1);
}

bool Bricks(int x, int y) {
    if (y % 8 == 7) {
        return true;
    }
    const int joint = (y / 8) % 2 == 0 ? 0 : 8;
    return x % 16 == joint;
}

bool Diagonals(int x, int y) {
    return Mod(x + y, 8) == 0;
}

bool Diamonds(int x, int y) {
    const int dx = Mod(x, 8) - 4;
    const int dy = Mod(y, 8) - 4;
    return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy) == 3;
}

bool Crosses(int x, int y) {
    const int cx = Mod(x, 8);
    const int cy = Mod(y, 8);
    return (cx == 4 && cy >= 3 && cy <= 5) || (cy == 4 && cx >= 3 && cx <= 5);
}

bool Scales(int x, int y) {
    // Rows of arcs, every other row shifted by half an arc.
    const int shift = (y / 8) % 2 == 0 ? 0 : 4;
    const int cx = Mod(x + shift, 8) - 4;
    const int cy = Mod(y, 8);
    const int d = cx * cx * 2 + (cy - 1) * (cy - 1) * 2;
    return d >= 24 && d <= 36 && cy > 1;
}

bool Lattice(int x, int y) {
    return Mod(x + y, 8) == 0 || Mod(x - y, 8) == 0;
}

bool Herringbone(int x, int y) {
    const int band = (x / 4) % 2;
    return band == 0 ? Mod(y + x, 4) == 0 : Mod(y - x, 4) == 0;
}

bool Grid(int x, int y) {
    return (x % 8 == 0 && y % 2 == 0) || (y % 8 == 0 && x % 2 == 0);
}

} // namespace

bool BackgroundPattern(int hour, int x, int y) {
    switch (hour) {
    case 0:
        return Sparkles(x, y);
    case 1:
        return Dots(x, y);
    case 2:
        return Diamonds(x, y);
    case 3:
        return Weave(x, y);
    case 4:
        return Scales(x, y);
    case 5:
        return Crosses(x, y);
    case 6:
        return Bricks(x, y);
    case 7:
        return Herringbone(x, y);
    case 8:
        return Diagonals(x, y);
    case 9:
        return Grid(x, y);
    case 10:
        return Waves(x, y);
    default:
        return Lattice(x, y);
    }
}

void DrawBackgrounds(SheetImage& sheet) {
    for (int hour = 0; hour < 12; ++hour) {
        // Two hours share a tint; the second of them uses the lighter tone as ground.
        const int tint = hour / 2;
        const int ground = hour % 2;
        const uint8_t base = BackgroundColour(tint, ground);
        const uint8_t pattern = BackgroundColour(tint, 1 - ground);
        const TilePlace place = kBackgroundByHour[hour];
        for (int y = 0; y < kTile; ++y) {
            for (int x = 0; x < kTile; ++x) {
                sheet.set(place.column * kTile + x, place.row * kTile + y,
                          BackgroundPattern(hour, x, y) ? pattern : base);
            }
        }
    }
}

} // namespace fenx::sheet
