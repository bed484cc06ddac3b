#include <gtest/gtest.h>

#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class ChangeStageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.StartUp();
        h.platform.events.clear();
        h.platform.writes.clear();
        h.platform.settingWrites = 0;
    }
    GameHarness h;
};

TEST_F(ChangeStageTest, TheCurrentSizeStartsAStageWithoutTouchingSettingsOrWindow) {
    h.game->OnCommand(CmdSizeEasy);
    EXPECT_EQ(h.g.state.gamePhase, PhaseOpening);
    EXPECT_TRUE(h.platform.writes.empty());
    EXPECT_TRUE(h.platform.resizes.empty());
    EXPECT_TRUE(h.platform.sizesShown.empty());
    EXPECT_EQ(h.platform.menuChanges, 1); // the one at start-up
}

TEST_F(ChangeStageTest, AnotherSizeIsWrittenAndTheWindowResizedBeforeTheStageStarts) {
    h.game->OnCommand(CmdSizeMedium);
    const std::vector<std::string> expected = {
        "write x_size=12",
        "write y_size=4",
        "menu",
        "size 12x4",
        "resize 224x160",
        "title  " + std::to_string(h.game->CurrentStageNumber()) + " 面",
        "sound 2"};
    EXPECT_EQ(h.platform.events, expected);
    // Width and height in one write: a crash cannot keep one without the other.
    EXPECT_EQ(h.platform.settingWrites, 1);
    EXPECT_EQ(h.game->ClientSize(), (PixelSize{224, 160}));
    EXPECT_EQ(h.game->Surface().width(), 224);
    EXPECT_EQ(h.game->GetMenuMarks().sizeMark, 1);
    EXPECT_EQ(h.g.blocks.count, 12);
}

TEST_F(ChangeStageTest, ChallengeOfAnotherSizeChangesAndKeepsTheSize) {
    h.game->StartChallenge(11); // 8 x 4
    EXPECT_EQ(h.platform.settings["x_size"], "8");
    EXPECT_EQ(h.game->StageWidth(), 8);
    EXPECT_EQ(h.game->GetMenuMarks().sizeMark, 3);
    EXPECT_EQ(h.platform.titles.back(), "初級＋ たまには違うサイズなど");
}

TEST_F(ChangeStageTest, SizeDialogAndHistoryStartsClearTheChallengeFlag) {
    h.game->StartChallenge(0);
    h.game->StartStageOfSize(8, 5, 300);
    EXPECT_FALSE(h.g.state.challengeActive);
    EXPECT_EQ(h.game->CurrentStageNumber(), 300);
    EXPECT_EQ(h.game->ClientSize(), (PixelSize{160, 192}));
    h.game->StartStageOfSize(9, 5, 300); // 45 cells: not a stage size
    EXPECT_EQ(h.game->StageWidth(), 8);
}

} // namespace
} // namespace fenx::testing
