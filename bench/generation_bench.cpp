// Generation speed over the whole range of stage numbers.
//
//   build/release/bench/fenx_bench --benchmark_filter=Tiling
//
// Reports stages per second and nanoseconds per StageRandom draw
// (total time / total draws) for each size, on one thread and on all cores.

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "core/generation.h"
#include "core/layout.h"
#include "selection/parallel_search.h"

namespace fenx {
namespace {

constexpr int kStages = 65536;

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

void ReportRates(benchmark::State& state, uint64_t draws) {
    state.counters["stages/s"] = benchmark::Counter(
        static_cast<double>(kStages) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["ns/draw"] =
        benchmark::Counter(static_cast<double>(draws) * state.iterations() / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["draws/stage"] = static_cast<double>(draws) / kStages;
}

void BM_TilingOneThread(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    uint64_t draws = 0;
    for (auto _ : state) {
        draws = TileRange(width, height, 0, kStages);
    }
    ReportRates(state, draws);
}

void BM_TilingAllCores(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int threads = DefaultThreadCount();
    uint64_t draws = 0;
    for (auto _ : state) {
        std::atomic<uint64_t> total{0};
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                total +=
                    TileRange(width, height, kStages * t / threads, kStages * (t + 1) / threads);
            });
        }
        for (auto& w : workers) {
            w.join();
        }
        draws = total;
    }
    ReportRates(state, draws);
    state.counters["threads"] = threads;
}

void BM_FullStageOneThread(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    auto board = std::make_unique<Board>();
    StageRandom random;
    BlockList list;
    uint64_t draws = 0;
    for (auto _ : state) {
        draws = 0;
        for (int n = 0; n < kStages; ++n) {
            SeedStageRandom(random, static_cast<uint32_t>(n));
            ResetBoard(*board, width, height);
            list.count = 0;
            GenerateTiling(random, *board, list);
            LayOutStartFieldUntilDone(random, *board, list, width, height, {});
            draws += random.draws;
        }
    }
    ReportRates(state, draws);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({7, 4})->Args({12, 4})->Args({7, 8})->Args({38, 10});
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_TilingOneThread)->Apply(Sizes);
BENCHMARK(BM_TilingAllCores)->Apply(Sizes);
BENCHMARK(BM_FullStageOneThread)->Apply(Sizes);

} // namespace
} // namespace fenx
