#include "selection/search_job.h"

#include <algorithm>
#include <chrono>

#include "core/generation.h"
#include "selection/parallel_search.h"

namespace fenx {
namespace {

// As many numbers as the workers take at a time; small enough that the
// ordered prefix, and with it the progress figures, moves on steadily.
constexpr int kChunkSize = 256;
// As many numbers as one call of the generator tiles between two looks at
// the cancel flag.
constexpr int kSliceSize = 64;
// How long the caller tests numbers itself, per look at the progress, when
// no worker could start: a window stays responsive.
constexpr std::chrono::milliseconds kCallerShare{40};

} // namespace

SearchJob::SearchJob(const ConditionSet& conditions, int width, int height, int first, int last,
                     int threads)
    : conditions_(conditions), width_(width), height_(height), first_(first),
      total_(last < first ? 0 : last - first + 1) {
    for (int begin = first; begin - first < total_; begin += kChunkSize) {
        auto chunk = std::make_unique<Chunk>();
        chunk->begin = begin;
        chunk->end = std::min(last, begin + kChunkSize - 1);
        chunks_.push_back(std::move(chunk));
    }
    if (threads <= 0) {
        threads = DefaultThreadCount();
    }
    threads = std::min(threads, static_cast<int>(chunks_.size()));
    // Near the process limit fewer workers start, or none: then the caller
    // tests slices itself whenever it asks for the progress.
    workers_ = StartThreads(threads, [this] { Work(); });
}

SearchJob::~SearchJob() {
    Cancel();
}

void SearchJob::Work() {
    const int count = static_cast<int>(chunks_.size());
    for (int c = nextChunk_.fetch_add(1); c < count; c = nextChunk_.fetch_add(1)) {
        Chunk& chunk = *chunks_[static_cast<std::size_t>(c)];
        for (int s = chunk.begin; s <= chunk.end; s = TestSlice(chunk, s)) {
            if (cancelled_.load(std::memory_order_relaxed)) {
                return;
            }
        }
        chunk.complete.store(true, std::memory_order_release);
    }
}

int SearchJob::TestSlice(Chunk& chunk, int from) {
    // A slice of numbers at a time, tiled side by side as the generator
    // likes; its tilings come out of order, so its matches are sorted before
    // they join the chunk's. The count of tested numbers moves on by whole
    // slices, so a cancel keeps exactly the tested prefix.
    const int last = std::min(chunk.end, from + kSliceSize - 1);
    const std::size_t sliceStart = chunk.matches.size();
    GenerateStageTilings(from, last, width_, height_,
                         [&](int stage, const BlockList& list, const StageRandom&) {
                             if (MeetsConditions(conditions_, CountOrientations(list))) {
                                 chunk.matches.push_back(stage);
                             }
                         });
    std::sort(chunk.matches.begin() + static_cast<std::ptrdiff_t>(sliceStart), chunk.matches.end());
    chunk.tested.store(last + 1 - chunk.begin, std::memory_order_relaxed);
    return last + 1;
}

void SearchJob::WorkOnCaller() {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + kCallerShare;
    while (callerChunk_ < chunks_.size() && !cancelled_.load(std::memory_order_relaxed)) {
        Chunk& chunk = *chunks_[callerChunk_];
        callerNext_ = TestSlice(chunk, std::max(callerNext_, chunk.begin));
        if (callerNext_ > chunk.end) {
            chunk.complete.store(true, std::memory_order_release);
            ++callerChunk_;
        }
        if (Clock::now() >= deadline) {
            return;
        }
    }
}

void SearchJob::Advance() {
    while (prefixChunks_ < chunks_.size() &&
           chunks_[prefixChunks_]->complete.load(std::memory_order_acquire)) {
        const Chunk& chunk = *chunks_[prefixChunks_];
        done_ += chunk.end - chunk.begin + 1;
        ++prefixChunks_;
    }
}

SearchProgress SearchJob::Progress() {
    if (workers_.empty() && !joined_) {
        WorkOnCaller();
    }
    Advance();
    int done = done_;
    if (joined_ && prefixChunks_ < chunks_.size()) {
        // Cancelled: the workers have stopped, so the first chunk not done
        // counts the numbers its worker got through.
        done += chunks_[prefixChunks_]->tested.load(std::memory_order_relaxed);
    }
    return {done, total_, joined_ || prefixChunks_ == chunks_.size()};
}

std::vector<int> SearchJob::TakeMatches() {
    Advance();
    std::vector<int> taken;
    const std::size_t limit =
        joined_ && prefixChunks_ < chunks_.size() ? prefixChunks_ + 1 : prefixChunks_;
    while (takenChunks_ < limit) {
        const std::vector<int>& matches = chunks_[takenChunks_]->matches;
        taken.insert(taken.end(), matches.begin() + static_cast<std::ptrdiff_t>(takenInChunk_),
                     matches.end());
        takenInChunk_ = matches.size();
        if (takenChunks_ == prefixChunks_) {
            break; // the cancelled chunk: it never becomes complete
        }
        ++takenChunks_;
        takenInChunk_ = 0;
    }
    return taken;
}

void SearchJob::Cancel() {
    if (joined_) {
        return;
    }
    cancelled_.store(true, std::memory_order_relaxed);
    for (std::thread& worker : workers_) {
        worker.join();
    }
    joined_ = true;
}

} // namespace fenx
