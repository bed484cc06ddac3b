#include "presentation/block_drawing.h"

#include "core/shapes.h"
#include "presentation/blit.h"
#include "presentation/sheet_layout.h"

namespace fenx {
namespace {

bool ValidOrientation(int orientation) {
    return orientation >= 0 && orientation < kOrientationCount;
}

// The four cells of an orientation anchored at (px, py), cell j in the
// tile tileOf(j).
template <class TileOf>
void DrawCells(SurfaceView destination, const SpriteSheet& sheet, int px, int py, int orientation,
               TileOf tileOf) {
    for (int j = 0; j < 4; ++j) {
        const CellOffset cell = ShapeTable[orientation][j];
        DrawTile(destination, px + cell.dx * kTileSize, py + cell.dy * kTileSize, sheet, tileOf(j));
    }
}

} // namespace

void DrawBlock(SurfaceView destination, const SpriteSheet& sheet, int px, int py, int orientation,
               int colour, bool fixed) {
    if (!ValidOrientation(orientation) || colour < 0 || colour >= kColourCount) {
        return;
    }
    DrawCells(destination, sheet, px, py, orientation,
              [&](int cell) { return BlockCellTile(orientation, cell, colour, fixed); });
}

void DrawBlockOutline(SurfaceView destination, const SpriteSheet& sheet, int px, int py,
                      int orientation, int phase) {
    if (!ValidOrientation(orientation) || phase < 0 || phase >= kOutlinePhaseCount) {
        return;
    }
    DrawCells(destination, sheet, px, py, orientation,
              [&](int cell) { return OutlineCellTile(orientation, cell, phase); });
}

} // namespace fenx
