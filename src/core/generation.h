// Stage generation: a random tiling of the W x H target area by tetrominoes.
#pragma once

#include <type_traits>

#include "core/block.h"
#include "core/board.h"
#include "core/generator_path.h"
#include "core/stage_random.h"

namespace fenx {

// Fills `list` with W * H / 4 blocks that tile the width x height area:
// orientation, kind and solution anchor of each, in placement order. Draws
// only from `random`, which the caller has seeded; the draws it took are
// added to random.draws. Touches no Board: the stage search needs only this.
void GenerateTilingBlocks(StageRandom& random, int width, int height, BlockList& list,
                          GeneratorPath path = StartupGeneratorPath());

// Several tilings at once, each with its own generator and list, exactly as
// one call of GenerateTilingBlocks each would make them. A tiling waits most
// of the time on its own previous step; running three side by side keeps the
// processor busy, so a search over many stage numbers runs faster in groups.
struct TilingJob {
    StageRandom* random;
    BlockList* list;
};
void GenerateTilings(const TilingJob* jobs, int count, int width, int height,
                     GeneratorPath path = StartupGeneratorPath());

// Tiles every stage number from first to last, each seeded as a stage start
// seeds it, several side by side, and hands each tiling over as soon as it
// is done, with the generator as the tiling left it: not in the order of the
// numbers. The list and generator handed over are valid during the call only.
using TiledStage = void (*)(void* context, int stageNumber, const BlockList& list,
                            const StageRandom& random);
void GenerateStageTilings(int first, int last, int width, int height, TiledStage onTiled,
                          void* context, GeneratorPath path = StartupGeneratorPath());

template <class OnTiled>
void GenerateStageTilings(int first, int last, int width, int height, OnTiled&& onTiled,
                          GeneratorPath path = StartupGeneratorPath()) {
    GenerateStageTilings(
        first, last, width, height,
        [](void* context, int stageNumber, const BlockList& list, const StageRandom& random) {
            (*static_cast<std::remove_reference_t<OnTiled>*>(context))(stageNumber, list, random);
        },
        &onTiled, path);
}

// The same on a board that ResetBoard prepared with rows = H: afterwards
// every cell of the target area holds the index of the block covering it.
void GenerateTiling(StageRandom& random, Board& board, BlockList& list);

} // namespace fenx
