#include <gtest/gtest.h>

#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class CommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { h.StartUp(); }
    GameHarness h;
};

TEST_F(CommandsTest, EveryCommandIsIgnoredDuringTheFlyIn) {
    h.StartStage(5);
    const auto writes = h.platform.writes.size();
    const auto titles = h.platform.titles.size();
    for (int id :
         {101, 102, 103, 104, 105, 106, 107, 108, 110, 111, 113, 115, 116, 117, 118, 119}) {
        EXPECT_EQ(h.game->OnCommand(id), CommandEffect::None) << id;
    }
    EXPECT_EQ(h.platform.writes.size(), writes);
    EXPECT_EQ(h.platform.titles.size(), titles);
    EXPECT_EQ(h.game->CurrentStageNumber(), 5);
    EXPECT_TRUE(h.game->GetMenuMarks().soundChecked);
}

TEST_F(CommandsTest, EffectsForTheShell) {
    EXPECT_EQ(h.game->OnCommand(CmdExit), CommandEffect::Quit);
    EXPECT_EQ(h.game->OnCommand(CmdHelpContents), CommandEffect::OpenHelp);
    EXPECT_EQ(h.game->OnCommand(CmdAnySize), CommandEffect::OpenSizeDialog);
    EXPECT_EQ(h.game->OnCommand(CmdStageNumber), CommandEffect::OpenStageNumberDialog);
    EXPECT_EQ(h.game->OnCommand(CmdChallenge), CommandEffect::OpenChallengeDialog);
    EXPECT_EQ(h.game->OnCommand(CmdSearch), CommandEffect::OpenSearchDialog);
    EXPECT_EQ(h.game->OnCommand(CmdHistory), CommandEffect::OpenHistoryDialog);
    EXPECT_EQ(h.game->OnCommand(109), CommandEffect::None);
    EXPECT_TRUE(h.platform.sounds.empty());
    EXPECT_EQ(h.game->OnCommand(CmdAbout), CommandEffect::OpenAbout);
    EXPECT_EQ(h.platform.sounds, std::vector<SoundId>{SoundId::Open});
    h.game->OnCommand(CmdSound);
    h.game->OnCommand(CmdAbout);
    EXPECT_EQ(h.platform.sounds.size(), 1u);
}

TEST_F(CommandsTest, PresetsClearTheChallengeFlag) {
    h.game->StartChallenge(0);
    h.Tick();
    h.Tick();
    h.Tick();
    h.game->OnCommand(CmdSizeHard);
    EXPECT_FALSE(h.g.state.challengeActive);
    EXPECT_EQ(h.game->StageHeight(), 8);
    EXPECT_EQ(h.game->GetMenuMarks().sizeMark, 2);
}

TEST(ShownMenu, OpenDialogsGrayTheirItemsAndTheMarksStay) {
    const MenuMarks marks{2, false, -1};
    OpenDialogs open;
    EXPECT_EQ(ShownMenu(marks, open), (MenuState{marks, true, true, true, true}));
    open.Set(DialogKind::Size, true);
    open.Set(DialogKind::Challenge, true);
    open.Set(DialogKind::History, true); // its item stays usable
    EXPECT_EQ(ShownMenu(marks, open), (MenuState{marks, false, true, false, true}));
    open.Set(DialogKind::Size, false);
    open.Set(DialogKind::Search, true);
    open.Set(DialogKind::StageNumber, true);
    EXPECT_EQ(ShownMenu(marks, open), (MenuState{marks, false, false, true, false}));
}

TEST_F(CommandsTest, QuitDuringADragEndsItAndWritesTheStage) {
    h.StartPlaying(2);
    h.Press(0, 7);
    h.game->ShutDown();
    EXPECT_FALSE(h.g.holding());
    EXPECT_EQ(h.platform.history.size(), 1u);
}

} // namespace
} // namespace fenx::testing
