// The grid that records which block owns each cell, and the operations that
// generation, layout and play build on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/block.h"
#include "core/shapes.h"

namespace fenx {

inline constexpr int16_t CellOutside = -1;
inline constexpr int16_t CellEmpty = -2;

// The field starts four cells in from the grid's top-left corner, so every
// cell offset of every orientation, applied at any field cell, stays inside
// the grid and needs no bounds check.
inline constexpr int kGridSize = 64;
inline constexpr int kGridMargin = 4;

struct Board {
    int width = 0; // field columns
    int rows = 0;  // field rows: H during generation, 2H in play
    std::array<int16_t, kGridSize * kGridSize> grid{};

    int16_t& at(int column, int row) {
        return grid[static_cast<std::size_t>((row + kGridMargin) * kGridSize + column +
                                             kGridMargin)];
    }
    int16_t at(int column, int row) const {
        return grid[static_cast<std::size_t>((row + kGridMargin) * kGridSize + column +
                                             kGridMargin)];
    }
};

struct Cell {
    int column;
    int row;
    bool operator==(const Cell&) const = default;
};

// Every cell becomes CellOutside, then the width x rows field CellEmpty.
void ResetBoard(Board& board, int width, int rows);
void WriteBlockCells(Board& board, int column, int row, int orientation, int16_t value);
// True when all four cells are empty; stops at the first that is not.
bool BlockFits(const Board& board, int column, int row, int orientation);
// Appends a block at (column, row) of the tiling and writes its index.
void PlaceBlock(Board& board, BlockList& list, int column, int row, int orientation, int kind);
// Takes the last block off the tiling; does nothing on an empty list.
void RemoveLastBlock(Board& board, BlockList& list);
// First empty cell of the target area, columns left to right, each top down.
std::optional<Cell> FindFirstEmptyCell(const Board& board);
// First orientation 0..18 that fits at the cell, or -1.
int FindFirstFittingOrientation(const Board& board, int column, int row);

} // namespace fenx
