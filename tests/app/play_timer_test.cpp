// The play timer's pacing against a scripted game: ticks every 100 ms, extra
// frames at the readings the game asks for, nothing while the gate is shut,
// and a new tick ending what the last one left pending.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include <vector>

#include "app/play_timer.h"

namespace fenx {
namespace {

// Asks for `framesPerTick` frames per tick, each `spacing` ms after the
// one before, and records when each was due and when it ran.
struct ScriptedGame {
    explicit ScriptedGame(uint32_t clockStart = 0) : start(clockStart) { elapsed.start(); }

    PlayTimer::Hooks Hooks() {
        return {[this] {
                    ++ticks;
                    framesLeft = framesPerTick;
                    return Next();
                },
                [this] {
                    frameTimes.push_back(Now());
                    return Next();
                },
                [this] { return Now(); }, [this] { return open; }};
    }

    uint32_t Now() const { return start + static_cast<uint32_t>(elapsed.elapsed()); }

    std::optional<uint32_t> Next() {
        if (framesLeft == 0) {
            return std::nullopt;
        }
        --framesLeft;
        dues.push_back(Now() + static_cast<uint32_t>(spacing));
        return dues.back();
    }

    uint32_t start;
    QElapsedTimer elapsed;
    int ticks = 0;
    int framesPerTick = 0;
    int framesLeft = 0;
    int spacing = 10;
    bool open = true;
    std::vector<uint32_t> dues;
    std::vector<uint32_t> frameTimes;
};

TEST(PlayTimer, TicksAndRunsEachFrameNoEarlierThanAsked) {
    ScriptedGame game;
    game.framesPerTick = 3;
    game.spacing = 15;
    PlayTimer timer(game.Hooks());
    timer.Start();
    QTest::qWait(350);
    timer.Stop();
    EXPECT_GE(game.ticks, 2);
    EXPECT_LE(game.ticks, 4);
    // Every tick but the last has run all its frames; the last may have
    // been cut short by the stop.
    EXPECT_LE(game.frameTimes.size(), static_cast<std::size_t>(3 * game.ticks));
    EXPECT_GE(game.frameTimes.size(), static_cast<std::size_t>(3 * (game.ticks - 1)));
    for (std::size_t i = 0; i < game.frameTimes.size(); ++i) {
        EXPECT_GE(static_cast<int32_t>(game.frameTimes[i] - game.dues[i]), 0) << i;
    }
}

TEST(PlayTimer, IdleGameGetsOnlyTicks) {
    ScriptedGame game;
    PlayTimer timer(game.Hooks());
    timer.Start();
    QTest::qWait(250);
    EXPECT_GE(game.ticks, 1);
    EXPECT_TRUE(game.frameTimes.empty());
    EXPECT_FALSE(timer.FramePending());
}

TEST(PlayTimer, ShutGateSkipsTicksAndDropsPendingFrames) {
    ScriptedGame game;
    game.framesPerTick = 1;
    game.spacing = 60;
    PlayTimer timer(game.Hooks());
    timer.Start();
    QTest::qWait(130); // one tick, its frame pending until ~160 ms
    ASSERT_EQ(game.ticks, 1);
    game.open = false;
    QTest::qWait(300);
    EXPECT_EQ(game.ticks, 1);
    EXPECT_TRUE(game.frameTimes.empty());
    game.open = true;
    QTest::qWait(200);
    EXPECT_GE(game.ticks, 2);
    EXPECT_FALSE(game.frameTimes.empty());
}

TEST(PlayTimer, ANewTickEndsTheFrameStillPending) {
    ScriptedGame game;
    game.framesPerTick = 1;
    game.spacing = 150; // never reached before the next tick
    PlayTimer timer(game.Hooks());
    timer.Start();
    QTest::qWait(450);
    EXPECT_GE(game.ticks, 3);
    EXPECT_TRUE(game.frameTimes.empty());
}

TEST(PlayTimer, FramesDueJustPastAClockWrapRunOnTime) {
    // The first tick comes about 100 ms after the start, just before the
    // clock wraps; its frames are due just after.
    ScriptedGame game(0xFFFFFFFFu - 102);
    game.framesPerTick = 4;
    game.spacing = 5;
    PlayTimer timer(game.Hooks());
    timer.Start();
    QTest::qWait(100);
    for (int waited = 0; game.frameTimes.size() < 4 && waited < 400; waited += 10) {
        QTest::qWait(10);
    }
    timer.Stop();
    ASSERT_EQ(game.frameTimes.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto late = static_cast<int32_t>(game.frameTimes[i] - game.dues[i]);
        EXPECT_GE(late, 0) << i;
        EXPECT_LT(late, 50) << i;
    }
}

} // namespace
} // namespace fenx
