// Tetromino geometry: the nineteen orientations, the kind each belongs to, and
// how a random draw picks one.
#pragma once

#include <array>
#include <cstdint>

namespace fenx {

inline constexpr int kOrientationCount = 19;
inline constexpr int kKindCount = 7;

struct CellOffset {
    int32_t dx;
    int32_t dy;
};

// Every orientation lists its anchor first. The anchor is the first cell in
// column-major order, so all other cells lie to its right, or below it in its
// own column. Cells are always visited in this order.
inline constexpr std::array<std::array<CellOffset, 4>, kOrientationCount> ShapeTable = {{
    {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}},   // 0  O
    {{{0, 0}, {0, 1}, {0, 2}, {0, 3}}},   // 1  I standing
    {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}},   // 2  I lying
    {{{0, 0}, {0, 1}, {0, 2}, {1, 2}}},   // 3  L
    {{{0, 0}, {0, 1}, {1, 0}, {2, 0}}},   // 4  L
    {{{0, 0}, {1, 0}, {1, 1}, {1, 2}}},   // 5  L
    {{{0, 0}, {1, 0}, {2, 0}, {2, -1}}},  // 6  L
    {{{0, 0}, {1, 0}, {2, 0}, {2, 1}}},   // 7  J
    {{{0, 0}, {1, 0}, {1, -1}, {1, -2}}}, // 8  J
    {{{0, 0}, {0, 1}, {1, 1}, {2, 1}}},   // 9  J
    {{{0, 0}, {1, 0}, {0, 1}, {0, 2}}},   // 10 J
    {{{0, 0}, {0, 1}, {1, 1}, {1, 2}}},   // 11 S standing
    {{{0, 0}, {1, 0}, {1, -1}, {2, -1}}}, // 12 S lying
    {{{0, 0}, {0, 1}, {1, 0}, {1, -1}}},  // 13 Z standing
    {{{0, 0}, {1, 0}, {1, 1}, {2, 1}}},   // 14 Z lying
    {{{0, 0}, {1, -1}, {1, 0}, {2, 0}}},  // 15 T nub up
    {{{0, 0}, {0, 1}, {0, 2}, {1, 1}}},   // 16 T nub right
    {{{0, 0}, {1, 0}, {2, 0}, {1, 1}}},   // 17 T nub down
    {{{0, 0}, {1, -1}, {1, 0}, {1, 1}}},  // 18 T nub left
}};

// The kind (and so the colour) of each orientation.
inline constexpr std::array<int16_t, kOrientationCount> OrientationKind = {
    0, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 5, 5, 6, 6, 6, 6};

// A draw picks a kind and a two-bit rotation; kinds with fewer than four
// distinct orientations repeat them so that every kind is equally likely.
inline constexpr std::array<std::array<int8_t, 4>, kKindCount> KindOrientationTable = {{
    {{0, 0, 0, 0}},
    {{1, 2, 1, 2}},
    {{3, 4, 5, 6}},
    {{7, 8, 9, 10}},
    {{11, 12, 11, 12}},
    {{13, 14, 13, 14}},
    {{15, 16, 17, 18}},
}};

// Bounding box of an orientation's cells relative to its anchor; the right and
// bottom edges are exclusive.
struct Bounds {
    int32_t minX;
    int32_t minY;
    int32_t maxX;
    int32_t maxY;
};

constexpr Bounds ComputeBounds(const std::array<CellOffset, 4>& cells) {
    Bounds b{cells[0].dx, cells[0].dy, cells[0].dx + 1, cells[0].dy + 1};
    for (const CellOffset& c : cells) {
        b.minX = c.dx < b.minX ? c.dx : b.minX;
        b.minY = c.dy < b.minY ? c.dy : b.minY;
        b.maxX = c.dx + 1 > b.maxX ? c.dx + 1 : b.maxX;
        b.maxY = c.dy + 1 > b.maxY ? c.dy + 1 : b.maxY;
    }
    return b;
}

inline constexpr std::array<Bounds, kOrientationCount> OrientationBounds = [] {
    std::array<Bounds, kOrientationCount> all{};
    for (int o = 0; o < kOrientationCount; ++o) {
        all[o] = ComputeBounds(ShapeTable[o]);
    }
    return all;
}();

// The orientation a 16-bit draw selects: kind from bits 2 and up (mod 7),
// rotation from the low two bits.
constexpr int OrientationOfDraw(uint16_t r) {
    return KindOrientationTable[(r >> 2) % kKindCount][r & 3];
}

} // namespace fenx
