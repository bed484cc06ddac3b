// The sprite sheet: every picture of the game, one 256 x 512 bitmap with 8-bit
// pixels and a 256-entry colour table, as a BMP file (file header, info
// header, colour table, rows bottom-up). A SpriteSheet is a read-only view of
// such bytes: they are used where they lie and never copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace fenx {

inline constexpr int kSheetWidth = 256;
inline constexpr int kSheetHeight = 512;
inline constexpr int kSheetColourCount = 256;
inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpInfoHeaderSize = 40;
inline constexpr std::size_t kSheetPixelOffset =
    kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * kSheetColourCount;
inline constexpr std::size_t kSheetPixelBytes = std::size_t{kSheetWidth} * kSheetHeight;
inline constexpr std::size_t kSheetFileSize = kSheetPixelOffset + kSheetPixelBytes;

class SpriteSheet {
  public:
    // Pixel (x, y), y counted from the top; both must lie inside the sheet.
    uint8_t At(int x, int y) const { return rowStart(y)[x]; }

    // Pixel (0, y). The rows are stored bottom-up, so the row below lies
    // kSheetWidth bytes lower in memory.
    const uint8_t* rowStart(int y) const {
        return pixels_ + static_cast<std::ptrdiff_t>(kSheetHeight - 1 - y) * kSheetWidth;
    }

    // Colour-table entry as 0xAARRGGBB with alpha 255.
    uint32_t Colour(int index) const {
        const uint8_t* quad = colours_ + 4 * index;
        return 0xFF000000u | uint32_t{quad[2]} << 16 | uint32_t{quad[1]} << 8 | quad[0];
    }

  private:
    friend std::optional<SpriteSheet> ParseSpriteSheet(const uint8_t* bytes, std::size_t size);
    SpriteSheet(const uint8_t* colours, const uint8_t* pixels)
        : colours_(colours), pixels_(pixels) {}

    const uint8_t* colours_; // 256 quads: blue, green, red, reserved
    const uint8_t* pixels_;  // the bottom row first
};

// Accepts exactly the sheet format: "BM", a file size equal to `size`, zero
// reserved words, pixels right after a 40-byte info header and 256 colours,
// 256 x 512 pixels bottom-up, one plane, 8 bits, no compression, and an image
// size and colour counts that agree. Anything else gives nullopt, so a
// damaged file can never lead to a read outside `bytes`.
std::optional<SpriteSheet> ParseSpriteSheet(const uint8_t* bytes, std::size_t size);

// The sheet compiled into the program, or nullopt when the build had none.
std::optional<SpriteSheet> EmbeddedSpriteSheet();

} // namespace fenx
