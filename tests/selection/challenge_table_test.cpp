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
        StageRandom ra;
        StageRandom rb;
        auto boardA = std::make_unique<Board>();
        auto boardB = std::make_unique<Board>();
        BlockList la;
        BlockList lb;
        BuildStage(ra, *boardA, la, ea.width, ea.height, ea.stageNumber, {ea.fixedA, ea.fixedB});
        BuildStage(rb, *boardB, lb, eb.width, eb.height, eb.stageNumber, {eb.fixedA, eb.fixedB});
        EXPECT_EQ(boardA->grid, boardB->grid);
        EXPECT_EQ(la[ea.fixedA].fixed, 1);
        EXPECT_EQ(la[eb.fixedA].fixed, 0);
        EXPECT_EQ(lb[eb.fixedA].fixed, 1);
    }
}

} // namespace
} // namespace fenx
