#include <gtest/gtest.h>

#include "selection/stage_record.h"

namespace fenx::testing {
namespace {

TEST(HistoryLine, Format) {
    StageRecord r;
    BeginStageRecord(r, 12, 4, 4829, false, 0);
    MarkStageSolved(r, 0);
    EXPECT_EQ(HistoryLine(r, {1997, 8, 26, 21, 7}).view(), "1 97/08/26 21:07 12 4 4829\n");
    BeginStageRecord(r, 7, 4, 0, false, 0);
    EXPECT_EQ(HistoryLine(r, {2003, 1, 2, 0, 5}).view(), "0 03/01/02 00:05 7 4 0\n");
}

} // namespace
} // namespace fenx::testing
