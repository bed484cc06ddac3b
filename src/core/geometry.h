// The few measures every layer shares: a field cell is 16 x 16 pixels, the
// field sits inside a frame one cell wide, and the window's client area is
// exactly the picture of frame and field.
#pragma once

namespace fenx {

inline constexpr int kCellPixels = 16;

// A rectangle of the picture, in pixels.
struct SurfaceRect {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const SurfaceRect&) const = default;
};

struct PixelSize {
    int width;
    int height;
    constexpr bool operator==(const PixelSize&) const = default;
};

// The picture (and window client area) of a width x height stage: the field
// has 2 * height rows, the frame adds a cell on every side.
constexpr PixelSize ClientSize(int width, int height) {
    return {(width + 2) * kCellPixels, (2 * height + 2) * kCellPixels};
}

// Pixel of the left or top edge of field column or row `cell`.
constexpr int CellPixel(int cell) {
    return (cell + 1) * kCellPixels;
}

// Pixel in the middle of field column or row `cell`: where a press or a
// cursor move aims at that cell.
constexpr int CellCentrePixel(int cell) {
    return CellPixel(cell) + kCellPixels / 2;
}

// The field column or row under a pixel coordinate; the frame and everything
// left of or above it give -1 or less.
constexpr int CellOfPixel(int pixel) {
    return pixel / kCellPixels - 1;
}

} // namespace fenx
