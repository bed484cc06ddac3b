// Building a stage from its number: everything that the stage number decides.
#pragma once

#include <cstdint>
#include <vector>

#include "core/block.h"
#include "core/board.h"
#include "core/layout.h"
#include "core/stage_random.h"

namespace fenx {

// What building a stage cost, for the command-line dump and for tests.
struct StageBuildTrace {
    uint64_t tilingDraws = 0;
    std::vector<uint64_t> layoutDraws; // one entry per layout attempt
};

// Seeds `random` with `number` (its low 16 bits), tiles the width x height
// target area and lays the blocks out in the W x 2H field, retrying the layout
// until it succeeds. Afterwards `board` holds the field and `list` the blocks
// with their solution and start places. Opening positions are not touched.
void BuildStage(StageRandom& random, Board& board, BlockList& list, int width, int height,
                int number, FixedBlocks fixed, StageBuildTrace* trace = nullptr);

} // namespace fenx
