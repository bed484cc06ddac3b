// Column bitmasks: a fast picture of which cells are taken, used while a
// stage is generated and laid out.
//
// Bit (y + 2) of a column word stands for row y. The two bits below row 0 and
// every bit past the last row are always set, and columns past the last one
// are all ones, so a shape that reaches out of the area simply finds its cells
// taken; no bounds are tested.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/shapes.h"

namespace fenx {

inline constexpr int kRowBitOffset = 2;
// Up to 38 columns plus three columns of lookahead for the widest shape.
inline constexpr int kColumnWords = 44;

struct ColumnBits {
    std::array<uint32_t, kColumnWords> taken{};

    // All of a width x rows area empty; everything around it taken.
    void reset(int width, int rows) {
        const uint32_t empty = ~(((1u << rows) - 1u) << kRowBitOffset);
        for (int x = 0; x < kColumnWords; ++x) {
            taken[static_cast<std::size_t>(x)] = x < width ? empty : ~0u;
        }
    }
};

// The cells of each orientation as bits per column: bit (dy + 2) of entry dx.
inline constexpr std::array<std::array<uint32_t, 4>, kOrientationCount> OrientationColumnBits = [] {
    std::array<std::array<uint32_t, 4>, kOrientationCount> bits{};
    for (int o = 0; o < kOrientationCount; ++o) {
        for (const CellOffset& c : ShapeTable[o]) {
            bits[o][c.dx] |= 1u << (c.dy + kRowBitOffset);
        }
    }
    return bits;
}();

inline void SetBlockBits(ColumnBits& cols, int column, int row, int orientation) {
    const auto& bits = OrientationColumnBits[orientation];
    for (int dx = 0; dx < 4; ++dx) {
        cols.taken[static_cast<std::size_t>(column + dx)] |= bits[dx] << row;
    }
}

inline void ClearBlockBits(ColumnBits& cols, int column, int row, int orientation) {
    const auto& bits = OrientationColumnBits[orientation];
    for (int dx = 0; dx < 4; ++dx) {
        cols.taken[static_cast<std::size_t>(column + dx)] &= ~(bits[dx] << row);
    }
}

// The twelve cells around an empty anchor that decide which orientations fit
// there: rows +1..+3 of the anchor's column, -2..+2 of the next, -1..+1 of the
// one after and row 0 of the fourth column.
inline uint32_t FitWindow(const ColumnBits& cols, int column, int row) {
    const uint32_t* c = cols.taken.data() + column;
    return ((c[0] >> (row + 3)) & 7u) | (((c[1] >> row) & 31u) << 3) |
           (((c[2] >> (row + 1)) & 7u) << 8) | (((c[3] >> (row + 2)) & 1u) << 11);
}

// Each orientation's cells as bits of that window (the anchor cell itself,
// always empty there, has none).
inline constexpr std::array<uint32_t, kOrientationCount> OrientationWindowBits = [] {
    std::array<uint32_t, kOrientationCount> bits{};
    for (int o = 0; o < kOrientationCount; ++o) {
        for (const CellOffset& c : ShapeTable[o]) {
            switch (c.dx) {
            case 0:
                bits[o] |= c.dy > 0 ? 1u << (c.dy - 1) : 0u;
                break;
            case 1:
                bits[o] |= 1u << (3 + c.dy + 2);
                break;
            case 2:
                bits[o] |= 1u << (8 + c.dy + 1);
                break;
            default:
                bits[o] |= 1u << 11;
                break;
            }
        }
    }
    return bits;
}();

// For every window, the set of orientations (bit o) that fit at its anchor:
// those none of whose cells is taken. Kept cheap to build at compile time.
inline constexpr std::array<uint32_t, 4096> FitMaskTable = [] {
    std::array<uint32_t, 4096> table{};
    for (uint32_t w = 0; w < 4096; ++w) {
        uint32_t mask = 0;
        for (int o = 0; o < kOrientationCount; ++o) {
            mask |= (w & OrientationWindowBits[o]) == 0 ? 1u << o : 0u;
        }
        table[w] = mask;
    }
    return table;
}();

inline uint32_t FittingOrientations(const ColumnBits& cols, int column, int row) {
    return FitMaskTable[FitWindow(cols, column, row)];
}

} // namespace fenx
