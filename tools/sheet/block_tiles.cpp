#include "block_tiles.h"

#include "cell_edges.h"
#include "palette.h"
#include "sheet_layout.h"

namespace fenx::sheet {

namespace {

// Rim thickness in pixels for a cell of the given size (2 at 16 pixels).
int RimWidth(int size) {
    return size >= 12 ? size / 8 : 1;
}

bool IsIsolated(const Neighbours& n) {
    return !n.up && !n.right && !n.down && !n.left;
}

} // namespace

int BlockPixel(int colour, const Neighbours& n, int x, int y, int size) {
    const int rim = RimWidth(size);
    const Stroke stroke = StrokeAt(n, x, y, size);
    const bool lit = IsLit(stroke.side);
    if (stroke.depth < rim) {
        // Outer half of the rim is the extreme shade, inner half the softer one.
        const bool outer = stroke.depth * 2 < rim;
        return BlockShade(colour, lit ? (outer ? kHighlight : kLight) : (outer ? kDeep : kDark));
    }
    // A lone square (a block that cannot move) carries a sunken plate: a rim
    // lit the other way round, so it reads as bolted down.
    if (IsIsolated(n) && size >= 12) {
        const int plate = rim + size / 8;
        if (stroke.depth == plate) {
            return BlockShade(colour, lit ? kDark : kLight);
        }
    }
    return BlockShade(colour, kFace);
}

void DrawColourBlocks(SheetImage& sheet) {
    for (int colour = 0; colour < kBlockColourCount; ++colour) {
        const TilePlace base = kColourBlockBase[colour];
        for (const TileRule& rule : kTileRules) {
            const int left = (base.column + rule.column) * kTile;
            const int top = (base.row + rule.row) * kTile;
            for (int y = 0; y < kTile; ++y) {
                for (int x = 0; x < kTile; ++x) {
                    const int value = BlockPixel(colour, rule.neighbours, x, y, kTile);
                    sheet.set(left + x, top + y, static_cast<uint8_t>(value));
                }
            }
        }
    }
}

} // namespace fenx::sheet
