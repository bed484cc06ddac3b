#include <gtest/gtest.h>

#include <memory>

#include "presentation/background_tile.h"
#include "stage/random_stage_number.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

class StageStartTest : public ::testing::Test {
  protected:
    void SetUp() override { h.StartUp(); }
    GameHarness h;
};

TEST_F(StageStartTest, TitleScreenAtStartUp) {
    EXPECT_EQ(h.platform.titles, std::vector<std::string>{"ＤＯＤＩ"});
    EXPECT_EQ(h.g.state.gamePhase, PhaseTitle);
    EXPECT_EQ(h.platform.presented, std::vector<SurfaceRect>{(SurfaceRect{0, 0, 144, 160})});
    EXPECT_EQ(h.g.record.status, ResultNoStage);
}

TEST_F(StageStartTest, NumberIsTakenModulo65536) {
    h.game->StartStageNumber(70000);
    EXPECT_EQ(h.game->CurrentStageNumber(), 4464);
    EXPECT_EQ(h.platform.titles.back(), " 4464 面");
    EXPECT_EQ(h.platform.stageNumbersShown, std::vector<int>{4464});
    EXPECT_EQ(h.g.state.gamePhase, PhaseOpening);
    EXPECT_EQ(h.g.state.openingStep, 32);
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{0, 0, 144, 160}));
    EXPECT_EQ(h.platform.sounds, std::vector<SoundId>{SoundId::Slide});
}

TEST_F(StageStartTest, SameNumberGivesTheSameFieldButNewFlyInPositions) {
    h.StartStage(4829);
    const auto board = std::make_unique<Board>(h.g.board);
    const BlockList first = h.g.blocks;
    h.StartStage(4829);
    EXPECT_EQ(board->grid, h.g.board.grid);
    bool sameOpening = true;
    for (int i = 0; i < first.count; ++i) {
        EXPECT_EQ(first[i].column, h.g.blocks[i].column);
        EXPECT_EQ(first[i].row, h.g.blocks[i].row);
        sameOpening = sameOpening && first[i].openingX == h.g.blocks[i].openingX &&
                      first[i].openingY == h.g.blocks[i].openingY;
    }
    EXPECT_FALSE(sameOpening);
}

TEST_F(StageStartTest, RandomNumberMixesReversedClockBitsADrawAndTheCurrentNumber) {
    EXPECT_EQ(ReverseLow16Bits(0x5678), 0x1E6Au);
    EXPECT_EQ(MixRandomStageNumber(0x5678, 41, 0), 7827);
    // A fresh game's first ProcessRandom draw is 41.
    h.platform.calendarSeconds = 0x12345678;
    EXPECT_EQ(GameProbe::NewRandomStageNumber(*h.game), 7827);
    EXPECT_EQ(GameProbe::NewRandomStageNumber(*h.game), 7786 + 18467);
}

TEST_F(StageStartTest, RandomStageCommandStartsTheNumberFromTheClock) {
    h.platform.calendarSeconds = 0x5678;
    h.game->OnCommand(CmdRandomStage);
    EXPECT_EQ(h.game->CurrentStageNumber(), 7827);
    EXPECT_EQ(h.platform.titles.back(), " 7827 面");
}

TEST_F(StageStartTest, BackgroundFollowsTheLocalHourAtTheStart) {
    const std::pair<int, SheetTile> cases[] = {{13, {8, 2}}, {0, {5, 3}}, {12, {5, 3}}};
    for (const auto& [hour, tile] : cases) {
        h.platform.calendarSeconds = FakePlatform::At(2024, 5, 6, hour, hour == 13 ? 5 : 30);
        h.StartStage(1);
        EXPECT_EQ(h.g.canvas.backgroundTile(), tile) << "hour " << hour;
    }
}

TEST_F(StageStartTest, AStartEndsADragAndTheNewStageFliesIn) {
    h.StartPlaying(2);
    h.Press(0, 7);
    ASSERT_TRUE(h.g.holding());
    h.game->StartStageNumber(3);
    EXPECT_FALSE(h.g.holding());
    EXPECT_EQ(h.Tick(), 11); // paced fly-in frames, not one drag frame
}

TEST_F(StageStartTest, ChallengeTitleIsItsNameAndTheNumberDialogKeepsItsNumber) {
    h.game->StartChallenge(1);
    EXPECT_EQ(h.platform.titles.back(), "初級2 挨拶代わりに");
    EXPECT_EQ(h.game->CurrentStageNumber(), 47154);
    EXPECT_TRUE(h.platform.stageNumbersShown.empty());
    EXPECT_TRUE(h.g.record.challenge);
}

TEST_F(StageStartTest, ChallengeWithFixedBlocksMarksThem) {
    h.game->StartChallenge(7); // 14199, blocks 4 and 5 fixed
    for (int i = 0; i < h.g.blocks.count; ++i) {
        EXPECT_EQ(h.g.blocks[i].fixed, i == 4 || i == 5);
    }
    h.game->StartStageNumber(14199); // the same stage, not as a challenge
    EXPECT_FALSE(h.g.blocks[4].fixed);
}

} // namespace
} // namespace fenx::testing
