// The sheet's colour table. The artwork owns entries 11..68; everything else
// stays black so the game can fill those slots with the display's own colours.
//
//   11..50  eight block colours, five shades each, in colour-block order:
//           yellow, red, orange, blue, magenta, green, cyan, white (flash)
//   51      ink: outlines of letters and logo, dark half of the marching dots
//   52..55  frame: light, mid, face, dark
//   56..67  backgrounds: six tints, each a darker and a lighter tone
//   68      shadow under the logo
#pragma once

#include <array>
#include <cstdint>

namespace fenx::sheet {

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

inline constexpr int kFirstArtColour = 11;
inline constexpr int kLastArtColour = 68;

inline constexpr int kBlockColourCount = 8;
inline constexpr int kFlashColour = 7;
inline constexpr int kShadeCount = 5;

// Block shades from the brightest rim to the darkest rim.
enum Shade : int { kHighlight = 0, kLight = 1, kFace = 2, kDark = 3, kDeep = 4 };

constexpr uint8_t BlockShade(int colour, int shade) {
    return static_cast<uint8_t>(kFirstArtColour + colour * kShadeCount + shade);
}

inline constexpr uint8_t kTransparent = 0;
inline constexpr uint8_t kInk = 51;
inline constexpr uint8_t kWhite = BlockShade(kFlashColour, kHighlight);

constexpr uint8_t FrameShade(int shade) {
    return static_cast<uint8_t>(52 + shade);
}

inline constexpr int kBackgroundTintCount = 6;
// tone 0 is the darker of a tint's two colours.
constexpr uint8_t BackgroundColour(int tint, int tone) {
    return static_cast<uint8_t>(56 + tint * 2 + tone);
}

inline constexpr uint8_t kShadow = 68;

// The full 256-entry table; unused entries are black.
std::array<Rgb, 256> SheetPalette();

} // namespace fenx::sheet
