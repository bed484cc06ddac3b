#include <gtest/gtest.h>

#include <array>
#include <set>

#include "core/opening.h"
#include "core/stage_fixture.h"

namespace fenx {
namespace {

using testing::Anchor;
using testing::Engine;
using testing::Rows;
using testing::StartAnchors;

TEST(Layout, FirstAttemptSucceedsForStageZero) {
    Engine e;
    const StageBuildTrace trace = e.build(7, 4, 0);
    EXPECT_EQ(trace.tilingDraws, 63u);
    EXPECT_EQ(trace.layoutDraws, (std::vector<uint64_t>{8}));
    EXPECT_EQ(e.random.draws, 71u); // draws 64 to 71 after the seeding
    EXPECT_EQ(StartAnchors(e.blocks),
              (std::vector<Anchor>{{1, 6}, {1, 4}, {3, 4}, {1, 3}, {3, 2}, {3, 1}, {3, 6}}));
    EXPECT_EQ(Rows(*e.board, 7, 8), ". . . . 5 5 . / . . . 5 5 . . / . . . 4 4 . . / "
                                    ". 3 3 3 4 4 . / . 1 3 2 2 2 2 / . 1 1 1 6 . . / "
                                    ". 0 0 6 6 . . / . . 0 0 6 . .");
}

TEST(Layout, FailedAttemptsContinueTheSequence) {
    Engine e;
    const StageBuildTrace five = e.build(7, 4, 5);
    EXPECT_EQ(five.tilingDraws, 137u);
    EXPECT_EQ(five.layoutDraws, (std::vector<uint64_t>{12, 11, 10}));
    EXPECT_EQ(StartAnchors(e.blocks),
              (std::vector<Anchor>{{4, 4}, {0, 5}, {3, 2}, {4, 1}, {0, 4}, {0, 2}, {5, 5}}));
    EXPECT_EQ(Rows(*e.board, 7, 8), ". . . . . . . / . 5 . . 3 3 3 / 5 5 5 2 . 3 . / "
                                    ". 4 4 2 2 2 . / 4 4 . . 0 . . / 1 . . . 0 6 6 / "
                                    "1 1 . . 0 . 6 / . 1 . . 0 . 6");

    const StageBuildTrace six = e.build(7, 4, 15949);
    EXPECT_EQ(six.layoutDraws, (std::vector<uint64_t>{14, 10, 13, 15, 13, 7}));
    EXPECT_EQ(StartAnchors(e.blocks),
              (std::vector<Anchor>{{2, 4}, {3, 6}, {5, 5}, {3, 4}, {1, 3}, {3, 2}, {0, 1}}));

    const StageBuildTrace tall = e.build(7, 8, 8020);
    EXPECT_EQ(tall.layoutDraws, (std::vector<uint64_t>{25, 26, 31, 22, 18}));
}

TEST(Layout, AttemptsNeededOverAllStageNumbers) {
    Engine e;
    std::array<int, 8> small{};
    for (int n = 0; n < 65536; ++n) {
        const size_t attempts = e.build(7, 4, n).layoutDraws.size();
        ASSERT_LT(attempts, small.size());
        ++small[attempts];
    }
    EXPECT_EQ(small, (std::array<int, 8>{0, 59589, 5214, 632, 82, 14, 5, 0}));

    size_t mostWide = 0;
    size_t mostTall = 0;
    for (int n = 0; n < 65536; ++n) {
        mostWide = std::max(mostWide, e.build(12, 4, n).layoutDraws.size());
        mostTall = std::max(mostTall, e.build(7, 8, n).layoutDraws.size());
    }
    EXPECT_EQ(mostWide, 4u);
    EXPECT_EQ(mostTall, 5u);
    EXPECT_EQ(e.build(12, 4, 12564).layoutDraws.size(), 4u);
}

TEST(Layout, FieldHoldsEveryBlockOnceAndHalfTheCells) {
    Engine e;
    for (int n : {0, 1, 77, 4829, 65535}) {
        e.build(38, 10, n);
        int covered = 0;
        std::array<int, kMaxBlocks> cells{};
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 38; ++x) {
                const int v = e.board->at(x, y);
                if (v >= 0) {
                    ++covered;
                    ++cells[static_cast<size_t>(v)];
                }
            }
        }
        EXPECT_EQ(covered, 380);
        for (int i = 0; i < 95; ++i) {
            EXPECT_EQ(cells[static_cast<size_t>(i)], 4) << "block " << i;
            for (const CellOffset& c : ShapeTable[e.blocks[i].orientation]) {
                EXPECT_EQ(e.board->at(e.blocks[i].column + c.dx, e.blocks[i].row + c.dy), i);
            }
        }
    }
}

TEST(Layout, FixedMarksNameBlocksByIndex) {
    Engine e;
    auto marked = [&](FixedBlocks fixed) {
        e.build(7, 4, 53833, fixed);
        std::set<int> out;
        for (int i = 0; i < e.blocks.count; ++i) {
            if (e.blocks[i].fixed) {
                out.insert(i);
            }
        }
        return out;
    };
    EXPECT_EQ(marked({6, -1}), (std::set<int>{6}));
    EXPECT_EQ(marked({-1, -1}), (std::set<int>{}));
    EXPECT_EQ(marked({4, 5}), (std::set<int>{4, 5}));
    // Out-of-range indices name no block; the marks of an earlier stage do
    // not survive.
    EXPECT_EQ(marked({7, 300}), (std::set<int>{}));
}

TEST(Layout, FixedMarksDoNotChangeTheField) {
    Engine a;
    Engine b;
    a.build(12, 4, 17637, {4, -1});
    b.build(12, 4, 17637, {8, -1});
    EXPECT_EQ(a.board->grid, b.board->grid);
}

TEST(OpeningPositions, SpanDependsOnTheWidthOnly) {
    Engine e;
    e.build(7, 4, 0);
    ProcessRandom random;
    int minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
    for (int round = 0; round < 2000; ++round) {
        ScatterOpeningPositions(random, e.blocks, 7);
        for (int i = 0; i < e.blocks.count; ++i) {
            minX = std::min(minX, e.blocks[i].openingX);
            maxX = std::max(maxX, e.blocks[i].openingX);
            minY = std::min(minY, e.blocks[i].openingY);
            maxY = std::max(maxY, e.blocks[i].openingY);
        }
    }
    EXPECT_EQ(minX, -48);
    EXPECT_EQ(maxX, 175);
    EXPECT_EQ(minY, -112);
    EXPECT_EQ(maxY, 335);
}

TEST(OpeningPositions, TwoStartsOfOneStageFlyInDifferently) {
    Engine e;
    ProcessRandom random;
    e.build(7, 4, 0);
    ScatterOpeningPositions(random, e.blocks, 7);
    // Draws from program start: x from 41, y from 18467.
    EXPECT_EQ(e.blocks[0].openingX, 41 % 224 - 48);
    EXPECT_EQ(e.blocks[0].openingY, 18467 % 448 - 112);
    const BlockList first = e.blocks;
    e.build(7, 4, 0);
    ScatterOpeningPositions(random, e.blocks, 7);
    bool differ = false;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(e.blocks[i].column, first[i].column);
        EXPECT_EQ(e.blocks[i].row, first[i].row);
        differ = differ || e.blocks[i].openingX != first[i].openingX ||
                 e.blocks[i].openingY != first[i].openingY;
    }
    EXPECT_TRUE(differ);
}

} // namespace
} // namespace fenx
