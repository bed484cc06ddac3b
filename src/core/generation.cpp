#include "core/generation.h"

#include "core/tiling_frame.h"
#include "core/tiling_paths.h"

namespace fenx {

void GenerateTilings(const TilingJob* jobs, int count, int width, int height, GeneratorPath path) {
    const TilingFrame frame(width, height);
    switch (path) {
#if FENX_X86_GENERATOR_PATHS
    case GeneratorPath::Avx512:
        TileOnAvx512Path(frame, jobs, count);
        return;
    case GeneratorPath::Bmi2:
        TileOnBmi2Path(frame, jobs, count);
        return;
#endif
    default:
        break;
    }
    TileOnPlainPath(frame, jobs, count);
}

void GenerateStageTilings(int first, int last, int width, int height, TiledStage onTiled,
                          void* context, GeneratorPath path) {
    const TilingFrame frame(width, height);
    switch (path) {
#if FENX_X86_GENERATOR_PATHS
    case GeneratorPath::Avx512:
        TileRangeOnAvx512Path(frame, first, last, onTiled, context);
        return;
    case GeneratorPath::Bmi2:
        TileRangeOnBmi2Path(frame, first, last, onTiled, context);
        return;
#endif
    default:
        break;
    }
    TileRangeOnPlainPath(frame, first, last, onTiled, context);
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
