#include "selection/parallel_search.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "core/generation.h"

namespace fenx {
namespace {

// Small enough to balance the load between cores, large enough that taking a
// chunk costs nothing next to generating it.
constexpr int kChunkSize = 256;

} // namespace

int DefaultThreadCount() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

std::vector<int> SearchStageNumbers(const ConditionSet& conditions, int width, int height,
                                    int first, int last, int threads) {
    if (last < first) {
        return {};
    }
    const int total = last - first + 1;
    const int chunks = (total + kChunkSize - 1) / kChunkSize;
    if (threads <= 0) {
        threads = DefaultThreadCount();
    }
    threads = std::clamp(threads, 1, chunks);

    // Matches per chunk, joined in chunk order at the end.
    std::vector<std::vector<int>> found(static_cast<size_t>(chunks));
    std::atomic<int> nextChunk{0};
    auto work = [&] {
        StageRandom random[2];
        BlockList lists[2];
        for (int c = nextChunk.fetch_add(1); c < chunks; c = nextChunk.fetch_add(1)) {
            const int begin = first + c * kChunkSize;
            const int end = std::min(last, begin + kChunkSize - 1);
            auto& out = found[static_cast<size_t>(c)];
            int s = begin;
            // Stage numbers two at a time: a pair of tilings interleaved
            // runs faster than the two one after the other.
            for (; s + 1 <= end; s += 2) {
                SeedStageRandom(random[0], static_cast<uint32_t>(s));
                SeedStageRandom(random[1], static_cast<uint32_t>(s + 1));
                GenerateTilingPair(random, width, height, lists);
                for (int k = 0; k < 2; ++k) {
                    if (MeetsConditions(conditions, CountOrientations(lists[k]))) {
                        out.push_back(s + k);
                    }
                }
            }
            if (s == end &&
                StageMeetsConditions(s, conditions, random[0], lists[0], width, height)) {
                out.push_back(s);
            }
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t) {
        workers.emplace_back(work);
    }
    work();
    for (auto& w : workers) {
        w.join();
    }
    std::vector<int> result;
    for (const auto& part : found) {
        result.insert(result.end(), part.begin(), part.end());
    }
    return result;
}

} // namespace fenx
