// A writable 8-bit picture, rows top-down: pixel (x, y) is pixels[y * stride + x].
#pragma once

#include <cstdint>

namespace fenx {

struct SurfaceView {
    uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

} // namespace fenx
