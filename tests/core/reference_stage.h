// A second, deliberately plain implementation of generation and layout that
// follows the rules step by step on the Board itself. Tests compare the
// game's fast engine against it draw for draw.
#pragma once

#include <vector>

#include "core/block.h"
#include "core/board.h"
#include "core/layout.h"
#include "core/stage_random.h"

namespace fenx::reference {

// Seeding step by step: the scatter of (21 n) mod 55, then three
// regenerations, with the carries written out.
void SeedStageRandom(StageRandom& random, uint32_t seed);

struct TilingTrace {
    uint64_t draws = 0;
    int deepUndos = 0;
};

// Precondition as in the game: seeded, board reset with rows = H, count 0.
TilingTrace GenerateTiling(StageRandom& random, Board& board, BlockList& list, int width,
                           int height);

bool DropBlock(StageRandom& random, const Board& board, Block& block, int width, int height);
bool LayOutStartField(StageRandom& random, Board& board, BlockList& list, int width, int height,
                      FixedBlocks fixed);

struct StageTrace {
    TilingTrace tiling;
    std::vector<uint64_t> layoutDraws; // per attempt
};

// Seed, reset, tile, lay out until done.
StageTrace BuildStage(StageRandom& random, Board& board, BlockList& list, int width, int height,
                      int number, FixedBlocks fixed = {});

} // namespace fenx::reference
