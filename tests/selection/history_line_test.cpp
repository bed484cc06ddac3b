// The history line as the game writes it, and read back.
#include <gtest/gtest.h>

#include "selection/history_line.h"
#include "selection/stage_record.h"

namespace fenx {
namespace {

TEST(HistoryLine, ALeftStageIsWrittenInOneLineAndReadsBackAsItWas) {
    StageRecord r;
    BeginStageRecord(r, 12, 4, 4829, false, 0);
    MarkStageSolved(r, 0);
    const HistoryLine solved = RecordLine(r, {1997, 8, 26, 21, 7});
    EXPECT_EQ(solved.Text(), "1 97/08/26 21:07 12 4 4829\n");
    BeginStageRecord(r, 7, 4, 0, false, 0);
    EXPECT_EQ(RecordLine(r, {2003, 1, 2, 0, 5}).Text(), "0 03/01/02 00:05 7 4 0\n");

    const std::string text = solved.Text();
    const auto read = HistoryLine::Parse(std::string_view(text).substr(0, text.size() - 1));
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->solved);
    EXPECT_EQ(read->whenText(), "97/08/26 21:07");
    EXPECT_EQ(read->width, 12);
    EXPECT_EQ(read->height, 4);
    EXPECT_EQ(read->stageNumber, 4829);
    EXPECT_EQ(read->Text(), text);
}

} // namespace
} // namespace fenx
