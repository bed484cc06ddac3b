// A stage search that runs on worker threads while its caller goes on: the
// caller looks at the progress whenever it likes, takes the matches found so
// far in increasing order, and may cancel at any moment. The numbers tested
// and the matches are those of SearchStageNumbers for the same arguments.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <thread>
#include <vector>

#include "selection/search_conditions.h"

namespace fenx {

struct SearchProgress {
    int done = 0;  // numbers tested, counted in order from the first
    int total = 0; // numbers in the range
    bool finished = false;
};

class SearchJob {
  public:
    // Starts testing every number of [first, last] at width x height;
    // threads <= 0 means one per core. An empty range is finished at once.
    SearchJob(const ConditionSet& conditions, int width, int height, int first, int last,
              int threads);
    // Cancels and waits for the workers.
    ~SearchJob();
    SearchJob(const SearchJob&) = delete;
    SearchJob& operator=(const SearchJob&) = delete;

    // Numbers tested so far, counted only up to the first one not tested
    // yet, so that every match below first + done has been found. When the
    // system let no worker start, each call first tests numbers on the
    // calling thread for a few hundredths of a second.
    SearchProgress Progress();
    // The matches below first + Progress().done that were not taken yet,
    // in increasing order.
    std::vector<int> TakeMatches();
    // Stops the workers and waits for them. Afterwards Progress() counts
    // exactly the numbers tested in order before the first untested one,
    // and TakeMatches() gives the rest of the matches below it.
    void Cancel();

  private:
    struct Chunk {
        int begin = 0;
        int end = 0;                // last number, inclusive
        std::atomic<int> tested{0}; // numbers of this chunk tested so far
        std::atomic<bool> complete{false};
        std::vector<int> matches; // written by its worker only
    };

    void Work();
    // Tests the numbers of one slice of the chunk from `from` on; returns
    // the first number after them.
    int TestSlice(Chunk& chunk, int from);
    // Without workers: the caller's share of the search, in order.
    void WorkOnCaller();
    // Moves the ordered prefix forward over chunks that are complete.
    void Advance();

    ConditionSet conditions_;
    int width_;
    int height_;
    int first_;
    int total_;
    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::atomic<int> nextChunk_{0};
    std::atomic<bool> cancelled_{false};
    std::vector<std::thread> workers_;
    bool joined_ = false;
    // Owned by the caller's thread.
    std::size_t prefixChunks_ = 0; // chunks wholly behind the prefix
    int done_ = 0;
    std::size_t takenChunks_ = 0; // chunks whose matches were all taken
    std::size_t takenInChunk_ = 0;
    std::size_t callerChunk_ = 0; // without workers: the chunk being tested
    int callerNext_ = 0;
};

} // namespace fenx
