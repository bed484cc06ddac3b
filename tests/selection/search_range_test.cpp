#include <gtest/gtest.h>

#include "selection/search_range.h"

namespace fenx {
namespace {

TEST(SearchRange, EditsReadAsTheRangeEnds) {
    EXPECT_EQ(ReadRangeEnd(0u, 500), 0);
    EXPECT_EQ(ReadRangeEnd(65535u, 500), 65535);
    EXPECT_EQ(ReadRangeEnd(1234u, 500), 1234);
    // Above the last stage number: the end stays as it was.
    EXPECT_EQ(ReadRangeEnd(65536u, 500), 500);
    EXPECT_EQ(ReadRangeEnd(99999u, 7), 7);
    // No number at all reads as 0.
    EXPECT_EQ(ReadRangeEnd(std::nullopt, 500), 0);
}

TEST(SearchRange, AnEndBelowItsStartIsSwapped) {
    EXPECT_EQ(OrderedRange(10, 20), (StageRange{10, 20}));
    EXPECT_EQ(OrderedRange(7, 7), (StageRange{7, 7}));
    // One below the start would make an empty range of total 0.
    EXPECT_EQ(OrderedRange(100, 99), (StageRange{99, 100}));
    EXPECT_EQ(OrderedRange(65535, 0), (StageRange{0, 65535}));
}

TEST(SearchRange, PercentIsTruncated) {
    EXPECT_EQ(PercentDone(0, 1), 0);
    EXPECT_EQ(PercentDone(1, 3), 33);
    EXPECT_EQ(PercentDone(2, 3), 66);
    EXPECT_EQ(PercentDone(65535, 65536), 99);
    EXPECT_EQ(PercentDone(65536, 65536), 100);
    EXPECT_EQ(PercentDone(0, 0), 0);
}

} // namespace
} // namespace fenx
