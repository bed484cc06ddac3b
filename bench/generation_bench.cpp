// Generation speed over the whole range of stage numbers.
//
//   build/release/bench/fenx_bench --benchmark_filter=Tiling
//
// Reports stages per second and nanoseconds per StageRandom draw
// (total time / total draws) for each size, on one thread and on all cores.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "core/generation.h"
#include "core/stage_build.h"
#include "selection/parallel_search.h"

namespace fenx {
namespace {

constexpr int kStages = 65536;

uint64_t TilePairs(int width, int height, int first, int last) {
    StageRandom random[2];
    BlockList lists[2];
    uint64_t draws = 0;
    for (int n = first; n + 1 < last; n += 2) {
        SeedStageRandom(random[0], static_cast<uint32_t>(n));
        SeedStageRandom(random[1], static_cast<uint32_t>(n + 1));
        GenerateTilingPair(random, width, height, lists);
        draws += random[0].draws + random[1].draws;
    }
    benchmark::DoNotOptimize(lists[0].count);
    return draws;
}

uint64_t TileRange(int width, int height, int first, int last) {
    StageRandom random;
    BlockList list;
    uint64_t draws = 0;
    for (int n = first; n < last; ++n) {
        SeedStageRandom(random, static_cast<uint32_t>(n));
        list.count = 0;
        GenerateTilingBlocks(random, width, height, list);
        draws += random.draws;
    }
    benchmark::DoNotOptimize(list.count);
    return draws;
}

// Times each pass over the range with a wall clock, so that the figures are
// plain numbers: stages per second and nanoseconds per draw.
class RangeTimer {
  public:
    void pass(uint64_t draws, std::chrono::steady_clock::duration elapsed) {
        draws_ += draws;
        stages_ += kStages;
        nanoseconds_ += std::chrono::duration<double, std::nano>(elapsed).count();
    }
    void report(benchmark::State& state) const {
        state.counters["stages/s"] = static_cast<double>(stages_) / (nanoseconds_ * 1e-9);
        state.counters["ns/draw"] = nanoseconds_ / static_cast<double>(draws_);
        state.counters["draws/stage"] = static_cast<double>(draws_) / static_cast<double>(stages_);
    }

  private:
    uint64_t draws_ = 0;
    uint64_t stages_ = 0;
    double nanoseconds_ = 0;
};

template <typename Pass>
void TimeRange(benchmark::State& state, Pass pass) {
    RangeTimer timer;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const uint64_t draws = pass();
        timer.pass(draws, std::chrono::steady_clock::now() - start);
    }
    timer.report(state);
}

void BM_TilingOneThread(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    TimeRange(state, [&] { return TileRange(width, height, 0, kStages); });
}

// The same work as the stage search does it: two stages interleaved.
void BM_TilingOneThreadPaired(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    TimeRange(state, [&] { return TilePairs(width, height, 0, kStages); });
}

void BM_TilingAllCores(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int threads = DefaultThreadCount();
    TimeRange(state, [&] {
        std::atomic<uint64_t> total{0};
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                total +=
                    TilePairs(width, height, kStages * t / threads, kStages * (t + 1) / threads);
            });
        }
        for (auto& w : workers) {
            w.join();
        }
        return total.load();
    });
    state.counters["threads"] = threads;
}

// Generation and start layout together, as a stage start does them.
void BM_FullStageOneThread(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    auto board = std::make_unique<Board>();
    StageRandom random;
    BlockList list;
    TimeRange(state, [&] {
        uint64_t draws = 0;
        for (int n = 0; n < kStages; ++n) {
            BuildStage(random, *board, list, width, height, n, {});
            draws += random.draws;
        }
        return draws;
    });
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({7, 4})->Args({12, 4})->Args({7, 8})->Args({38, 10});
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
}

BENCHMARK(BM_TilingOneThread)->Apply(Sizes);
BENCHMARK(BM_TilingOneThreadPaired)->Apply(Sizes);
BENCHMARK(BM_TilingAllCores)->Apply(Sizes);
BENCHMARK(BM_FullStageOneThread)->Apply(Sizes);

} // namespace
} // namespace fenx
