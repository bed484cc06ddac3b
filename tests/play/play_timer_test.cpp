#include <gtest/gtest.h>

#include <cstring>

#include "play/opening_path.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

TEST(OpeningPath, TruncatesTowardZero) {
    EXPECT_EQ(OpeningCoordinate(-37, 0, 31), -35); // -1131 / 32; floor would give -36
    EXPECT_EQ(OpeningCoordinate(100, 2, 16), 74);
    EXPECT_EQ(OpeningCoordinate(-500, 3, 32), -500);
    EXPECT_EQ(OpeningCoordinate(-500, 3, 0), 64);
}

class PlayTimerTest : public ::testing::Test {
  protected:
    void SetUp() override { h.StartUp(); }
    GameHarness h;
};

TEST_F(PlayTimerTest, FlyInTakesThirtyTwoPacedFramesThenPlayStarts) {
    h.StartStage(2);
    EXPECT_EQ(h.Tick(), 11);
    EXPECT_EQ(h.g.state.openingStep, 21);
    EXPECT_EQ(h.Tick(), 11);
    // The tenth frame of this tick brings the step to 0 and starts play; the
    // next finds nothing to animate and ends the tick.
    EXPECT_EQ(h.Tick(), 10);
    EXPECT_EQ(h.g.state.openingStep, 0);
    EXPECT_EQ(h.g.state.gamePhase, PhasePlaying);
    EXPECT_EQ(h.Tick(), 0);
}

TEST_F(PlayTimerTest, LastFlyInFramePutsEveryBlockOnItsCell) {
    h.StartPlaying(2);
    Canvas expected(h.sheet.sheet);
    expected.CreateSurfaces(7, 4);
    expected.SetBackgroundTile(h.g.canvas.backgroundTile());
    expected.DrawField();
    for (int i = 0; i < h.g.blocks.count; ++i) {
        const Block& b = h.g.blocks[i];
        expected.DrawBlockAt(CellPixel(b.column), CellPixel(b.row), b.orientation, b.kind, false);
    }
    EXPECT_EQ(0, std::memcmp(expected.surface().pixels(), h.g.canvas.surface().pixels(),
                             static_cast<std::size_t>(144 * 160)));
    EXPECT_EQ(h.platform.presented.back(), (SurfaceRect{0, 0, 144, 160}));
}

TEST_F(PlayTimerTest, ADragTakesExactlyOneFramePerTick) {
    h.StartPlaying(2);
    h.Press(0, 7); // block 3, a square
    ASSERT_TRUE(h.g.holding());
    for (int tick = 1; tick <= 3; ++tick) {
        EXPECT_EQ(h.game->OnPlayTimer(), std::nullopt);
        EXPECT_EQ(h.g.drag.tick, tick);
    }
}

TEST_F(PlayTimerTest, APickUpBetweenPacedFramesEndsTheTick) {
    h.StartStage(2);
    std::optional<uint32_t> due = h.game->OnPlayTimer();
    while (h.g.state.gamePhase == PhaseOpening) {
        if (!due) {
            h.platform.milliseconds += 100;
            due = h.game->OnPlayTimer();
            continue;
        }
        h.platform.milliseconds = *due;
        due = h.game->OnPacedFrame();
    }
    ASSERT_TRUE(due); // the tick that ended the fly-in still wants frames
    h.Press(0, 7);
    h.platform.milliseconds = *due;
    EXPECT_EQ(h.game->OnPacedFrame(), std::nullopt);
    EXPECT_EQ(h.g.drag.tick, 0); // no drag frame ran
}

TEST_F(PlayTimerTest, NothingAnimatesOnTheTitleScreen) {
    const std::size_t presented = h.platform.presented.size();
    EXPECT_EQ(h.game->OnPlayTimer(), std::nullopt);
    EXPECT_EQ(h.platform.presented.size(), presented);
}

} // namespace
} // namespace fenx::testing
