#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "selection/parallel_search.h"
#include "selection/search_job.h"
#include "support/child_process.h"

namespace fenx {
namespace {

using C = CountCondition;

ConditionSet With(std::initializer_list<std::pair<int, C>> wanted) {
    ConditionSet set{};
    for (const auto& [orientation, condition] : wanted) {
        set[static_cast<std::size_t>(orientation)] = condition;
    }
    return set;
}

// Runs the job to its end, taking the matches bit by bit as a dialog does.
std::vector<int> RunToEnd(SearchJob& job) {
    std::vector<int> all;
    for (;;) {
        const bool finished = job.Progress().finished;
        const std::vector<int> part = job.TakeMatches();
        all.insert(all.end(), part.begin(), part.end());
        if (finished) {
            return all;
        }
        std::this_thread::yield();
    }
}

struct Case {
    ConditionSet conditions;
    int width;
    int height;
    int first;
    int last;
};

TEST(SearchJob, FindsWhatTheParallelSearchFinds) {
    const std::vector<Case> cases = {
        {With({{0, C::AtLeast2}}), 7, 4, 0, 3000},
        {With({{1, C::Exactly0}, {2, C::Exactly0}, {15, C::AtLeast1}}), 12, 4, 500, 5999},
        {With({{11, C::AtLeast2}, {13, C::Exactly1}}), 38, 10, 65000, 65535},
        {With({{4, C::Exactly2}, {9, C::AtLeast1}}), 20, 7, 1, 1},
        {With({{6, C::AtLeast1}}), 10, 6, 254, 770},
    };
    for (const Case& c : cases) {
        for (int threads : {1, 3}) {
            SearchJob job(c.conditions, c.width, c.height, c.first, c.last, threads);
            const std::vector<int> found = RunToEnd(job);
            EXPECT_EQ(found,
                      SearchStageNumbers(c.conditions, c.width, c.height, c.first, c.last, 1))
                << c.width << "x" << c.height << " " << c.first << ".." << c.last;
            const SearchProgress end = job.Progress();
            EXPECT_EQ(end.done, c.last - c.first + 1);
            EXPECT_EQ(end.total, c.last - c.first + 1);
            EXPECT_TRUE(job.TakeMatches().empty());
        }
    }
}

TEST(SearchJob, ARangeOfOneNumberTestsJustThatNumber) {
    const ConditionSet wanted = With({{0, C::AtLeast1}});
    // One number that matches and its neighbours that do not.
    const auto matches = SearchStageNumbers(wanted, 7, 4, 0, 400, 1);
    ASSERT_FALSE(matches.empty());
    const int hit = matches.front();
    for (int n : {hit, hit + 1}) {
        SearchJob job(wanted, 7, 4, n, n, 0);
        const std::vector<int> found = RunToEnd(job);
        EXPECT_EQ(job.Progress().total, 1);
        EXPECT_EQ(job.Progress().done, 1);
        const bool listed = std::find(matches.begin(), matches.end(), n) != matches.end();
        EXPECT_EQ(found, listed ? std::vector<int>{n} : std::vector<int>{}) << n;
    }
}

TEST(SearchJob, CancelKeepsExactlyTheMatchesBelowTheFirstUntestedNumber) {
    const ConditionSet wanted = With({{2, C::AtLeast1}});
    const std::vector<int> full = SearchStageNumbers(wanted, 38, 10, 0, 65535, 1);
    // Cancelled at once, after the first chunk, and half way.
    for (int cancelAt : {0, 1, 30000}) {
        SearchJob job(wanted, 38, 10, 0, 65535, 2);
        std::vector<int> kept;
        while (cancelAt > 0 && job.Progress().done < cancelAt) {
            const std::vector<int> part = job.TakeMatches();
            kept.insert(kept.end(), part.begin(), part.end());
            std::this_thread::yield();
        }
        job.Cancel();
        const std::vector<int> rest = job.TakeMatches();
        kept.insert(kept.end(), rest.begin(), rest.end());
        const SearchProgress at = job.Progress();
        EXPECT_TRUE(at.finished);
        ASSERT_GE(at.done, cancelAt);
        ASSERT_LT(at.done, 65536) << "the search ended before it was cancelled";
        std::vector<int> expected;
        for (int n : full) {
            if (n < at.done) {
                expected.push_back(n);
            }
        }
        EXPECT_EQ(kept, expected) << "cancelled with " << at.done << " tested";
        EXPECT_TRUE(job.TakeMatches().empty());
    }
}

TEST(SearchJob, AnEmptyRangeIsFinishedAtOnce) {
    SearchJob job(With({{0, C::AtLeast1}}), 7, 4, 10, 9, 0);
    const SearchProgress at = job.Progress();
    EXPECT_TRUE(at.finished);
    EXPECT_EQ(at.total, 0);
    EXPECT_TRUE(job.TakeMatches().empty());
}

TEST(SearchWithoutThreads, AtTheProcessLimitTheCallerSearchesAlone) {
    const ConditionSet conditions = With({{0, C::AtLeast2}});
    const std::vector<int> expected = SearchStageNumbers(conditions, 7, 4, 0, 4000, 2);
    ASSERT_FALSE(expected.empty());
    // No new thread at all: the limit counts every process and thread of
    // the user, and root would be exempt from it.
    EXPECT_EQ(testing::InChildProcess(
                  [&] {
                      const rlimit none{0, 0};
                      ::setrlimit(RLIMIT_NPROC, &none);
                      if (SearchStageNumbers(conditions, 7, 4, 0, 4000, 4) != expected) {
                          return std::string("the search found other stages");
                      }
                      SearchJob job(conditions, 7, 4, 0, 4000, 4);
                      if (RunToEnd(job) != expected || job.Progress().done != 4001) {
                          return std::string("the search job found other stages");
                      }
                      // A long search shares the caller's time a slice at a time.
                      SearchJob cancelled(conditions, 38, 10, 0, 65535, 4);
                      const SearchProgress first = cancelled.Progress();
                      cancelled.Cancel();
                      const SearchProgress stopped = cancelled.Progress();
                      return first.done < 65536 && stopped.finished && stopped.done > 0 &&
                                     stopped.done < 65536
                                 ? std::string()
                                 : "the search did not go a slice at a time";
                  },
                  testing::RunAs::OrdinaryUser),
              "");
}

} // namespace
} // namespace fenx
