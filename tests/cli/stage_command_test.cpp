#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_runner.h"

namespace fenx {
namespace {

using testing::RunCli;

TEST(StageCommand, DumpOfStageZero) {
    const auto r = RunCli("stage 7 4 0");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "stage 7 4 0\n"
                     "draws 63\n"
                     "layout 1 8\n"
                     "block 0 14 5 0 0 1 6 0\n"
                     "block 1 9 3 0 1 1 4 0\n"
                     "block 2 2 1 0 3 3 4 0\n"
                     "block 3 17 6 2 0 1 3 0\n"
                     "block 4 14 5 3 2 3 2 0\n"
                     "block 5 12 4 4 1 3 1 0\n"
                     "block 6 18 6 5 2 3 6 0\n"
                     "tiling 0 0 3 3 3 5 5\n"
                     "tiling 1 0 0 3 5 5 6\n"
                     "tiling 1 1 1 4 4 6 6\n"
                     "tiling 2 2 2 2 4 4 6\n"
                     "field . . . . 5 5 .\n"
                     "field . . . 5 5 . .\n"
                     "field . . . 4 4 . .\n"
                     "field . 3 3 3 4 4 .\n"
                     "field . 1 3 2 2 2 2\n"
                     "field . 1 1 1 6 . .\n"
                     "field . 0 0 6 6 . .\n"
                     "field . . 0 0 6 . .\n");
}

TEST(StageCommand, NumbersReduceToSixteenBitsAndFixedBlocksAreMarked) {
    const auto big = RunCli("stage 7 4 70000");
    const auto small = RunCli("stage 7 4 4464");
    ASSERT_EQ(big.status, 0);
    EXPECT_EQ(big.out, small.out);
    EXPECT_EQ(big.out.substr(0, 17), "stage 7 4 4464\ndr");
    EXPECT_EQ(RunCli("stage 7 4 2147483647").out, RunCli("stage 7 4 65535").out);

    const auto fixed = RunCli("stage 7 4 53833 --fixed 6 -1");
    ASSERT_EQ(fixed.status, 0);
    std::istringstream lines(fixed.out);
    std::string line;
    int marked = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("block ", 0) == 0 && line.back() == '1') {
            EXPECT_EQ(line.rfind("block 6 ", 0), 0u) << line;
            ++marked;
        }
    }
    EXPECT_EQ(marked, 1);
}

TEST(StageCommand, AllStagesInOrder) {
    const auto r = RunCli("stage 7 4 --all");
    ASSERT_EQ(r.status, 0);
    // 1 + 1 + 1 + 7 + 4 + 8 lines per stage.
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 22 * 65536);
    EXPECT_EQ(r.out.rfind("stage 7 4 0\n", 0), 0u);
    const auto last = r.out.rfind("stage 7 4 ");
    EXPECT_EQ(r.out.substr(last), RunCli("stage 7 4 65535").out);
    EXPECT_NE(r.out.find(RunCli("stage 7 4 4829").out), std::string::npos);
    EXPECT_EQ(r.out.find("\n\n"), std::string::npos);
}

TEST(StageCommand, RejectsBadArgumentsWithStatusTwo) {
    for (const char* bad : {"",
                            "stage",
                            "stage 7 4",
                            "stage 6 4 0",
                            "stage 39 4 0",
                            "stage 7 2 0",
                            "stage 7 11 0",
                            "stage 9 3 0",
                            "stage 7 4 -1",
                            "stage 7 4 2147483648",
                            "stage 7 4 12x",
                            "stage 7 4 +5",
                            "stage 7 4 ''",
                            "stage 7 4 0 extra",
                            "stage 7 4 0 --fixed 1",
                            "stage 7 4 0 --fixed a b",
                            "stage 7 4 0 --fixed 1 2 3",
                            "stage 7 4 0 --fixed 1 7",
                            "stage 7 4 0 --fixed 1 2 --fixed 3 4",
                            "stage 7 4 --all 5",
                            "stage x 4 0",
                            "stage 7.0 4 0",
                            "frobnicate",
                            "stage 7 4 0 --unknown"}) {
        const auto r = RunCli(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
}

} // namespace
} // namespace fenx
