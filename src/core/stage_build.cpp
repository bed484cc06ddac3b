#include "core/stage_build.h"

#include "core/generation.h"

namespace fenx {

void BuildStage(StageRandom& random, Board& board, BlockList& list, int width, int height,
                int number, FixedBlocks fixed, StageBuildTrace* trace) {
    SeedStageRandom(random, static_cast<uint32_t>(number) & 0xFFFFu);
    ResetBoard(board, width, height);
    list.count = 0;
    GenerateTiling(random, board, list);
    if (trace != nullptr) {
        trace->tilingDraws = random.draws;
        trace->layoutDraws.clear();
    }
    while (true) {
        const uint64_t before = random.draws;
        const bool done = LayOutStartField(random, board, list, width, height, fixed);
        if (trace != nullptr) {
            trace->layoutDraws.push_back(random.draws - before);
        }
        if (done) {
            return;
        }
    }
}

} // namespace fenx
