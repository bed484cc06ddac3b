// The Challenge dialog's lines: mark, block count in two places, name.
#include <gtest/gtest.h>

#include "selection/challenge_line.h"

namespace fenx {
namespace {

const ChallengeEntry& Row(int row) {
    return ChallengeTable[static_cast<std::size_t>(row)];
}

TEST(ChallengeLine, MarkCountAndNameOfTheFirstRow) {
    EXPECT_EQ(ChallengeListLine(Row(0), false), "□  7ブロック  初級1 まずは小手調べ");
    EXPECT_EQ(ChallengeListLine(Row(0), true), "■  7ブロック  初級1 まずは小手調べ");
}

TEST(ChallengeLine, CountsOfTwoDigitsTakeTheWholeField) {
    // 8 x 4, 12 x 4 and 7 x 8: the count fills both places.
    EXPECT_EQ(ChallengeListLine(Row(11), false), "□  8ブロック  初級＋ たまには違うサイズなど");
    EXPECT_EQ(ChallengeListLine(Row(13), true), "■ 12ブロック  中級1 緑が気持ちよさそうです");
    EXPECT_EQ(ChallengeListLine(Row(54), false), "□ 14ブロック  上級25 赤がくせもの");
}

TEST(ChallengeLine, TheLongestNameIsKeptWhole) {
    EXPECT_EQ(ChallengeListLine(Row(16), false),
              "□ 12ブロック  中級4 一度崩さないと解けないでしょう");
    EXPECT_EQ(ChallengeListLine(Row(43), false),
              "□ 14ブロック  上級15 ４つの水色ブロックをどうするか");
}

TEST(ChallengeLine, EnglishLinesCountBlocksInWordsBeforeTheEnglishName) {
    EXPECT_EQ(ChallengeListLine(Row(0), false, Language::English),
              "□  7 blocks  Easy 1 Just a warm-up");
    EXPECT_EQ(ChallengeListLine(Row(13), true, Language::English),
              "■ 12 blocks  Medium 1 Green feels at home");
    // The Japanese line stays the default.
    EXPECT_EQ(ChallengeListLine(Row(13), true, Language::Japanese),
              ChallengeListLine(Row(13), true));
}

} // namespace
} // namespace fenx
