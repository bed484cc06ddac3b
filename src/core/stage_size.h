// Which stage sizes exist: 7..38 columns, 3..10 rows in the target area, and
// a whole number of tetrominoes.
#pragma once

namespace fenx {

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
