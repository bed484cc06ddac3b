#include "core/reference_stage.h"

#include <array>

namespace fenx::reference {

void SeedStageRandom(StageRandom& random, uint32_t seed) {
    std::array<int32_t, kStageRandomSize> t{};
    const int32_t s = static_cast<int32_t>(seed % 65536);
    t[54] = s;
    int32_t j = s;
    int32_t k = 1;
    for (int n = 1; n <= 54; ++n) {
        const int p = (21 * n) % 55 - 1;
        t[static_cast<size_t>(p)] = k;
        k = j - k;
        if (k < 0) {
            k += 65536;
        }
        j = t[static_cast<size_t>(p)];
    }
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 24; ++i) {
            t[i] -= t[i + 31];
            t[i] += t[i] < 0 ? 65536 : 0;
        }
        for (int i = 24; i < 55; ++i) {
            t[i] -= t[i - 24];
            t[i] += t[i] < 0 ? 65536 : 0;
        }
    }
    for (int i = 0; i < kStageRandomSize; ++i) {
        random.table[static_cast<size_t>(i)] = static_cast<uint16_t>(t[static_cast<size_t>(i)]);
    }
    random.index = kStageRandomSize - 1;
    random.draws = 0;
}

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
        list[i].fixed = false;
    }
    for (int i = 0; i < list.count; ++i) {
        if (i == fixed.first || i == fixed.second) {
            list[i].fixed = true;
        }
    }
    return true;
}

StageTrace BuildStage(StageRandom& random, Board& board, BlockList& list, int width, int height,
                      int number, FixedBlocks fixed) {
    StageTrace trace;
    reference::SeedStageRandom(random, static_cast<uint32_t>(number));
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
