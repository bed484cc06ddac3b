#include "core/board.h"

namespace fenx {

void ResetBoard(Board& board, int width, int rows) {
    board.grid.fill(CellOutside);
    board.width = width;
    board.rows = rows;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            board.at(x, y) = CellEmpty;
        }
    }
}

void WriteBlockCells(Board& board, int column, int row, int orientation, int16_t value) {
    for (const CellOffset& c : ShapeTable[orientation]) {
        board.at(column + c.dx, row + c.dy) = value;
    }
}

bool BlockFits(const Board& board, int column, int row, int orientation) {
    for (const CellOffset& c : ShapeTable[orientation]) {
        if (board.at(column + c.dx, row + c.dy) != CellEmpty) {
            return false;
        }
    }
    return true;
}

void PlaceBlock(Board& board, BlockList& list, int column, int row, int orientation, int kind) {
    const int i = list.count;
    WriteBlockCells(board, column, row, orientation, static_cast<int16_t>(i));
    ++list.count;
    Block& b = list[i];
    b.solutionColumn = column;
    b.solutionRow = row;
    b.orientation = static_cast<int16_t>(orientation);
    b.kind = static_cast<int16_t>(kind);
}

void RemoveLastBlock(Board& board, BlockList& list) {
    if (list.count == 0) {
        return;
    }
    --list.count;
    const Block& b = list[list.count];
    WriteBlockCells(board, b.solutionColumn, b.solutionRow, b.orientation, CellEmpty);
}

std::optional<Cell> FindFirstEmptyCell(const Board& board) {
    for (int x = 0; x < board.width; ++x) {
        for (int y = 0; y < board.rows; ++y) {
            if (board.at(x, y) == CellEmpty) {
                return Cell{x, y};
            }
        }
    }
    return std::nullopt;
}

int FindFirstFittingOrientation(const Board& board, int column, int row) {
    for (int o = 0; o < kOrientationCount; ++o) {
        if (BlockFits(board, column, row, o)) {
            return o;
        }
    }
    return -1;
}

} // namespace fenx
