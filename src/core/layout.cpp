#include "core/layout.h"

#include <bit>

#include "core/column_bits.h"

namespace fenx {
namespace {

// Rows (bit y + 2 for row y) at which the orientation's anchor fits in the
// column: every one of its cells lands on a free cell.
uint32_t FittingRows(const ColumnBits& cols, int column, int orientation, uint32_t rowMask) {
    uint32_t rows = rowMask;
    for (const CellOffset& c : ShapeTable[orientation]) {
        const uint32_t free = ~cols.taken[static_cast<size_t>(column + c.dx)];
        rows &= c.dy >= 0 ? free >> c.dy : free << -c.dy;
    }
    return rows;
}

// Drops one block: up to W draws of a column; the first column with room
// takes the block at the bottom of its first run of fitting rows, so a block
// slides under an overhang when the top is covered.
bool DropBlock(StageRandom& random, ColumnBits& cols, Block& block, int width, uint32_t rowMask) {
    uint64_t untried = (uint64_t{1} << width) - 1;
    for (int attempts = width; attempts > 0; --attempts) {
        const int k = NextStageRandom(random) % width;
        if (((untried >> k) & 1u) == 0) {
            continue; // a column already tried still costs an attempt
        }
        const uint32_t rows = FittingRows(cols, k, block.orientation, rowMask);
        if (rows != 0) {
            const int first = std::countr_zero(rows);
            const int run = std::countr_one(rows >> first);
            block.column = k;
            block.row = first + run - 1 - kRowBitOffset;
            return true;
        }
        untried &= ~(uint64_t{1} << k);
    }
    return false;
}

} // namespace

bool LayOutStartField(StageRandom& random, Board& board, BlockList& list, int width, int height,
                      FixedBlocks fixed) {
    const int rows = 2 * height;
    const uint32_t rowMask = ((1u << rows) - 1u) << kRowBitOffset;
    ColumnBits cols;
    cols.reset(width, rows);
    for (int i = 0; i < list.count; ++i) {
        Block& b = list[i];
        if (!DropBlock(random, cols, b, width, rowMask)) {
            return false;
        }
        SetBlockBits(cols, b.column, b.row, b.orientation);
    }
    ResetBoard(board, width, rows);
    for (int i = 0; i < list.count; ++i) {
        Block& b = list[i];
        WriteBlockCells(board, b.column, b.row, b.orientation, static_cast<int16_t>(i));
        b.fixed = i == fixed.first || i == fixed.second;
    }
    return true;
}

int LayOutStartFieldUntilDone(StageRandom& random, Board& board, BlockList& list, int width,
                              int height, FixedBlocks fixed) {
    int attempts = 1;
    while (!LayOutStartField(random, board, list, width, height, fixed)) {
        ++attempts;
    }
    return attempts;
}

} // namespace fenx
