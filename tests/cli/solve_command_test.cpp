#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli/cli_runner.h"

namespace fenx {
namespace {

using testing::RunCli;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(SolveCommand, PrintsDragsInsideTheWindowAndTheirCount) {
    const auto r = RunCli("solve 7 4 0");
    ASSERT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 2u);
    std::istringstream last(lines.back());
    std::string word;
    int drags = 0;
    int steps = 0;
    last >> word >> drags >> steps;
    EXPECT_EQ(word, "solved");
    EXPECT_EQ(drags, static_cast<int>(lines.size()) - 1);
    EXPECT_GE(steps, drags);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        std::istringstream line(lines[i]);
        line >> word;
        EXPECT_EQ(word, "drag");
        std::vector<int> xy;
        for (int v = 0; line >> v;) {
            xy.push_back(v);
        }
        // A press and at least one point to move to, each in the middle of
        // a cell of the 7 x 8 field inside its frame.
        ASSERT_GE(xy.size(), 4u) << lines[i];
        ASSERT_EQ(xy.size() % 2, 0u) << lines[i];
        for (std::size_t k = 0; k < xy.size(); k += 2) {
            EXPECT_EQ(xy[k] % 16, 8);
            EXPECT_GE(xy[k], 16);
            EXPECT_LT(xy[k], 8 * 16);
            EXPECT_GE(xy[k + 1], 16);
            EXPECT_LT(xy[k + 1], 9 * 16);
        }
    }
}

TEST(SolveCommand, RunningOutOfTimeSaysUnsolved) {
    // A challenge whose fixed block splits the field so that no plan is
    // found in a twentieth of a second.
    const auto r = RunCli("solve 7 8 42206 --fixed 6 -1 --budget-ms 50");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "unsolved\n");
}

TEST(SolveCommand, BadArgumentsExitWithTwo) {
    for (const char* args :
         {"solve 7 4", "solve 7 5 0", "solve 6 4 0", "solve 7 4 x", "solve 7 4 0 --budget-ms 0",
          "solve 7 4 0 --budget-ms", "solve 7 4 0 --fixed 1", "solve 7 4 0 --sideways",
          "solve 7 4 0 --budget-ms 5 --budget-ms 6", "solve 7 4 0 --fixed 1 2 extra"}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
    }
}

} // namespace
} // namespace fenx
