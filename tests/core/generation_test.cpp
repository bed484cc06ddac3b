#include <gtest/gtest.h>

#include "core/generation.h"
#include "core/reference_stage.h"
#include "core/stage_fixture.h"

namespace fenx {
namespace {

using testing::BlockPlace;
using testing::Engine;
using testing::Rows;
using testing::SolutionPlaces;

struct Tiling {
    uint64_t draws;
    std::string rows;
    std::vector<BlockPlace> blocks;
};

Tiling Tile(Engine& e, int width, int height, int number) {
    SeedStageRandom(e.random, static_cast<uint32_t>(number));
    ResetBoard(*e.board, width, height);
    e.blocks.count = 0;
    GenerateTiling(e.random, *e.board, e.blocks);
    return {e.random.draws, Rows(*e.board, width, height), SolutionPlaces(e.blocks)};
}

TEST(Generation, SmallStagesTileAsRecorded) {
    Engine e;
    const Tiling zero = Tile(e, 7, 4, 0);
    EXPECT_EQ(zero.draws, 63u);
    EXPECT_EQ(zero.rows, "0 0 3 3 3 5 5 / 1 0 0 3 5 5 6 / 1 1 1 4 4 6 6 / 2 2 2 2 4 4 6");
    EXPECT_EQ(zero.blocks, (std::vector<BlockPlace>{{0, 0, 14, 5},
                                                    {0, 1, 9, 3},
                                                    {0, 3, 2, 1},
                                                    {2, 0, 17, 6},
                                                    {3, 2, 14, 5},
                                                    {4, 1, 12, 4},
                                                    {5, 2, 18, 6}}));

    const Tiling two = Tile(e, 7, 4, 2);
    EXPECT_EQ(two.draws, 1099u);
    EXPECT_EQ(two.rows, "0 0 2 2 4 6 6 / 0 0 2 2 4 6 6 / 1 1 3 3 4 4 5 / 1 1 3 3 5 5 5");
    EXPECT_EQ(two.blocks, (std::vector<BlockPlace>{{0, 0, 0, 0},
                                                   {0, 2, 0, 0},
                                                   {2, 0, 0, 0},
                                                   {2, 2, 0, 0},
                                                   {4, 0, 3, 2},
                                                   {4, 3, 6, 2},
                                                   {5, 0, 0, 0}}));

    const Tiling wide = Tile(e, 12, 4, 777);
    EXPECT_EQ(wide.draws, 93u);
    EXPECT_EQ(wide.rows, "0 0 0 3 3 5 5 7 9 9 9 9 / 1 1 0 3 5 5 6 7 7 10 10 10 / "
                         "1 1 2 3 6 6 6 8 7 10 11 11 / 2 2 2 4 4 4 4 8 8 8 11 11");
}

TEST(Generation, DeadEndsAndDeepUndosAsRecorded) {
    Engine e;
    SeedStageRandom(e.random, 0);
    ResetBoard(*e.board, 7, 4);
    e.blocks.count = 0;
    EXPECT_EQ(reference::GenerateTiling(e.random, *e.board, e.blocks, 7, 4).deepUndos, 0);
    SeedStageRandom(e.random, 2);
    ResetBoard(*e.board, 7, 4);
    e.blocks.count = 0;
    EXPECT_EQ(reference::GenerateTiling(e.random, *e.board, e.blocks, 7, 4).deepUndos, 2);
}

TEST(Generation, TallestStageNeedsElevenDeepUndos) {
    Engine e;
    const Tiling t = Tile(e, 7, 8, 5963);
    EXPECT_EQ(t.draws, 8791u);
    EXPECT_EQ(t.blocks, (std::vector<BlockPlace>{{0, 0, 4, 2},
                                                 {0, 2, 12, 4},
                                                 {0, 3, 3, 2},
                                                 {0, 6, 2, 1},
                                                 {0, 7, 2, 1},
                                                 {1, 3, 9, 3},
                                                 {2, 2, 9, 3},
                                                 {2, 5, 6, 2},
                                                 {3, 0, 14, 5},
                                                 {3, 1, 9, 3},
                                                 {4, 6, 13, 5},
                                                 {5, 0, 5, 2},
                                                 {5, 3, 0, 0},
                                                 {5, 7, 8, 3}}));
    SeedStageRandom(e.random, 5963);
    ResetBoard(*e.board, 7, 8);
    e.blocks.count = 0;
    EXPECT_EQ(reference::GenerateTiling(e.random, *e.board, e.blocks, 7, 8).deepUndos, 11);
}

TEST(Generation, SameNumberSameTilingWhateverRanBefore) {
    Engine e;
    const Tiling first = Tile(e, 12, 4, 4829);
    for (int n = 0; n < 50; ++n) {
        Tile(e, 7, 8, n * 997);
    }
    const Tiling again = Tile(e, 12, 4, 4829);
    EXPECT_EQ(again.draws, first.draws);
    EXPECT_EQ(again.rows, first.rows);
}

TEST(Generation, DoesNotDependOnDrawsBeforeItsSeedingOrOnOtherEngines) {
    // Generation may start in the middle of a table: it must then take the
    // same draws as the plain generator would.
    Engine a;
    Engine b;
    SeedStageRandom(a.random, 31337);
    for (int i = 0; i < 17; ++i) {
        NextStageRandom(a.random);
    }
    b.random = a.random;
    ResetBoard(*a.board, 12, 4);
    ResetBoard(*b.board, 12, 4);
    a.blocks.count = 0;
    b.blocks.count = 0;
    GenerateTiling(a.random, *a.board, a.blocks);
    reference::GenerateTiling(b.random, *b.board, b.blocks, 12, 4);
    EXPECT_EQ(a.random.draws, b.random.draws);
    EXPECT_EQ(a.board->grid, b.board->grid);
    EXPECT_EQ(a.random.index, b.random.index);
    EXPECT_EQ(NextStageRandom(a.random), NextStageRandom(b.random));
}

} // namespace
} // namespace fenx
