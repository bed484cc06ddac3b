// Reading the history for the History dialog: the lines the game writes,
// the marks, and everything else a file may hold.
#include <gtest/gtest.h>

#include <string>

#include "selection/history_list.h"

namespace fenx {
namespace {

TEST(HistoryList, ReadsTheGamesOwnLinesInFileOrder) {
    const auto entries = ParseHistory("1 97/08/26 21:07 12 4 4829\n0 03/01/02 00:05 7 4 0\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].status, HistorySolved);
    EXPECT_EQ(entries[0].line.whenText(), "97/08/26 21:07");
    EXPECT_EQ(entries[0].line.width, 12);
    EXPECT_EQ(entries[0].line.height, 4);
    EXPECT_EQ(entries[0].line.stageNumber, 4829);
    EXPECT_EQ(HistoryListLine(entries[0]), "■  97/08/26 21:07  12x4  4829");
    EXPECT_EQ(HistoryListLine(entries[1]), "□  03/01/02 00:05  7x4  0");
    EXPECT_TRUE(ParseHistory("").empty());
}

TEST(HistoryList, AStageSolvedInAnyLineMarksItsUnsolvedLines) {
    // 4829 at 12 x 4 played twice, solved the second time; the same number
    // at another size keeps its own mark.
    const auto entries = ParseHistory("0 24/03/09 10:15 12 4 4829\n"
                                      "1 24/03/09 10:20 12 4 4829\n"
                                      "0 24/03/09 10:25 7 4 4829\n"
                                      "0 24/03/09 10:30 12 4 4829\n");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(HistoryMark(entries[0].status), "―");
    EXPECT_EQ(HistoryMark(entries[1].status), "■");
    EXPECT_EQ(HistoryMark(entries[2].status), "□");
    EXPECT_EQ(HistoryMark(entries[3].status), "―"); // after the solved line too
}

TEST(HistoryList, LinesTheGameNeverWritesAreSkipped) {
    const std::string good = "1 97/08/26 21:07 12 4 4829\n";
    const std::string text = "2 97/08/26 21:07 12 4 1\n"          // status 2 is a mark, not a line
                             "-1 97/08/26 21:07 12 4 1\n"         // no stage
                             "0 97/08/26 21:07 7 3 1\n"           // 21 cells
                             "0 97/08/26 21:07 40 4 1\n"          // too wide
                             "0 97/08/26 21:07 -4294967288 4 1\n" // wraps to 8 in 32 bits
                             "0 97/08/26 21:07 12 4\n"            // five fields
                             "0 97/08/26\n"                       //
                             "garbage\n"                          //
                             "\n" +
                             good;
    const auto entries = ParseHistory(text);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].line.stageNumber, 4829);
}

TEST(HistoryList, HostileBytesNeverHideTheGoodLines) {
    using namespace std::string_literals;
    const std::string longLine = "0 97/08/26 21:07 12 4 1" + std::string(300, ' ') + "\n";
    const std::string text = "0 97/08/26 21:07 7 4 70000\r\n"s      // CRLF, number wraps
                             + longLine                             // too long: skipped whole
                             + "0 97/08/26 21:07 7 4 5\0 junk\n"s   // NUL ends the line
                             + "\xff\xfe\x01\x80\n"s                // binary junk
                             + "1 1997/08/26/long 21:07:59 8 5 6\n" // fields clipped
                             + "0 97/08/26 21:07 7 8 9"s;           // no last line end
    const auto entries = ParseHistory(text);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].line.stageNumber, 70000 & 0xFFFF);
    EXPECT_EQ(entries[1].line.stageNumber, 5);
    EXPECT_EQ(entries[2].line.whenText(), "1997/08/26/lon");
    EXPECT_EQ(entries[2].line.whenText().size(), 14u);
    EXPECT_EQ(entries[3].line.height, 8);
    // A line of exactly the limit is still read.
    std::string edge = "0 97/08/26 21:07 12 4 3";
    edge += std::string(kHistoryLineLimit - edge.size(), ' ');
    EXPECT_EQ(ParseHistory(edge).size(), 1u);
    EXPECT_EQ(ParseHistory(edge + " ").size(), 0u);
}

} // namespace
} // namespace fenx
