// The start layout: the tiled blocks are dropped at random columns into the
// W x 2H play field, where they come to rest on each other.
#pragma once

#include "core/block.h"
#include "core/board.h"
#include "core/stage_random.h"

namespace fenx {

// The blocks a challenge stage nails down, by index in generation order;
// -1 names no block.
struct FixedBlocks {
    int16_t first = -1;
    int16_t second = -1;
};

// One attempt to drop every block, in list order, into the field. On success
// the board holds the W x 2H field with each block's index on its cells, every
// block's column and row are set and the fixed marks are given. On failure the
// caller tries again without reseeding; the attempt's draws stay spent.
bool LayOutStartField(StageRandom& random, Board& board, BlockList& list, int width, int height,
                      FixedBlocks fixed);

// Attempts until one succeeds; returns how many it took.
int LayOutStartFieldUntilDone(StageRandom& random, Board& board, BlockList& list, int width,
                              int height, FixedBlocks fixed);

} // namespace fenx
