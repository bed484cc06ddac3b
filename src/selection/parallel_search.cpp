#include "selection/parallel_search.h"

#include <algorithm>
#include <atomic>
#include <system_error>
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

std::vector<std::thread> StartThreads(int count, const std::function<void()>& work) {
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int t = 0; t < count; ++t) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break; // no more threads now: those started do all the work
        }
    }
    return threads;
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
        for (int c = nextChunk.fetch_add(1); c < chunks; c = nextChunk.fetch_add(1)) {
            const int begin = first + c * kChunkSize;
            const int end = std::min(last, begin + kChunkSize - 1);
            auto& out = found[static_cast<size_t>(c)];
            // The tilings of a chunk run side by side and come out as each
            // is done; the matches are put back in order afterwards.
            GenerateStageTilings(begin, end, width, height,
                                 [&](int stage, const BlockList& list, const StageRandom&) {
                                     if (MeetsConditions(conditions, CountOrientations(list))) {
                                         out.push_back(stage);
                                     }
                                 });
            std::sort(out.begin(), out.end());
        }
    };
    std::vector<std::thread> workers = StartThreads(threads - 1, work);
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
