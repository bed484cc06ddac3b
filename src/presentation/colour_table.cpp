#include "presentation/colour_table.h"

namespace fenx {
namespace {

constexpr std::array<uint32_t, 10> kLowStaticColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
    0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0,
};
constexpr std::array<uint32_t, 10> kHighStaticColours = {
    0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00,
    0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kFirstSheetColour = 10;
constexpr int kFirstHighStatic = 246;

} // namespace

ColourTable SurfaceColourTable(const SpriteSheet& sheet) {
    ColourTable table{};
    for (int i = 0; i < kFirstSheetColour; ++i) {
        table[static_cast<std::size_t>(i)] =
            0xFF000000u | kLowStaticColours[static_cast<std::size_t>(i)];
        table[static_cast<std::size_t>(kFirstHighStatic + i)] =
            0xFF000000u | kHighStaticColours[static_cast<std::size_t>(i)];
    }
    for (int i = kFirstSheetColour; i < kFirstHighStatic; ++i) {
        table[static_cast<std::size_t>(i)] = sheet.Colour(i);
    }
    return table;
}

} // namespace fenx
