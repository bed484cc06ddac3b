// Which stage sizes exist: 7..38 columns, 3..10 rows in the target area, and
// a whole number of tetrominoes.
#pragma once

#include <array>
#include <cstdint>

namespace fenx {

struct StageSize {
    int32_t width;
    int32_t height;
    bool operator==(const StageSize&) const = default;
};

// The sizes of the three menu presets, in menu order: 7, 12 and 14 blocks.
inline constexpr std::array<StageSize, 3> StandardSizes = {{{7, 4}, {12, 4}, {7, 8}}};

inline constexpr int kMinWidth = 7;
inline constexpr int kMaxWidth = 38;
inline constexpr int kMinHeight = 3;
inline constexpr int kMaxHeight = 10;

constexpr bool IsValidStageSize(int width, int height) {
    return width >= kMinWidth && width <= kMaxWidth && height >= kMinHeight &&
           height <= kMaxHeight && (width * height) % 4 == 0;
}

constexpr int BlockCount(int width, int height) {
    return width * height / 4;
}

} // namespace fenx
