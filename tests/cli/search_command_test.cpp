#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/child_process.h"

namespace fenx {
namespace {

using testing::RunAs;
using testing::RunCli;
using testing::RunProgram;

const char* kTwoSquaresNoLyingBar = "--conditions 7,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

TEST(SearchCommand, OutputDoesNotDependOnThreads) {
    const std::string base = std::string("search 12 4 ") + kTwoSquaresNoLyingBar;
    const auto one = RunCli(base + " --threads 1");
    const auto two = RunCli(base + " --threads 2");
    const auto all = RunCli(base);
    ASSERT_EQ(one.status, 0);
    EXPECT_EQ(one.out, two.out);
    EXPECT_EQ(one.out, all.out);
    EXPECT_GT(std::count(one.out.begin(), one.out.end(), '\n'), 100);
}

TEST(SearchCommand, RangeLimitsTheNumbersTested) {
    const auto full = RunCli(std::string("search 12 4 ") + kTwoSquaresNoLyingBar);
    const auto part =
        RunCli(std::string("search 12 4 ") + kTwoSquaresNoLyingBar + " --range 1000 2000");
    ASSERT_EQ(part.status, 0);
    std::string expected;
    size_t pos = 0;
    while (pos < full.out.size()) {
        const size_t end = full.out.find('\n', pos);
        const int n = std::stoi(full.out.substr(pos, end - pos));
        if (n >= 1000 && n <= 2000) {
            expected += full.out.substr(pos, end - pos + 1);
        }
        pos = end + 1;
    }
    EXPECT_EQ(part.out, expected);
    // Stage 0 at 7 x 4 has orientations 14 (twice), 9, 2, 17, 12, 18.
    const auto exact = RunCli("search 7 4 --conditions 1,1,2,1,1,1,1,1,1,2,1,1,2,1,3,1,1,2,2 "
                              "--range 0 0");
    EXPECT_EQ(exact.status, 0);
    EXPECT_EQ(exact.out, "0\n");
}

TEST(SearchCommand, RejectsWhatCannotBeSearched) {
    for (const char* bad :
         {"search 7 4", "search 7 4 --conditions 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
          "search 7 4 --conditions 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1",
          "search 7 4 --conditions 7,7,0,7,0,0,0,7,0,0,0,0,0,0,0,0,0,0,0",
          "search 7 4 --conditions 1,2,3",
          "search 7 4 --conditions 1,2,3,4,5,6,7,8,9,10,0,0,0,0,0,0,0,0,0",
          "search 7 4 --conditions 1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2,",
          "search 7 4 --conditions 2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 --range 5 4",
          "search 7 4 --conditions 2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 --range 0 65536",
          "search 7 4 --conditions 2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 --threads 0",
          "search 7 4 --conditions 2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 --range 1",
          "search 7 5 --conditions 2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
          "search 7 4 --conditions 2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 --bogus"}) {
        const auto r = RunCli(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
}

TEST(SearchCommand, AtTheProcessLimitSearchesOnItsOwnThread) {
    const std::string conditions =
        "--conditions 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,6 --range 0 9999";
    const auto expected = RunCli("search 12 4 " + conditions);
    ASSERT_EQ(expected.status, 0);
    FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    std::vector<std::string> arguments = {FENX_CLI_PATH, "search", "12", "4", "--threads", "1024"};
    for (std::string_view rest = conditions; !rest.empty();) {
        const std::size_t blank = rest.find(' ');
        arguments.emplace_back(rest.substr(0, blank));
        rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    }
    // No thread can start: the limit counts every process and thread of the
    // user, and root would be exempt from it.
    const int status = RunProgram(arguments, ::fileno(out), RunAs::OrdinaryUser, [] {
        testing::WithoutLeakChecker();
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_NPROC, &none);
    });
    EXPECT_EQ(status, 0);
    std::string text(expected.out.size() + 1, '\0');
    std::rewind(out);
    text.resize(std::fread(text.data(), 1, text.size(), out));
    std::fclose(out);
    EXPECT_EQ(text, expected.out);
}

} // namespace
} // namespace fenx
