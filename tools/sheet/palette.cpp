#include "palette.h"

namespace fenx::sheet {

namespace {

// Five shades per block colour: highlight rim, light rim, face, dark rim, deep rim.
constexpr std::array<std::array<Rgb, kShadeCount>, kBlockColourCount> kBlockShades = {{
    {{{255, 250, 196}, {252, 230, 92}, {236, 200, 28}, {180, 140, 8}, {116, 84, 0}}}, // yellow
    {{{255, 180, 172}, {244, 92, 84}, {212, 38, 44}, {150, 18, 28}, {90, 6, 14}}},    // red
    {{{255, 212, 158}, {252, 160, 62}, {238, 116, 18}, {174, 74, 6}, {106, 42, 0}}},  // orange
    {{{172, 200, 255}, {84, 134, 250}, {40, 84, 226}, {22, 46, 158}, {10, 22, 96}}},  // blue
    {{{255, 182, 242}, {234, 96, 212}, {198, 42, 176}, {134, 20, 122}, {78, 8, 74}}}, // magenta
    {{{190, 250, 166}, {100, 218, 84}, {42, 174, 48}, {22, 118, 30}, {8, 66, 16}}},   // green
    {{{196, 252, 255}, {92, 222, 238}, {26, 182, 210}, {12, 122, 150}, {4, 70, 90}}}, // cyan
    {{{255, 255, 255}, {236, 236, 242}, {210, 210, 220}, {152, 152, 168}, {98, 98, 114}}}, // white
}};

constexpr Rgb kInkColour{12, 10, 20};

constexpr std::array<Rgb, 4> kFrame = {{
    {206, 214, 232}, // light rim
    {150, 162, 192}, // mid
    {110, 122, 156}, // face
    {58, 64, 92},    // dark rim
}};

// Dark, quiet tints that step round the colour wheel hour by hour:
// night blue, violet, plum, umber, moss, teal.
constexpr std::array<std::array<Rgb, 2>, kBackgroundTintCount> kBackgrounds = {{
    {{{30, 38, 66}, {40, 50, 82}}},
    {{{44, 34, 70}, {56, 45, 86}}},
    {{{60, 32, 56}, {74, 42, 70}}},
    {{{62, 44, 30}, {78, 57, 40}}},
    {{{36, 54, 34}, {47, 68, 44}}},
    {{{24, 54, 60}, {33, 68, 75}}},
}};

constexpr Rgb kShadowColour{34, 26, 48};

} // namespace

std::array<Rgb, 256> SheetPalette() {
    std::array<Rgb, 256> table{};
    for (int colour = 0; colour < kBlockColourCount; ++colour) {
        for (int shade = 0; shade < kShadeCount; ++shade) {
            table[BlockShade(colour, shade)] = kBlockShades[colour][shade];
        }
    }
    table[kInk] = kInkColour;
    for (int shade = 0; shade < 4; ++shade) {
        table[FrameShade(shade)] = kFrame[shade];
    }
    for (int tint = 0; tint < kBackgroundTintCount; ++tint) {
        for (int tone = 0; tone < 2; ++tone) {
            table[BackgroundColour(tint, tone)] = kBackgrounds[tint][tone];
        }
    }
    table[kShadow] = kShadowColour;
    return table;
}

} // namespace fenx::sheet
