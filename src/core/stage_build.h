// Building a stage from its number: everything that the stage number decides.
#pragma once

#include <cstdint>
#include <memory>
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

// A stage as building leaves it: the generator, the field and the blocks.
// The generator goes on serving the stage (the solved animation draws from
// it), so it belongs to the stage. Some 14 KB: kept on the heap or inside
// the owner of a running game.
struct BuiltStage {
    StageRandom random;
    Board board;
    BlockList blocks;
};

// Seeds the stage's generator with `number` (its low 16 bits), tiles the
// width x height target area and lays the blocks out in the W x 2H field,
// retrying the layout until it succeeds. Afterwards the board holds the
// field and the blocks have their solution and start places. Opening
// positions are not touched.
void BuildStage(BuiltStage& stage, int width, int height, int number, FixedBlocks fixed,
                StageBuildTrace* trace = nullptr);
// The same into a new stage.
std::unique_ptr<BuiltStage> BuildStage(int width, int height, int number, FixedBlocks fixed = {});

} // namespace fenx
