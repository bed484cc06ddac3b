#include "core/generation.h"

#include "core/tiling_frame.h"
#include "core/tiling_paths.h"

namespace fenx {

namespace {

const TilingPath& PathFor(GeneratorPath path) {
    switch (path) {
#if FENX_X86_GENERATOR_PATHS
    case GeneratorPath::Avx512:
        return kAvx512Tiling;
    case GeneratorPath::Bmi2:
        return kBmi2Tiling;
#endif
    default:
        return kPlainTiling;
    }
}

} // namespace

void GenerateTilings(const TilingJob* jobs, int count, int width, int height, GeneratorPath path) {
    PathFor(path).tileJobs(TilingFrame(width, height), jobs, count);
}

void GenerateStageTilings(int first, int last, int width, int height, TiledStage onTiled,
                          void* context, GeneratorPath path) {
    PathFor(path).tileRange(TilingFrame(width, height), first, last, onTiled, context);
}

void GenerateTilingBlocks(StageRandom& random, int width, int height, BlockList& list,
                          GeneratorPath path) {
    const TilingJob job{&random, &list};
    GenerateTilings(&job, 1, width, height, path);
}

void GenerateTiling(StageRandom& random, Board& board, BlockList& list) {
    GenerateTilingBlocks(random, board.width, board.rows, list);
    for (int i = 0; i < list.count; ++i) {
        const Block& b = list[i];
        WriteBlockCells(board, b.solutionColumn, b.solutionRow, b.orientation,
                        static_cast<int16_t>(i));
    }
}

} // namespace fenx
