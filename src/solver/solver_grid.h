// The field as the planner sees it: one byte per cell in a padded grid, so a
// block's four cells are its anchor's index plus four fixed offsets and the
// walls need no bounds checks. Small enough to copy and compare cheaply.
#pragma once

#include <array>
#include <cstdint>

#include "core/block.h"
#include "core/shapes.h"

namespace fenx {

inline constexpr int kSolverStride = 48; // 38 columns, a 4-cell margin each side, rounded up
inline constexpr int kSolverPad = 4;
inline constexpr int kSolverRows = 32; // 20 rows and the same margins
inline constexpr int kSolverCells = kSolverStride * kSolverRows;

inline constexpr int8_t kSolverFree = -1;
inline constexpr int8_t kSolverWall = -2;

constexpr int SolverIndex(int column, int row) {
    return (row + kSolverPad) * kSolverStride + column + kSolverPad;
}
constexpr int SolverColumn(int index) {
    return index % kSolverStride - kSolverPad;
}
constexpr int SolverRow(int index) {
    return index / kSolverStride - kSolverPad;
}

// Each orientation's cells as offsets in the padded grid.
inline constexpr std::array<std::array<int, 4>, kOrientationCount> SolverOffsets = [] {
    std::array<std::array<int, 4>, kOrientationCount> all{};
    for (int o = 0; o < kOrientationCount; ++o) {
        for (int k = 0; k < 4; ++k) {
            all[o][k] = ShapeTable[o][k].dy * kSolverStride + ShapeTable[o][k].dx;
        }
    }
    return all;
}();

// The eight single steps a held block can take, as index offsets.
inline constexpr std::array<int, 8> SolverSteps = {
    -kSolverStride - 1, -kSolverStride, -kSolverStride + 1, -1, 1,
    kSolverStride - 1,  kSolverStride,  kSolverStride + 1};

struct SolverGrid {
    std::array<int8_t, kSolverCells> cells{};

    // Every cell a wall, then the width x rows field free.
    void Reset(int width, int rows) {
        cells.fill(kSolverWall);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < width; ++c) {
                cells[SolverIndex(c, r)] = kSolverFree;
            }
        }
    }
    void Write(int anchor, int orientation, int8_t value) {
        for (int off : SolverOffsets[orientation]) {
            cells[anchor + off] = value;
        }
    }
    // The block `self` may stand at `anchor`: each cell free or its own.
    bool Fits(int anchor, int orientation, int8_t self) const {
        for (int off : SolverOffsets[orientation]) {
            const int8_t v = cells[anchor + off];
            if (v != kSolverFree && v != self) {
                return false;
            }
        }
        return true;
    }
};

} // namespace fenx
