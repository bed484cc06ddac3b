// An 8-bit indexed picture as the bytes of a PNG file with its own colour
// table, so every pixel keeps its exact colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "presentation/colour_table.h"

namespace fenx {

struct IndexedImage {
    const uint8_t* pixels; // rows top-down
    int width;
    int height;
    int stride;
};

// The palette PNG of `image` with all 256 colours, or nothing for an empty
// picture (or no memory for it).
std::optional<std::string> EncodeIndexedPng(const IndexedImage& image, const ColourTable& colours);

} // namespace fenx
