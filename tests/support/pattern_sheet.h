// A synthetic sprite sheet for game tests. Every tile has its own pixels, so
// a test can tell which tile landed where; block tiles are opaque as in the
// real artwork, and the dotted-outline tiles have holes through which the
// block below shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "presentation/sheet_layout.h"
#include "presentation/sprite_sheet.h"

namespace fenx::testing {

inline uint8_t PatternSheetPixel(int x, int y) {
    const int c = x / kTileSize;
    const int r = y / kTileSize;
    const int ix = x % kTileSize;
    const int iy = y % kTileSize;
    if (r >= kOutlineBase.row && (ix + iy) % 3 == 2) {
        return 0;
    }
    if (iy == 0) {
        return static_cast<uint8_t>(ix % 2 == 0 ? c + 1 : r + 1);
    }
    return static_cast<uint8_t>(1 + ((iy * kTileSize + ix) * 7 + c * 3 + r * 5) % 255);
}

struct PatternSheet {
    PatternSheet() : bytes(MakeFile()), sheet(*ParseSpriteSheet(bytes.data(), bytes.size())) {}
    PatternSheet(const PatternSheet&) = delete; // the view points into `bytes`
    PatternSheet& operator=(const PatternSheet&) = delete;

    std::vector<uint8_t> bytes;
    SpriteSheet sheet;

  private:
    static void Put(std::vector<uint8_t>& out, std::size_t at, uint32_t v, int size) {
        for (int i = 0; i < size; ++i) {
            out[at + static_cast<std::size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
        }
    }
    static std::vector<uint8_t> MakeFile() {
        std::vector<uint8_t> out(kSheetFileSize, 0);
        out[0] = 'B';
        out[1] = 'M';
        Put(out, 2, static_cast<uint32_t>(kSheetFileSize), 4);
        Put(out, 10, static_cast<uint32_t>(kSheetPixelOffset), 4);
        Put(out, 14, 40, 4);
        Put(out, 18, kSheetWidth, 4);
        Put(out, 22, kSheetHeight, 4);
        Put(out, 26, 1, 2);
        Put(out, 28, 8, 2);
        for (int i = 0; i < kSheetColourCount; ++i) {
            Put(out, kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * static_cast<std::size_t>(i),
                static_cast<uint32_t>(i * 0x010101), 3);
        }
        for (int y = 0; y < kSheetHeight; ++y) {
            const std::size_t row =
                kSheetPixelOffset + static_cast<std::size_t>(kSheetHeight - 1 - y) * kSheetWidth;
            for (int x = 0; x < kSheetWidth; ++x) {
                out[row + static_cast<std::size_t>(x)] = PatternSheetPixel(x, y);
            }
        }
        return out;
    }
};

} // namespace fenx::testing
