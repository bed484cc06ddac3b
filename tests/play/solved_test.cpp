#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/stage_build.h"
#include "play/solved_animation.h"
#include "selection/challenge_progress.h"
#include "support/drag_solver.h"

namespace fenx::testing {
namespace {

// Frames until a block launched from effectY with speed vy is gone below a
// window for `height` rows.
int FramesUntilGone(int32_t y, int32_t vy, int height) {
    int frames = 0;
    while (y <= height * 8192 + 20480) {
        vy += 128;
        y += vy;
        ++frames;
    }
    return frames;
}

TEST(SolvedStage, SolvedByDragsThenTheBlocksFallOutAndTheTitleReturns) {
    GameHarness h;
    h.StartUp();
    h.StartPlaying(4);
    DragSolver solver(h);
    ASSERT_TRUE(solver.Solve());

    EXPECT_EQ(h.g.state.gamePhase, PhaseSolved);
    EXPECT_EQ(h.platform.sounds.back(), SoundId::Tada);
    EXPECT_FALSE(h.g.holding());
    EXPECT_EQ(h.g.record.status, ResultSolved);

    // The launch speeds are the next two draws per block after building the
    // stage, sideways first.
    const auto built = BuildStage(7, 4, 4);
    StageRandom random = built->random;
    int lastFrame = 0;
    for (int i = 0; i < h.g.blocks.count; ++i) {
        const Block& b = h.g.blocks[i];
        EXPECT_EQ(b.effectVelocityX, (NextStageRandom(random) & 0x3FF) - 512);
        EXPECT_EQ(b.effectVelocityY, -2048 - (NextStageRandom(random) & 0x1FF));
        EXPECT_EQ(b.effectX, (b.column + 1) * 4096);
        EXPECT_EQ(b.effectY, (b.row + 1) * 4096);
        lastFrame = std::max(lastFrame, FramesUntilGone(b.effectY, b.effectVelocityY, 4));
    }

    // The frame that finds every block gone is still shown and ends the
    // animation; the next frame of the same tick has nothing to do.
    const std::size_t before = h.platform.presented.size();
    int frames = 0;
    while (h.g.state.gamePhase == PhaseSolved && frames < 1000) {
        frames += h.Tick();
    }
    EXPECT_EQ(frames, lastFrame);
    EXPECT_EQ(h.platform.presented.size() - before, static_cast<std::size_t>(lastFrame));
    EXPECT_EQ(h.g.state.gamePhase, PhaseTitle);
    EXPECT_EQ(h.Tick(), 0);

    h.Press(3, 3); // a click anywhere starts the next stage
    EXPECT_EQ(h.g.state.gamePhase, PhaseOpening);
}

TEST(SolvedStage, LettersSwingOnADampedSpring) {
    SolvedAnimation a;
    a.letterY.fill(-20480); // half of a 160-pixel window, in 1/256 pixel
    EXPECT_EQ(SwingLetter(a, 0), -20480);
    EXPECT_EQ(a.letterV[0], 1240); // (0 + 1280) * 31 / 32
    EXPECT_EQ(SwingLetter(a, 0), -19240);
    EXPECT_EQ(a.letterV[0], 2365); // (1240 + 1202) * 31 / 32, truncated
}

class ChallengeSolvedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.StartUp();
        SolveChallengeZero();
    }
    void SolveChallengeZero() {
        h.game->StartChallenge(0);
        while (h.g.state.gamePhase == PhaseOpening) {
            h.Tick();
        }
        h.DropOneRow(h.SetUpOneStepFromSolved());
    }
    int ChallengeWrites() const {
        return static_cast<int>(
            std::count_if(h.platform.writes.begin(), h.platform.writes.end(),
                          [](const auto& w) { return w.first == "challenge"; }));
    }
    GameHarness h;
};

TEST_F(ChallengeSolvedTest, RecordedOnceAndWrittenEveryTime) {
    ASSERT_EQ(h.g.state.gamePhase, PhaseSolved);
    EXPECT_EQ(h.platform.challengesMarked, std::vector<int>{0});
    ASSERT_EQ(ChallengeWrites(), 1);
    const std::string key = h.platform.settings["challenge"];
    EXPECT_TRUE(DecodeChallengeProgress(key).solved(0));
    EXPECT_TRUE(h.game->ChallengeSolved(0));

    SolveChallengeZero();
    EXPECT_EQ(h.platform.challengesMarked, std::vector<int>{0});
    EXPECT_EQ(ChallengeWrites(), 2);
    EXPECT_EQ(h.platform.settings["challenge"], key);
}

TEST(ChallengeSolvedBesideAnotherCopy, TheOtherCopysMarksAreKeptAndShownHereToo) {
    GameHarness h;
    h.StartUp();
    // Another copy of the game, started later, solved row 7 meanwhile.
    ChallengeProgress theirs;
    theirs.flags[7] = 1;
    const auto text = EncodeChallengeProgress(theirs);
    h.platform.settings["challenge"] = std::string(text.data(), text.size());

    h.game->StartChallenge(0);
    while (h.g.state.gamePhase == PhaseOpening) {
        h.Tick();
    }
    h.DropOneRow(h.SetUpOneStepFromSolved());
    ASSERT_EQ(h.g.state.gamePhase, PhaseSolved);
    const ChallengeProgress stored = DecodeChallengeProgress(h.platform.settings["challenge"]);
    EXPECT_TRUE(stored.solved(0));
    EXPECT_TRUE(stored.solved(7));
    EXPECT_TRUE(h.game->ChallengeSolved(7));
    // An open challenge list hears of both rows.
    EXPECT_EQ(h.platform.challengesMarked, (std::vector<int>{0, 7}));
}

TEST(ChallengeSolvedBesideAnotherCopy, TheOtherCopysMarksShowBeforeThisCopySolvesAnything) {
    GameHarness h;
    h.StartUp();
    ChallengeProgress theirs;
    theirs.flags[3] = 1;
    theirs.flags[54] = 1;
    const auto text = EncodeChallengeProgress(theirs);
    h.platform.settings["challenge"] = std::string(text.data(), text.size());
    const int writes = h.platform.settingWrites;
    h.game->TakeStoredChallengeProgress();
    EXPECT_TRUE(h.game->ChallengeSolved(3));
    EXPECT_TRUE(h.game->ChallengeSolved(54));
    EXPECT_FALSE(h.game->ChallengeSolved(0));
    EXPECT_EQ(h.platform.challengesMarked, (std::vector<int>{3, 54}));
    // Taken again, or taken from a damaged key, nothing is heard of twice,
    // lost, or written.
    h.game->TakeStoredChallengeProgress();
    h.platform.settings["challenge"] = "damaged";
    h.game->TakeStoredChallengeProgress();
    EXPECT_TRUE(h.game->ChallengeSolved(3));
    EXPECT_EQ(h.platform.challengesMarked, (std::vector<int>{3, 54}));
    EXPECT_EQ(h.platform.settingWrites, writes);
}

TEST_F(ChallengeSolvedTest, TheMessageDropsInLetterByLetterAndNeverEnds) {
    const int32_t start = -(160 / 2) * 256;
    for (int frame = 1; frame <= 300; ++frame) {
        ASSERT_TRUE(h.game->OnPlayTimer().has_value()); // one frame
        ASSERT_EQ(h.g.state.gamePhase, PhaseSolved);
        for (std::size_t j = 0; frame <= 40 && j < kSolvedMessageLength; ++j) {
            // Letter j first swings on frame 2j + 2.
            const bool moving = h.g.solved.letterY[j] != start || h.g.solved.letterV[j] != 0;
            EXPECT_EQ(moving, frame >= 2 * static_cast<int>(j) + 2)
                << "letter " << j << " frame " << frame;
        }
    }
    EXPECT_LT(std::abs(h.g.solved.letterY[0]), 256); // settled on its line
    h.Press(3, 3);
    EXPECT_EQ(h.g.state.gamePhase, PhaseSolved); // clicks do nothing
}

} // namespace
} // namespace fenx::testing
