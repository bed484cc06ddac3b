// Sweeps over every stage number: the extremes of the draw counts, and the
// fast engine against the plain reference, draw for draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/generation.h"
#include "core/reference_stage.h"
#include "core/stage_fixture.h"
#include "core/stage_size.h"

namespace fenx {
namespace {

using testing::Engine;

struct Extreme {
    uint64_t draws = 0;
    int stage = -1;
};

Extreme MostDraws(int width, int height, int first, int last) {
    StageRandom random;
    BlockList list;
    Extreme most;
    for (int n = first; n <= last; ++n) {
        SeedStageRandom(random, static_cast<uint32_t>(n));
        list.count = 0;
        GenerateTilingBlocks(random, width, height, list);
        EXPECT_EQ(list[0].solutionColumn, 0);
        EXPECT_EQ(list[0].solutionRow, 0);
        if (random.draws > most.draws) {
            most = {random.draws, n};
        }
    }
    return most;
}

TEST(GenerationSweep, MostDrawsOverAllStageNumbers) {
    const Extreme small = MostDraws(7, 4, 0, 65535);
    EXPECT_EQ(small.draws, 1162u);
    EXPECT_EQ(small.stage, 46118);
    const Extreme wide = MostDraws(12, 4, 0, 65535);
    EXPECT_EQ(wide.draws, 1296u);
    EXPECT_EQ(wide.stage, 52136);
    const Extreme tall = MostDraws(7, 8, 0, 65535);
    EXPECT_EQ(tall.draws, 8791u);
    EXPECT_EQ(tall.stage, 5963);
    EXPECT_EQ(MostDraws(38, 10, 0, 1499).draws, 7510u);
}

TEST(GenerationSweep, NoSmallStageNeedsMoreThanTwoDeepUndos) {
    Engine e;
    int most = 0;
    for (int n = 0; n < 65536; ++n) {
        SeedStageRandom(e.random, static_cast<uint32_t>(n));
        ResetBoard(*e.board, 7, 4);
        e.blocks.count = 0;
        most =
            std::max(most, reference::GenerateTiling(e.random, *e.board, e.blocks, 7, 4).deepUndos);
    }
    EXPECT_EQ(most, 2);
}

// The generator paths this processor runs; each is compared on its own.
std::vector<GeneratorPath> RunnablePaths() {
    std::vector<GeneratorPath> paths;
    for (GeneratorPath path : AllGeneratorPaths) {
        if (MachineRunsGeneratorPath(path)) {
            paths.push_back(path);
        }
    }
    return paths;
}

// Builds stage n with both engines and compares everything: draws per step,
// the tiling, the field and every block record. Then every generator path
// the processor runs tiles the stage again and must give the same blocks,
// the same draw count and the same generator state for the start layout.
void ExpectEnginesAgree(Engine& fast, Engine& plain, int width, int height, int n,
                        FixedBlocks fixed = {}) {
    const StageBuildTrace a = fast.build(width, height, n, fixed);
    const reference::StageTrace b =
        reference::BuildStage(plain.random, *plain.board, plain.blocks, width, height, n, fixed);
    ASSERT_EQ(a.tilingDraws, b.tiling.draws) << width << "x" << height << " stage " << n;
    ASSERT_EQ(a.layoutDraws, b.layoutDraws) << width << "x" << height << " stage " << n;
    ASSERT_EQ(fast.board->grid, plain.board->grid) << width << "x" << height << " stage " << n;
    ASSERT_EQ(fast.blocks.count, plain.blocks.count);
    for (int i = 0; i < fast.blocks.count; ++i) {
        const Block& x = fast.blocks[i];
        const Block& y = plain.blocks[i];
        ASSERT_TRUE(x.column == y.column && x.row == y.row &&
                    x.solutionColumn == y.solutionColumn && x.solutionRow == y.solutionRow &&
                    x.orientation == y.orientation && x.kind == y.kind && x.fixed == y.fixed)
            << width << "x" << height << " stage " << n << " block " << i;
    }
    // The generator state after the tiling of the start-up path, from which
    // the start layout above went on exactly as the reference's did.
    StageRandom tiled;
    BlockList scratch;
    SeedStageRandom(tiled, static_cast<uint32_t>(n));
    GenerateTilingBlocks(tiled, width, height, scratch);
    static const std::vector<GeneratorPath> paths = RunnablePaths();
    for (GeneratorPath path : paths) {
        StageRandom random;
        BlockList list;
        SeedStageRandom(random, static_cast<uint32_t>(n));
        GenerateTilingBlocks(random, width, height, list, path);
        ASSERT_EQ(random.draws, b.tiling.draws)
            << GeneratorPathName(path) << " " << width << "x" << height << " stage " << n;
        ASSERT_EQ(random.index, tiled.index) << GeneratorPathName(path) << " stage " << n;
        ASSERT_EQ(random.table, tiled.table) << GeneratorPathName(path) << " stage " << n;
        ASSERT_EQ(list.count, plain.blocks.count);
        for (int i = 0; i < list.count; ++i) {
            const Block& x = list[i];
            const Block& y = plain.blocks[i];
            ASSERT_TRUE(x.solutionColumn == y.solutionColumn && x.solutionRow == y.solutionRow &&
                        x.orientation == y.orientation && x.kind == y.kind)
                << GeneratorPathName(path) << " " << width << "x" << height << " stage " << n
                << " block " << i;
        }
    }
}

TEST(GenerationSweep, FastEngineMatchesReferenceAtStandardSizesForEveryNumber) {
    Engine fast;
    Engine plain;
    for (auto [w, h] : {std::pair{7, 4}, std::pair{12, 4}, std::pair{7, 8}}) {
        for (int n = 0; n < 65536; ++n) {
            ExpectEnginesAgree(fast, plain, w, h, n);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(GenerationSweep, FastEngineMatchesReferenceAtEveryAllowedSize) {
    Engine fast;
    Engine plain;
    int sizes = 0;
    for (int w = kMinWidth; w <= kMaxWidth; ++w) {
        for (int h = kMinHeight; h <= kMaxHeight; ++h) {
            if (!IsValidStageSize(w, h)) {
                continue;
            }
            ++sizes;
            // A spread of numbers, different for each size.
            for (int n = (w * 131 + h * 17) % 97; n < 65536; n += 331) {
                ExpectEnginesAgree(fast, plain, w, h, n);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
    }
    EXPECT_EQ(sizes, 128);
}

TEST(GenerationSweep, FastEngineMatchesReferenceOnLargestStages) {
    Engine fast;
    Engine plain;
    for (int n = 0; n < 1500; ++n) {
        ExpectEnginesAgree(fast, plain, 38, 10, n, {static_cast<int16_t>(n % 97), 94});
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace fenx

namespace fenx {
namespace {

// Every allowed size, every stage number: about four minutes on one core, so
// it is run by hand (--gtest_also_run_disabled_tests) after changes to the
// engine rather than in every build.
TEST(GenerationSweep, DISABLED_FastEngineMatchesReferenceEverywhere) {
    Engine fast;
    Engine plain;
    for (int w = kMinWidth; w <= kMaxWidth; ++w) {
        for (int h = kMinHeight; h <= kMaxHeight; ++h) {
            if (!IsValidStageSize(w, h)) {
                continue;
            }
            for (int n = 0; n < 65536; ++n) {
                ExpectEnginesAgree(fast, plain, w, h, n);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

} // namespace
} // namespace fenx
