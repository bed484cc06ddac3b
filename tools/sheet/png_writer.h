// RGBA pictures written as PNG files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fenx::sheet {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // width * height * 4 bytes, rows top-down
};

bool WritePng(const std::string& path, const RgbaImage& image);

} // namespace fenx::sheet
