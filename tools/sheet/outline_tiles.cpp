#include "outline_tiles.h"

#include "cell_edges.h"
#include "palette.h"
#include "sheet_layout.h"

namespace fenx::sheet {

namespace {

// Dashes of four light and four dark pixels; each phase moves them two pixels
// on, clockwise round the piece, so four phases make one full period.
constexpr int kOutlineWidth = 2;
constexpr int kDashPeriod = 8;
constexpr int kDashStep = 2;

uint8_t OutlinePixel(const Neighbours& n, int x, int y, int phase) {
    const Stroke stroke = StrokeAt(n, x, y, kTile);
    if (stroke.depth >= kOutlineWidth) {
        return kTransparent;
    }
    const int t = PerimeterPosition(stroke.side, x, y, kTile) - phase * kDashStep;
    const int step = ((t % kDashPeriod) + kDashPeriod) % kDashPeriod;
    return step < kDashPeriod / 2 ? kWhite : kInk;
}

} // namespace

void DrawOutlines(SheetImage& sheet) {
    for (int phase = 0; phase < kOutlinePhases; ++phase) {
        for (const TileRule& rule : kTileRules) {
            const int left = (phase * 4 + rule.column) * kTile;
            const int top = (kOutlineRow + rule.row) * kTile;
            for (int y = 0; y < kTile; ++y) {
                for (int x = 0; x < kTile; ++x) {
                    sheet.set(left + x, top + y, OutlinePixel(rule.neighbours, x, y, phase));
                }
            }
        }
    }
}

} // namespace fenx::sheet
