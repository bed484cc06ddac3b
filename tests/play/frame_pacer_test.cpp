#include <gtest/gtest.h>

#include <vector>

#include "play/frame_pacer.h"

namespace fenx {
namespace {

// Runs a tick against a clock that is read at exactly each due time, as a
// loop polling every millisecond would see it; returns the clock readings
// at which frames ran after the first.
std::vector<uint32_t> PacedFrames(uint32_t t0) {
    FramePacer pacer;
    std::vector<uint32_t> frames;
    for (auto due = pacer.BeginTick(t0); due; due = pacer.FrameDone(*due)) {
        EXPECT_TRUE(pacer.FrameDue(*due));
        EXPECT_FALSE(pacer.FrameDue(*due - 1));
        frames.push_back(*due);
    }
    EXPECT_FALSE(pacer.pending());
    return frames;
}

TEST(FramePacer, SecondFrameOnTheNextMillisecondThenEveryElevenUntilTheTickEnds) {
    const std::vector<uint32_t> expected = {1001, 1012, 1023, 1034, 1045,
                                            1056, 1067, 1078, 1089, 1100};
    EXPECT_EQ(PacedFrames(1000), expected);
}

TEST(FramePacer, ClockReadingsWrapAround) {
    const uint32_t t0 = 0xFFFFFFF0u;
    const std::vector<uint32_t> frames = PacedFrames(t0);
    ASSERT_EQ(frames.size(), 10u);
    EXPECT_EQ(frames[2], 7u); // t0 + 23, past the wrap
    EXPECT_EQ(frames.back(), t0 + 100);
}

TEST(FramePacer, AFrameLateInTheTickIsTheLast) {
    FramePacer pacer;
    ASSERT_TRUE(pacer.BeginTick(1000));
    // Frame at 1095: the next would be due at 1106, but the tick's loop stops
    // at the reading 1100 with no frame due.
    EXPECT_EQ(pacer.FrameDone(1095), std::nullopt);
    EXPECT_FALSE(pacer.pending());
}

TEST(FramePacer, AFrameRunAfterTheTicksEndIsStillTheLast) {
    FramePacer pacer;
    pacer.BeginTick(1000);
    ASSERT_TRUE(pacer.FrameDue(1130)); // the clock jumped
    EXPECT_EQ(pacer.FrameDone(1130), std::nullopt);
}

TEST(FramePacer, ACallBeforeTheDueReadingWaitsForIt) {
    FramePacer pacer;
    pacer.BeginTick(1000);
    pacer.FrameDone(1001);
    EXPECT_FALSE(pacer.FrameDue(1011)); // not more than 10 ms after 1001
    EXPECT_EQ(pacer.NotDue(1011), 1012u);
    EXPECT_TRUE(pacer.FrameDue(1012));
    pacer.Stop();
    EXPECT_FALSE(pacer.FrameDue(1050));
    EXPECT_EQ(pacer.NotDue(1050), std::nullopt);
}

} // namespace
} // namespace fenx
