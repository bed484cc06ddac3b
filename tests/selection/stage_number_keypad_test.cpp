#include <gtest/gtest.h>

#include <optional>

#include "selection/stage_number_keypad.h"

namespace fenx {
namespace {

TEST(StageNumberKeypad, DigitsShiftInFromTheRightKeepingFiveAtMost) {
    EXPECT_EQ(AppendDigit(7, 1), 71u);
    EXPECT_EQ(AppendDigit(AppendDigit(7, 1), 2), 712u);
    EXPECT_EQ(AppendDigit(12345, 6), 23456u);
    EXPECT_EQ(AppendDigit(9999, 9), 99999u);
    EXPECT_EQ(AppendDigit(99999, 9), 99999u);
    EXPECT_EQ(AppendDigit(10000, 3), 3u);
    EXPECT_EQ(AppendDigit(0, 0), 0u);
    // An edit without a number counts as 0.
    EXPECT_EQ(AppendDigit(std::nullopt, 4), 4u);
}

TEST(StageNumberKeypad, PlusOneWrapsAfter65535) {
    EXPECT_EQ(NextStageNumber(0), 1u);
    EXPECT_EQ(NextStageNumber(65534), 65535u);
    EXPECT_EQ(NextStageNumber(65535), 0u);
    EXPECT_EQ(NextStageNumber(99999), 0u);
    EXPECT_EQ(NextStageNumber(std::nullopt), 1u);
}

TEST(StageNumberKeypad, MinusOneWrapsBelowZero) {
    EXPECT_EQ(PreviousStageNumber(0), 65535u);
    EXPECT_EQ(PreviousStageNumber(1), 0u);
    EXPECT_EQ(PreviousStageNumber(65535), 65534u);
    // Above the last stage it simply counts down.
    EXPECT_EQ(PreviousStageNumber(99999), 99998u);
    EXPECT_EQ(PreviousStageNumber(std::nullopt), 65535u);
}

TEST(StageNumberKeypad, StartTakesLargeNumbersAs65535AndNothingAsNothing) {
    EXPECT_EQ(StageNumberToStart(99999), 65535);
    EXPECT_EQ(StageNumberToStart(65536), 65535);
    EXPECT_EQ(StageNumberToStart(65535), 65535);
    EXPECT_EQ(StageNumberToStart(0), 0);
    EXPECT_EQ(StageNumberToStart(4829), 4829);
    EXPECT_EQ(StageNumberToStart(std::nullopt), std::nullopt);
}

} // namespace
} // namespace fenx
