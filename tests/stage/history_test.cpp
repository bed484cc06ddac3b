// Which stages leave a line in the history, and what it says.
#include <gtest/gtest.h>

#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class HistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.StartUp();
        h.platform.calendarSeconds = FakePlatform::At(2024, 3, 9, 10, 15);
    }
    GameHarness h;
};

TEST_F(HistoryTest, NothingIsWrittenBeforeTheFirstStageIsLeft) {
    h.game->StartStageNumber(17);
    EXPECT_TRUE(h.platform.history.empty());
    h.game->StartStageNumber(18);
    EXPECT_EQ(h.platform.history, std::vector<std::string>{"0 24/03/09 10:15 7 4 17\n"});
}

TEST_F(HistoryTest, QuittingBeforeAnyStageWritesNothing) {
    h.game->ShutDown();
    EXPECT_TRUE(h.platform.history.empty());
}

TEST_F(HistoryTest, ChallengeStagesAreNeverWritten) {
    h.game->StartStageNumber(17);
    h.game->StartChallenge(0); // leaves the ordinary stage: written
    EXPECT_EQ(h.platform.history.size(), 1u);
    h.game->StartStageNumber(18); // leaves the challenge: nothing
    EXPECT_EQ(h.platform.history.size(), 1u);
    h.game->ShutDown(); // leaves stage 18
    EXPECT_EQ(h.platform.history.back(), "0 24/03/09 10:15 7 4 18\n");
}

TEST_F(HistoryTest, ASolvedStageCarriesTheTimeOfItsSolution) {
    h.StartPlaying(2);
    h.platform.calendarSeconds = FakePlatform::At(2024, 3, 9, 23, 59);
    h.DropOneRow(h.SetUpOneStepFromSolved());
    ASSERT_EQ(h.g.state.gamePhase, PhaseSolved);
    h.platform.calendarSeconds = FakePlatform::At(2024, 3, 10, 0, 20);
    h.game->StartStageNumber(3);
    EXPECT_EQ(h.platform.history, std::vector<std::string>{"1 24/03/09 23:59 7 4 2\n"});
}

} // namespace
} // namespace fenx::testing
