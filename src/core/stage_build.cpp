#include "core/stage_build.h"

#include "core/generation.h"
#include "core/stage_number.h"

namespace fenx {

void BuildStage(BuiltStage& stage, int width, int height, int number, FixedBlocks fixed,
                StageBuildTrace* trace) {
    StageRandom& random = stage.random;
    Board& board = stage.board;
    BlockList& list = stage.blocks;
    SeedStageRandom(random, static_cast<uint32_t>(ReduceStageNumber(number)));
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

std::unique_ptr<BuiltStage> BuildStage(int width, int height, int number, FixedBlocks fixed) {
    auto stage = std::make_unique<BuiltStage>();
    BuildStage(*stage, width, height, number, fixed);
    return stage;
}

} // namespace fenx
