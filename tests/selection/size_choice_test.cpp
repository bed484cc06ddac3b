#include <gtest/gtest.h>

#include <optional>

#include "selection/size_choice.h"

namespace fenx {
namespace {

constexpr StageSize kCurrent{12, 4};

TEST(SizeChoice, ClampsIntoTheStageLimits) {
    EXPECT_EQ(SizeToStart(5, 4, kCurrent), (StageSize{7, 4}));
    EXPECT_EQ(SizeToStart(40, 12, kCurrent), (StageSize{38, 10}));
    EXPECT_EQ(SizeToStart(0, 0, kCurrent), std::nullopt); // 7 x 3
    EXPECT_EQ(SizeToStart(99999, 8, kCurrent), (StageSize{38, 8}));
    EXPECT_EQ(SizeToStart(8, 5, kCurrent), (StageSize{8, 5}));
    EXPECT_EQ(SizeToStart(7, 8, kCurrent), (StageSize{7, 8}));
}

TEST(SizeChoice, CellCountNotAMultipleOfFourStartsNothing) {
    EXPECT_EQ(SizeToStart(7, 3, kCurrent), std::nullopt);
    EXPECT_EQ(SizeToStart(9, 3, kCurrent), std::nullopt);
    // Clamping can make a size impossible: 38 x 3 holds 114 cells.
    EXPECT_EQ(SizeToStart(40, 2, kCurrent), std::nullopt);
    EXPECT_EQ(SizeToStart(38, 3, kCurrent), std::nullopt);
}

TEST(SizeChoice, AnEmptyEditKeepsTheCurrentValue) {
    EXPECT_EQ(SizeToStart(std::nullopt, 8, kCurrent), (StageSize{12, 8}));
    EXPECT_EQ(SizeToStart(9, std::nullopt, kCurrent), (StageSize{9, 4}));
    EXPECT_EQ(SizeToStart(std::nullopt, std::nullopt, kCurrent), kCurrent);
    // The kept width still has to fit the typed height.
    EXPECT_EQ(SizeToStart(std::nullopt, 3, StageSize{7, 4}), std::nullopt);
}

} // namespace
} // namespace fenx
