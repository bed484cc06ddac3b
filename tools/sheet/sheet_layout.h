// Where each picture sits in the sheet; the game reads these places.
#pragma once

#include <array>

namespace fenx::sheet {

struct TilePlace {
    int column;
    int row;
};

// Top-left tile of each colour block: the seven kinds, then the flash colour.
inline constexpr std::array<TilePlace, 8> kColourBlockBase = {{
    {12, 4}, // yellow
    {0, 4},  // red
    {8, 9},  // orange
    {4, 4},  // blue
    {0, 9},  // magenta
    {8, 4},  // green
    {4, 9},  // cyan
    {12, 9}, // white
}};

inline constexpr TilePlace kFrameTopLeft{0, 2};
inline constexpr TilePlace kFrameTopRight{1, 2};
inline constexpr TilePlace kFrameBottomLeft{0, 3};
inline constexpr TilePlace kFrameBottomRight{1, 3};
inline constexpr TilePlace kFrameHorizontal{2, 2};
inline constexpr TilePlace kFrameVertical{2, 3};

// The background tile shown during each hour of the clock (hour mod 12).
inline constexpr std::array<TilePlace, 12> kBackgroundByHour = {{
    {5, 3},
    {8, 2},
    {3, 2},
    {4, 2},
    {4, 3},
    {6, 2},
    {5, 2},
    {7, 3},
    {8, 3},
    {7, 2},
    {3, 3},
    {6, 3},
}};

inline constexpr int kTitleLeft = 144;
inline constexpr int kTitleTop = 0;
inline constexpr int kTitleWidth = 112;
inline constexpr int kTitleHeight = 64;

inline constexpr int kFontTop = 224;
inline constexpr int kGlyphPitch = 10;
inline constexpr int kGlyphHeight = 12;

// Dotted outlines: one block of 4 x 5 tiles per animation phase.
inline constexpr int kOutlineRow = 27;
inline constexpr int kOutlinePhases = 4;

} // namespace fenx::sheet
