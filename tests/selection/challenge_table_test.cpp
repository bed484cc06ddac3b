#include <gtest/gtest.h>

#include <memory>

#include "core/stage_build.h"
#include "core/stage_size.h"
#include "selection/challenge_table.h"

namespace fenx {
namespace {

TEST(ChallengeTable, EveryRowIsAStageWhoseFixedBlocksExist) {
    for (int row = 0; row < kChallengeCount; ++row) {
        const ChallengeEntry& e = ChallengeTable[static_cast<std::size_t>(row)];
        ASSERT_TRUE(IsValidStageSize(e.width, e.height)) << "row " << row;
        const int blocks = BlockCount(e.width, e.height);
        EXPECT_LT(e.fixedA, blocks) << "row " << row;
        EXPECT_LT(e.fixedB, blocks) << "row " << row;
        EXPECT_TRUE(e.fixedB == -1 || e.fixedA != -1) << "row " << row;
        EXPECT_FALSE(e.name.empty());
    }
}

TEST(ChallengeTable, PairedRowsShareTheirBlocksAndDifferInTheFixedOne) {
    for (const auto& [a, b] : {std::pair{25, 26}, std::pair{27, 28}, std::pair{51, 52}}) {
        const ChallengeEntry& ea = ChallengeTable[static_cast<std::size_t>(a)];
        const ChallengeEntry& eb = ChallengeTable[static_cast<std::size_t>(b)];
        const auto stageA = BuildStage(ea.width, ea.height, ea.stageNumber, {ea.fixedA, ea.fixedB});
        const auto stageB = BuildStage(eb.width, eb.height, eb.stageNumber, {eb.fixedA, eb.fixedB});
        const BlockList& la = stageA->blocks;
        const BlockList& lb = stageB->blocks;
        EXPECT_EQ(stageA->board.grid, stageB->board.grid);
        EXPECT_EQ(la[ea.fixedA].fixed, 1);
        EXPECT_EQ(la[eb.fixedA].fixed, 0);
        EXPECT_EQ(lb[eb.fixedA].fixed, 1);
    }
}

} // namespace
} // namespace fenx
