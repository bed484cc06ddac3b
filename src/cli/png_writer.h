// Saving an 8-bit indexed picture as a PNG file with its own colour table,
// so every pixel keeps its exact colour.
#pragma once

#include <cstdint>
#include <string>

#include "presentation/colour_table.h"

namespace fenx {

struct IndexedImage {
    const uint8_t* pixels; // rows top-down
    int width;
    int height;
    int stride;
};

// Writes `image` to `path` as a palette PNG with all 256 colours. A file is
// replaced only once the new one is whole; a device or pipe is written
// into. On failure returns false with a one-line reason in `error`, leaving
// whatever was at `path` as it was and nothing of its own behind.
bool WriteIndexedPng(const std::string& path, const IndexedImage& image, const ColourTable& colours,
                     std::string& error);

} // namespace fenx
