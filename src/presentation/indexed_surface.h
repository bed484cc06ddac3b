// The 8-bit pictures the game draws into: the off-screen surface that holds
// the window's picture, and the gallery of the nineteen orientations for the
// stage search. Storage is fixed at the largest size, so setting a new size
// never allocates. Rows are top-down with stride = width (a multiple of 16),
// so a window can show the bytes directly as an indexed image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/geometry.h"
#include "presentation/surface_view.h"

namespace fenx {

template <int MaxWidth, int MaxHeight>
class IndexedSurface {
  public:
    static constexpr int kMaxWidth = MaxWidth;
    static constexpr int kMaxHeight = MaxHeight;

    // Takes the size (clamped to the storage) and fills it with black, pixel
    // value 0.
    void SetUp(int width, int height) {
        width_ = width < 0 ? 0 : (width > MaxWidth ? MaxWidth : width);
        height_ = height < 0 ? 0 : (height > MaxHeight ? MaxHeight : height);
        std::memset(bits_.data(), 0, static_cast<std::size_t>(width_) * height_);
    }
    // Back to no picture at all: every drawing is clipped away.
    void Clear() { SetUp(0, 0); }

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return width_; }
    const uint8_t* pixels() const { return bits_.data(); }
    uint8_t* pixels() { return bits_.data(); }
    uint8_t At(int x, int y) const { return bits_[static_cast<std::size_t>(y * width_ + x)]; }

    SurfaceView view() { return {bits_.data(), width_, height_, width_}; }

  private:
    int width_ = 0;
    int height_ = 0;
    alignas(16) std::array<uint8_t, static_cast<std::size_t>(MaxWidth) * MaxHeight> bits_{};
};

// The window's picture: (W + 2) x 16 by (2H + 2) x 16 pixels, a field of
// W x 2H cells in a one-cell frame; at most 640 x 352.
using OffscreenSurface = IndexedSurface<640, 352>;
// 12 x 7 tiles holding the nineteen orientations.
using ShapeGallery = IndexedSurface<192, 112>;

inline constexpr int kGalleryWidth = ShapeGallery::kMaxWidth;
inline constexpr int kGalleryHeight = ShapeGallery::kMaxHeight;

} // namespace fenx
