#include "core/reference_stage.h"

namespace fenx::reference {

TilingTrace GenerateTiling(StageRandom& random, Board& board, BlockList& list, int width,
                           int height) {
    TilingTrace trace;
    const uint64_t start = random.draws;
    const int total = width * height / 4;
    int16_t restartCount = 0;
    while (true) {
        const Cell p = *FindFirstEmptyCell(board);
        if (FindFirstFittingOrientation(board, p.column, p.row) != -1) {
            while (true) {
                const uint16_t r = NextStageRandom(random);
                const int kind = (r >> 2) % 7;
                const int o = KindOrientationTable[kind][r & 3];
                if (BlockFits(board, p.column, p.row, o)) {
                    PlaceBlock(board, list, p.column, p.row, o, kind);
                    break;
                }
            }
            if (list.count == total) {
                break;
            }
            continue;
        }
        while (true) {
            RemoveLastBlock(board, list);
            if (p.column >= width - 4) {
                ++restartCount;
                if (restartCount > 32) {
                    for (int i = 0; i < 2 * height; ++i) {
                        RemoveLastBlock(board, list);
                    }
                    restartCount = 0;
                    ++trace.deepUndos;
                }
            }
            if (FindFirstFittingOrientation(board, p.column, p.row) != -1) {
                break;
            }
        }
    }
    trace.draws = random.draws - start;
    return trace;
}

bool DropBlock(StageRandom& random, const Board& board, Block& block, int width, int height) {
    std::vector<bool> tried(static_cast<size_t>(width), false);
    int attempts = width;
    while (true) {
        const uint16_t r = NextStageRandom(random);
        const int k = r % width;
        if (!tried[static_cast<size_t>(k)]) {
            int found = -1;
            for (int y = 0; y < 2 * height; ++y) {
                const bool fits = BlockFits(board, k, y, block.orientation);
                if (fits) {
                    found = y;
                } else if (found >= 0) {
                    break;
                }
            }
            if (found >= 0) {
                block.column = k;
                block.row = found;
                return true;
            }
            tried[static_cast<size_t>(k)] = true;
        }
        if (--attempts <= 0) {
            return false;
        }
    }
}

bool LayOutStartField(StageRandom& random, Board& board, BlockList& list, int width, int height,
                      FixedBlocks fixed) {
    ResetBoard(board, width, 2 * height);
    for (int i = 0; i < list.count; ++i) {
        Block& b = list[i];
        if (!reference::DropBlock(random, board, b, width, height)) {
            return false;
        }
        WriteBlockCells(board, b.column, b.row, b.orientation, static_cast<int16_t>(i));
    }
    for (int i = 0; i < list.count; ++i) {
        list[i].fixed = 0;
    }
    for (int i = 0; i < list.count; ++i) {
        if (i == fixed.first || i == fixed.second) {
            list[i].fixed = 1;
        }
    }
    return true;
}

StageTrace BuildStage(StageRandom& random, Board& board, BlockList& list, int width, int height,
                      int number, FixedBlocks fixed) {
    StageTrace trace;
    SeedStageRandom(random, static_cast<uint32_t>(number));
    ResetBoard(board, width, height);
    list.count = 0;
    trace.tiling = reference::GenerateTiling(random, board, list, width, height);
    while (true) {
        const uint64_t before = random.draws;
        const bool done = reference::LayOutStartField(random, board, list, width, height, fixed);
        trace.layoutDraws.push_back(random.draws - before);
        if (done) {
            break;
        }
    }
    return trace;
}

} // namespace fenx::reference
