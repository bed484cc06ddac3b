// Choosing the generator path, and tilings run side by side on every path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/generation.h"
#include "core/generator_path.h"
#include "core/reference_stage.h"
#include "core/stage_fixture.h"
#include "core/tiling_frame.h"

namespace fenx {
namespace {

TEST(GeneratorPath, RequestsByNameAndRefusals) {
    std::string error;
    EXPECT_EQ(ChooseGeneratorPath(nullptr, error), FastestGeneratorPath());
    EXPECT_EQ(ChooseGeneratorPath("", error), FastestGeneratorPath());
    EXPECT_EQ(ChooseGeneratorPath("plain", error), GeneratorPath::Plain);
    EXPECT_TRUE(error.empty());
    for (GeneratorPath path : AllGeneratorPaths) {
        const std::string name(GeneratorPathName(path));
        error.clear();
        const auto chosen = ChooseGeneratorPath(name.c_str(), error);
        if (MachineRunsGeneratorPath(path)) {
            EXPECT_EQ(chosen, path) << name;
        } else {
            EXPECT_FALSE(chosen) << name;
            EXPECT_NE(error.find("cannot run"), std::string::npos) << error;
        }
    }
    for (const char* wrong : {"AVX512", "fast", "plain ", "sse2"}) {
        error.clear();
        EXPECT_FALSE(ChooseGeneratorPath(wrong, error)) << wrong;
        EXPECT_NE(error.find("no such generator path"), std::string::npos) << error;
    }
    EXPECT_TRUE(MachineRunsGeneratorPath(GeneratorPath::Plain));
    EXPECT_TRUE(MachineRunsGeneratorPath(FastestGeneratorPath()));
}

// Run with FENX_GENERATOR_PATH set (the test command does, once per path):
// the process then generates on that path only, and its stages must still be
// those of the reference. Without it, the process takes the fastest path.
TEST(GeneratorPath, ForcedPathIsTheOneUsedAndAgreesWithTheReference) {
    const char* forced = std::getenv("FENX_GENERATOR_PATH");
    if (forced != nullptr && *forced != '\0') {
        EXPECT_EQ(GeneratorPathName(StartupGeneratorPath()), forced);
    } else {
        EXPECT_EQ(StartupGeneratorPath(), FastestGeneratorPath());
    }
    testing::Engine fast;
    testing::Engine plain;
    for (auto [w, h] : {std::pair{7, 4}, std::pair{12, 4}, std::pair{7, 8}, std::pair{38, 10},
                        std::pair{9, 4}, std::pair{20, 3}}) {
        for (int n = w * 7; n < 65536; n += 2711) {
            fast.build(w, h, n);
            const reference::StageTrace b =
                reference::BuildStage(plain.random, *plain.board, plain.blocks, w, h, n);
            ASSERT_EQ(fast.board->grid, plain.board->grid) << w << "x" << h << " stage " << n;
            ASSERT_EQ(fast.random.draws, plain.random.draws) << w << "x" << h << " stage " << n;
        }
    }
}

struct Tiled {
    StageRandom random;
    BlockList list;
};

void ExpectSameTiling(const Tiled& a, const Tiled& b, const std::string& what) {
    ASSERT_EQ(a.random.draws, b.random.draws) << what;
    ASSERT_EQ(a.random.index, b.random.index) << what;
    ASSERT_EQ(a.random.table, b.random.table) << what;
    ASSERT_EQ(a.list.count, b.list.count) << what;
    for (int i = 0; i < a.list.count; ++i) {
        ASSERT_TRUE(a.list[i].solutionColumn == b.list[i].solutionColumn &&
                    a.list[i].solutionRow == b.list[i].solutionRow &&
                    a.list[i].orientation == b.list[i].orientation &&
                    a.list[i].kind == b.list[i].kind)
            << what << " block " << i;
    }
}

// Stages run side by side finish at different times; each must come out as
// if tiled alone, whatever the group size and whichever finishes first, also
// when a generator had drawn before (its table half used).
TEST(GeneratorPath, TilingsSideBySideMatchTilingsAlone) {
    for (GeneratorPath path : AllGeneratorPaths) {
        if (!MachineRunsGeneratorPath(path)) {
            continue;
        }
        for (auto [w, h] : {std::pair{7, 4}, std::pair{7, 8}, std::pair{38, 10}}) {
            for (int count = 1; count <= 7; ++count) {
                std::vector<Tiled> together(static_cast<size_t>(count));
                std::vector<Tiled> alone(static_cast<size_t>(count));
                std::vector<TilingJob> jobs;
                for (int k = 0; k < count; ++k) {
                    const auto seed = static_cast<uint32_t>(5963 + 1000 * k + count);
                    for (Tiled* t :
                         {&together[static_cast<size_t>(k)], &alone[static_cast<size_t>(k)]}) {
                        SeedStageRandom(t->random, seed);
                        for (int d = 0; d < k * 11; ++d) {
                            NextStageRandom(t->random);
                        }
                    }
                    jobs.push_back({&together[static_cast<size_t>(k)].random,
                                    &together[static_cast<size_t>(k)].list});
                    GenerateTilingBlocks(alone[static_cast<size_t>(k)].random, w, h,
                                         alone[static_cast<size_t>(k)].list, path);
                }
                GenerateTilings(jobs.data(), count, w, h, path);
                for (int k = 0; k < count; ++k) {
                    ExpectSameTiling(
                        together[static_cast<size_t>(k)], alone[static_cast<size_t>(k)],
                        std::string(GeneratorPathName(path)) + " " + std::to_string(w) + "x" +
                            std::to_string(h) + " group of " + std::to_string(count) + " job " +
                            std::to_string(k));
                }
            }
        }
    }
}

// A range of stage numbers tiled side by side hands every number over once,
// with the tiling and the generator state of that number tiled alone.
TEST(GeneratorPath, StageRangesHandEveryNumberOverOnceAsTiledAlone) {
    for (GeneratorPath path : AllGeneratorPaths) {
        if (!MachineRunsGeneratorPath(path)) {
            continue;
        }
        for (auto [w, h] : {std::pair{7, 4}, std::pair{7, 8}, std::pair{38, 10}}) {
            for (auto [first, last] : {std::pair{5963, 5963}, std::pair{0, 1}, std::pair{0, 2},
                                       std::pair{40, 43}, std::pair{65500, 65535}}) {
                std::vector<int> seen;
                GenerateStageTilings(
                    first, last, w, h,
                    [&](int n, const BlockList& list, const StageRandom& random) {
                        seen.push_back(n);
                        Tiled together{random, list};
                        Tiled alone;
                        SeedStageRandom(alone.random, static_cast<uint32_t>(n));
                        GenerateTilingBlocks(alone.random, w, h, alone.list, path);
                        ExpectSameTiling(together, alone,
                                         std::string(GeneratorPathName(path)) + " " +
                                             std::to_string(w) + "x" + std::to_string(h) +
                                             " stage " + std::to_string(n));
                    },
                    path);
                std::sort(seen.begin(), seen.end());
                std::vector<int> all;
                for (int n = first; n <= last; ++n) {
                    all.push_back(n);
                }
                EXPECT_EQ(seen, all) << GeneratorPathName(path) << " " << first << ".." << last;
            }
            int calls = 0;
            GenerateStageTilings(
                10, 9, w, h, [&](int, const BlockList&, const StageRandom&) { ++calls; }, path);
            EXPECT_EQ(calls, 0);
        }
    }
}

// The bit string's guards and its reading of columns and rows back from a
// cell, for every height and every cell of the widest area.
TEST(TilingFrame, CellsGuardsAndTheAreaEnd) {
    for (int h = kMinHeight; h <= kMaxHeight; ++h) {
        const TilingFrame frame(kMaxWidth, h);
        for (int x = 0; x < kMaxWidth; ++x) {
            for (int y = 0; y < h; ++y) {
                const int cell = x * frame.stride + kGuardBits + y;
                ASSERT_EQ(frame.columnOf(cell), x) << h << " " << cell;
                ASSERT_EQ(frame.rowOf(cell), y) << h << " " << cell;
                // Free itself; the three cells above the column's top row
                // taken, as is everything past the last column.
                ASSERT_EQ(frame.takenFrom(cell) & 1u, 0u);
                const uint64_t above = frame.takenFrom(x * frame.stride);
                ASSERT_EQ(above & 7u, 7u);
            }
        }
        EXPECT_EQ(frame.takenFrom(kMaxWidth * frame.stride) & 0x1FFFFFFFFFFFFFFull,
                  0x1FFFFFFFFFFFFFFull);
        // The last row of the last column is followed only by taken cells.
        EXPECT_EQ(frame.takenFrom(kMaxWidth * frame.stride - 1) & 0xFFu, 0xFEu);
    }
}

} // namespace
} // namespace fenx
