#include "frame_tiles.h"

#include "cell_edges.h"
#include "palette.h"
#include "sheet_layout.h"

namespace fenx::sheet {

namespace {

// The frame is drawn as one ring-shaped piece: each tile is a cell whose
// neighbours are the frame tiles next to it, so the rims and the two engraved
// lines turn the corners without a seam.
uint8_t FramePixel(Stroke stroke) {
    const bool lit = IsLit(stroke.side);
    switch (stroke.depth) {
    case 0:
        return lit ? FrameShade(0) : kInk;
    case 1:
        return lit ? FrameShade(1) : FrameShade(3);
    case 4:
        return lit ? FrameShade(3) : FrameShade(0);
    case 5:
        return lit ? FrameShade(0) : FrameShade(3);
    default:
        return FrameShade(2);
    }
}

void DrawFrameTile(SheetImage& sheet, TilePlace place, const Neighbours& n) {
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            sheet.set(place.column * kTile + x, place.row * kTile + y,
                      FramePixel(StrokeAt(n, x, y, kTile)));
        }
    }
}

constexpr Neighbours Joined(bool up, bool right, bool down, bool left) {
    return {up, right, down, left, false, false, false, false};
}

} // namespace

void DrawFrame(SheetImage& sheet) {
    DrawFrameTile(sheet, kFrameTopLeft, Joined(false, true, true, false));
    DrawFrameTile(sheet, kFrameTopRight, Joined(false, false, true, true));
    DrawFrameTile(sheet, kFrameBottomLeft, Joined(true, true, false, false));
    DrawFrameTile(sheet, kFrameBottomRight, Joined(true, false, false, true));
    DrawFrameTile(sheet, kFrameHorizontal, Joined(false, true, false, true));
    DrawFrameTile(sheet, kFrameVertical, Joined(true, false, true, false));
}

} // namespace fenx::sheet
