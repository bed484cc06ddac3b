// Which sets of rows may end a stage: full rows in runs that can each be
// tiled on their own, holding every fixed block.
#include <gtest/gtest.h>

#include <array>
#include <bit>

#include "solver/row_sets.h"

namespace fenx {
namespace {

TEST(RowSets, RunsMustBeWholeBlocksWide) {
    // Seven columns: a run needs a multiple of four rows.
    EXPECT_EQ(TileableRuns(0x0f, 7), 1);
    EXPECT_EQ(TileableRuns(0xf0f, 7), 2);
    EXPECT_EQ(TileableRuns(0x07, 7), 0);
    EXPECT_EQ(TileableRuns(0x3f, 7), 0);
    // Twelve columns: any run will do.
    EXPECT_EQ(TileableRuns(0x55, 12), 4);
    // Ten columns: an even number of rows.
    EXPECT_EQ(TileableRuns(0x07, 10), 0);
    EXPECT_EQ(TileableRuns(0x36, 10), 2);
    EXPECT_EQ(TileableRuns(0x16, 10), 0);
    EXPECT_EQ(TileableRuns(0, 7), 0);
}

TEST(RowSets, HalvesFirstThenBandsThenMoreRuns) {
    std::array<RowSet, 512> sets{};
    // 12 x 4: every choice of 4 of the 8 rows.
    const int wide = CollectRowSets(12, 4, 0, sets);
    EXPECT_EQ(wide, 70);
    EXPECT_EQ(sets[0], 0xf0u);
    EXPECT_EQ(sets[1], 0x0fu);
    EXPECT_EQ(sets[2], 0x1eu); // the bands between come next
    int lastRuns = 1;
    for (int k = 0; k < wide; ++k) {
        EXPECT_EQ(std::popcount(sets[static_cast<std::size_t>(k)]), 4);
        const int runs = TileableRuns(sets[static_cast<std::size_t>(k)], 12);
        EXPECT_GE(runs, k < 2 ? 1 : lastRuns) << "set " << k;
        lastRuns = runs;
    }
    // 7 x 4: only the single bands of four rows.
    EXPECT_EQ(CollectRowSets(7, 4, 0, sets), 5);
}

TEST(RowSets, FixedRowsMustBeFull) {
    // A standing I in rows 3..6 of a 7 x 8 stage: the bands from row 0 to
    // row 3, or those rows alone with another four below them.
    std::array<RowSet, 64> sets{};
    const int n = CollectRowSets(7, 8, 0x78, sets);
    const std::array<RowSet, 9> expected = {0xff,   0x1fe,  0x3fc,  0x7f8, 0xf78,
                                            0x1e78, 0x3c78, 0x7878, 0xf078};
    ASSERT_EQ(n, 9);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(sets[k], expected[k]) << "set " << k;
    }
    // Fixed blocks in the top and the bottom row: four rows at each end,
    // or at 7 x 4, where every run is a band of four, nothing.
    ASSERT_EQ(CollectRowSets(7, 8, 0x8001, sets), 1);
    EXPECT_EQ(sets[0], 0xf00fu);
    EXPECT_EQ(CollectRowSets(7, 4, 0x81, sets), 0);
}

TEST(RowSets, StopsWhereTheOutputEnds) {
    std::array<RowSet, 3> few{};
    EXPECT_EQ(CollectRowSets(12, 4, 0, few), 3);
    EXPECT_EQ(few[2], 0x1eu);
}

} // namespace
} // namespace fenx
