#include "selection/search_job.h"

#include <algorithm>

#include "core/generation.h"
#include "selection/parallel_search.h"

namespace fenx {
namespace {

// As many numbers as the workers take at a time; small enough that the
// ordered prefix, and with it the progress figures, moves on steadily.
constexpr int kChunkSize = 256;

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
    for (int t = 0; t < threads; ++t) {
        workers_.emplace_back([this] { Work(); });
    }
}

SearchJob::~SearchJob() {
    Cancel();
}

void SearchJob::Work() {
    StageRandom random[2];
    BlockList lists[2];
    const int count = static_cast<int>(chunks_.size());
    for (int c = nextChunk_.fetch_add(1); c < count; c = nextChunk_.fetch_add(1)) {
        Chunk& chunk = *chunks_[static_cast<std::size_t>(c)];
        int s = chunk.begin;
        // Two numbers at a time, interleaved, the way SearchStageNumbers
        // tests them; the count of tested numbers follows each pair.
        for (; s + 1 <= chunk.end; s += 2) {
            if (cancelled_.load(std::memory_order_relaxed)) {
                return;
            }
            SeedStageRandom(random[0], static_cast<uint32_t>(s));
            SeedStageRandom(random[1], static_cast<uint32_t>(s + 1));
            GenerateTilingPair(random, width_, height_, lists);
            for (int k = 0; k < 2; ++k) {
                if (MeetsConditions(conditions_, CountOrientations(lists[k]))) {
                    chunk.matches.push_back(s + k);
                }
            }
            chunk.tested.store(s + 2 - chunk.begin, std::memory_order_relaxed);
        }
        if (s == chunk.end) {
            if (cancelled_.load(std::memory_order_relaxed)) {
                return;
            }
            if (StageMeetsConditions(s, conditions_, random[0], lists[0], width_, height_)) {
                chunk.matches.push_back(s);
            }
            chunk.tested.store(s + 1 - chunk.begin, std::memory_order_relaxed);
        }
        chunk.complete.store(true, std::memory_order_release);
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
