#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>

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

TEST(ChallengeTable, EachEnglishNameHasTheLevelAndNumberOfItsJapaneseName) {
    // The Japanese name opens with its level and number ("中級13A"), the
    // English one with the same in words ("Medium 13A"); the rest is a
    // phrase of plain ASCII.
    const std::pair<std::string_view, std::string_view> levels[] = {
        {"初級＋", "Easy+"}, {"初級", "Easy "}, {"中級", "Medium "}, {"上級", "Hard "}};
    for (int row = 0; row < kChallengeCount; ++row) {
        const ChallengeEntry& e = ChallengeTable[static_cast<std::size_t>(row)];
        SCOPED_TRACE(std::string(e.name));
        std::string expected;
        for (const auto& [japanese, english] : levels) {
            if (e.name.starts_with(japanese)) {
                const std::string_view number =
                    e.name.substr(japanese.size(), e.name.find(' ') - japanese.size());
                expected = std::string(english) + std::string(number) + " ";
                break;
            }
        }
        ASSERT_FALSE(expected.empty()) << "no level";
        EXPECT_TRUE(e.englishName.starts_with(expected)) << e.englishName;
        EXPECT_GT(e.englishName.size(), expected.size() + 2) << "no phrase";
        for (const char c : e.englishName) {
            EXPECT_TRUE(c >= ' ' && c <= '~') << e.englishName;
        }
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
