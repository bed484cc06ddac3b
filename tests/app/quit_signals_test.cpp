// SIGINT and SIGTERM become a quit request in the event loop instead of
// ending the process on the spot; the old handlers come back afterwards.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <csignal>

#include "app/quit_signals.h"
#include "app/sound_player.h"

namespace fenx {
namespace {

void (*CurrentHandler(int signal))(int) {
    struct sigaction now {};
    sigaction(signal, nullptr, &now);
    return now.sa_handler;
}

TEST(QuitSignals, EachSignalBecomesAQuitRequest) {
    QuitSignals watcher;
    ASSERT_TRUE(watcher.Installed());
    QSignalSpy spy(&watcher, &QuitSignals::quitRequested);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(spy.wait(2000));
    ASSERT_EQ(std::raise(SIGINT), 0);
    ASSERT_TRUE(spy.wait(2000));
    ASSERT_EQ(std::raise(SIGHUP), 0);
    ASSERT_TRUE(spy.wait(2000));
    EXPECT_EQ(spy.count(), 3);
}

TEST(QuitSignals, ManySignalsAtOnceGiveAtLeastOneRequest) {
    QuitSignals watcher;
    QSignalSpy spy(&watcher, &QuitSignals::quitRequested);
    for (int i = 0; i < 100000; ++i) { // more than the pipe holds
        std::raise(SIGINT);
    }
    ASSERT_TRUE(spy.wait(2000));
    EXPECT_GE(spy.count(), 1);
}

TEST(QuitSignals, RestoresTheEarlierHandlersAndAllowsOnlyOneWatcher) {
    const auto terminateBefore = CurrentHandler(SIGTERM);
    const auto interruptBefore = CurrentHandler(SIGINT);
    {
        QuitSignals watcher;
        EXPECT_NE(CurrentHandler(SIGTERM), terminateBefore);
        EXPECT_NE(CurrentHandler(SIGINT), interruptBefore);
        QuitSignals second;
        EXPECT_FALSE(second.Installed());
    }
    EXPECT_EQ(CurrentHandler(SIGTERM), terminateBefore);
    EXPECT_EQ(CurrentHandler(SIGINT), interruptBefore);
}

TEST(QuitSignals, StartingTheSoundLeavesTheHandlersAlone) {
    const auto interruptBefore = CurrentHandler(SIGINT);
    const auto terminateBefore = CurrentHandler(SIGTERM);
    SoundPlayer sound;
    EXPECT_EQ(CurrentHandler(SIGINT), interruptBefore);
    EXPECT_EQ(CurrentHandler(SIGTERM), terminateBefore);
}

} // namespace
} // namespace fenx
