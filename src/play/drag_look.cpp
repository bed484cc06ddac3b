#include "play/drag_look.h"

#include "core/geometry.h"
#include "core/shapes.h"
#include "presentation/sheet_layout.h"

namespace fenx {

int DraggedBlockColour(int32_t mode, int32_t tick, int kind) {
    return mode == DragFlash && (tick & 3) == 1 ? FlashColour : kind;
}

int DraggedBlockOutlinePhase(int32_t mode, int32_t tick) {
    return mode == DragDotted && tick >= 0 ? tick & 3 : -1;
}

SurfaceRect DraggedBlockArea(int orientation, int column, int row, int dx, int dy) {
    Bounds b = OrientationBounds[orientation];
    if (dx > 0) {
        ++b.maxX;
    } else if (dx < 0) {
        --b.minX;
    }
    if (dy > 0) {
        ++b.maxY;
    } else if (dy < 0) {
        --b.minY;
    }
    const int column0 = column - dx;
    const int row0 = row - dy;
    return {CellPixel(column0 + b.minX), CellPixel(row0 + b.minY), (b.maxX - b.minX) * kCellPixels,
            (b.maxY - b.minY) * kCellPixels};
}

} // namespace fenx
