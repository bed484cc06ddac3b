// The sprite sheet while it is being drawn: 256 x 512 palette indices, y
// counted from the top. Index 0 is transparent wherever the game copies it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace fenx::sheet {

inline constexpr int kSheetWidth = 256;
inline constexpr int kSheetHeight = 512;
inline constexpr int kTile = 16;

class SheetImage {
  public:
    uint8_t at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, uint8_t value) { pixels_[index(x, y)] = value; }
    void fill(int x, int y, int w, int h, uint8_t value) {
        for (int py = y; py < y + h; ++py) {
            for (int px = x; px < x + w; ++px) {
                set(px, py, value);
            }
        }
    }

  private:
    static std::size_t index(int x, int y) {
        return static_cast<std::size_t>(y) * kSheetWidth + static_cast<std::size_t>(x);
    }
    std::array<uint8_t, kSheetWidth * kSheetHeight> pixels_{};
};

} // namespace fenx::sheet
