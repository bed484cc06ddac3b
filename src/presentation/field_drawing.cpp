// The field: W x 2H background cells inside a frame one cell wide.
#include "presentation/blit.h"
#include "presentation/canvas.h"

namespace fenx {

void Canvas::DrawField() {
    const int columns = fieldWidth_;
    const int rows = 2 * fieldHeight_;
    for (int cy = 0; cy < rows; ++cy) {
        for (int cx = 0; cx < columns; ++cx) {
            DrawTile(CellPixel(cx), CellPixel(cy), background_);
        }
    }
    const int right = CellPixel(columns);
    const int bottom = CellPixel(rows);
    DrawTile(0, 0, kFrameTopLeft);
    DrawTile(right, 0, kFrameTopRight);
    DrawTile(0, bottom, kFrameBottomLeft);
    DrawTile(right, bottom, kFrameBottomRight);
    for (int cx = 0; cx < columns; ++cx) {
        DrawTile(CellPixel(cx), 0, kFrameHorizontal);
        DrawTile(CellPixel(cx), bottom, kFrameHorizontal);
    }
    for (int cy = 0; cy < rows; ++cy) {
        DrawTile(0, CellPixel(cy), kFrameVertical);
        DrawTile(right, CellPixel(cy), kFrameVertical);
    }
}

void Canvas::DrawBackgroundCell(int cx, int cy) {
    DrawTile(CellPixel(cx), CellPixel(cy), background_);
}

void Canvas::DrawTitlePicture() {
    DrawField();
    BlitKeyed(surface_.view(), (surface_.width() - kTitlePicture.width) / 2,
              (surface_.height() - kTitlePicture.height) / 2, sheet_, kTitlePicture.x,
              kTitlePicture.y, kTitlePicture.width, kTitlePicture.height);
}

} // namespace fenx
