#include "test_sheet.h"

namespace fenx::testing {
namespace {

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    Put16(out, at, v & 0xFFFF);
    Put16(out, at + 2, v >> 16);
}

SpriteSheet MustParse(const std::vector<uint8_t>& bytes) {
    return ParseSpriteSheet(bytes.data(), bytes.size()).value();
}

} // namespace

uint8_t PatternPixel(int x, int y) {
    const int c = x / kTileSize;
    const int r = y / kTileSize;
    const int ix = x % kTileSize;
    const int iy = y % kTileSize;
    if (iy == 0) {
        return static_cast<uint8_t>(ix % 2 == 0 ? c + 1 : r + 1);
    }
    // 7 is prime to 255, so the 240 places below the top row get 240
    // different values.
    return static_cast<uint8_t>(1 + ((iy * kTileSize + ix) * 7 + c * 3 + r * 5) % 255);
}

uint8_t HoledPatternPixel(int x, int y) {
    return (x % kTileSize + y % kTileSize) % 3 == 2 ? 0 : PatternPixel(x, y);
}

uint32_t TestSheetColour(int i) {
    return 0xFF000000u | static_cast<uint32_t>(i) << 16 | static_cast<uint32_t>(255 - i) << 8 |
           static_cast<uint32_t>(i * 7 % 256);
}

std::vector<uint8_t> MakeSheetFile(const PixelFunction& pixel) {
    std::vector<uint8_t> out(kSheetFileSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(kSheetFileSize));
    Put32(out, 10, static_cast<uint32_t>(kSheetPixelOffset));
    Put32(out, 14, 40);
    Put32(out, 18, kSheetWidth);
    Put32(out, 22, kSheetHeight);
    Put16(out, 26, 1);
    Put16(out, 28, 8);
    Put32(out, 38, 2835);
    Put32(out, 42, 2835);
    for (int i = 0; i < kSheetColourCount; ++i) {
        const uint32_t c = TestSheetColour(i);
        const size_t at = kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * static_cast<size_t>(i);
        out[at] = static_cast<uint8_t>(c);
        out[at + 1] = static_cast<uint8_t>(c >> 8);
        out[at + 2] = static_cast<uint8_t>(c >> 16);
    }
    for (int y = 0; y < kSheetHeight; ++y) {
        const size_t row =
            kSheetPixelOffset + static_cast<size_t>(kSheetHeight - 1 - y) * kSheetWidth;
        for (int x = 0; x < kSheetWidth; ++x) {
            out[row + static_cast<size_t>(x)] = pixel(x, y);
        }
    }
    return out;
}

TestSheet::TestSheet(const PixelFunction& pixel)
    : bytes(MakeSheetFile(pixel)), sheet(MustParse(bytes)) {}

bool ShowsTile(const OffscreenSurface& surface, int x, int y, const SpriteSheet& sheet,
               SheetTile tile, uint8_t under) {
    for (int iy = 0; iy < kTileSize; ++iy) {
        for (int ix = 0; ix < kTileSize; ++ix) {
            const uint8_t s = sheet.At(tile.column * kTileSize + ix, tile.row * kTileSize + iy);
            if (surface.At(x + ix, y + iy) != (s != 0 ? s : under)) {
                return false;
            }
        }
    }
    return true;
}

bool SamePixels(const OffscreenSurface& a, const OffscreenSurface& b) {
    if (a.width() != b.width() || a.height() != b.height()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.At(x, y) != b.At(x, y)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace fenx::testing
