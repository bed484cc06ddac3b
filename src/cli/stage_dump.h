// The text dump of a stage: everything generation and layout decided, in a
// form other programs can compare line by line.
#pragma once

#include <string>

#include "core/block.h"
#include "core/board.h"
#include "core/layout.h"
#include "core/stage_random.h"

namespace fenx {

// One independent engine: a generator, a board and a block list.
struct StageEngine {
    StageRandom random;
    Board board;
    BlockList blocks;
};

// Generates stage `number` (reduced to 16 bits) at width x height and appends
// its dump to `out`, without a newline after the last line.
void AppendStageDump(std::string& out, StageEngine& engine, int width, int height, long number,
                     FixedBlocks fixed);

} // namespace fenx
