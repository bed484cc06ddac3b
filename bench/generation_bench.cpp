// Generation speed over the whole range of stage numbers.
//
//   build/release/bench/fenx_bench --benchmark_filter=Tiling
//
// Reports stages per second and nanoseconds per StageRandom draw
// (total time / total draws) for each size, for every generator path this
// processor runs, on one thread and on all cores, with the stages side by
// side as the stage search runs them; and one stage at a time on the
// start-up path.

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/generation.h"
#include "core/generator_path.h"
#include "core/stage_build.h"
#include "selection/parallel_search.h"

namespace fenx {
namespace {

constexpr int kStages = 65536;

// Stages first..last-1 side by side, as the search tiles its chunks.
uint64_t TileStages(GeneratorPath path, int width, int height, int first, int last) {
    uint64_t draws = 0;
    int16_t blocks = 0;
    GenerateStageTilings(
        first, last - 1, width, height,
        [&](int, const BlockList& list, const StageRandom& random) {
            draws += random.draws;
            blocks = static_cast<int16_t>(blocks + list.count);
        },
        path);
    benchmark::DoNotOptimize(blocks);
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

// One stage at a time on the start-up path.
void BM_TilingAlone(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    state.SetLabel(std::string(GeneratorPathName(StartupGeneratorPath())));
    TimeRange(state, [&] { return TileRange(width, height, 0, kStages); });
}

// Arguments: path, threads (0: one per core), width, height.
void BM_Tiling(benchmark::State& state) {
    const auto path = static_cast<GeneratorPath>(state.range(0));
    const int threads =
        state.range(1) == 0 ? DefaultThreadCount() : static_cast<int>(state.range(1));
    const int width = static_cast<int>(state.range(2));
    const int height = static_cast<int>(state.range(3));
    if (!MachineRunsGeneratorPath(path)) {
        state.SkipWithError("this processor cannot run this path");
        return;
    }
    state.SetLabel(std::string(GeneratorPathName(path)) + ", " + std::to_string(threads) +
                   (threads == 1 ? " thread" : " threads"));
    TimeRange(state, [&] {
        // Chunks of 256 numbers taken in turn, as the search shares them out.
        constexpr int kChunk = 256;
        std::atomic<int> nextChunk{0};
        std::atomic<uint64_t> total{0};
        auto work = [&] {
            for (int c = nextChunk++; c * kChunk < kStages; c = nextChunk++) {
                total += TileStages(path, width, height, c * kChunk, (c + 1) * kChunk);
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
        return total.load();
    });
}

// Generation and start layout together, as a stage start does them.
void BM_FullStageOneThread(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    auto stage = std::make_unique<BuiltStage>();
    TimeRange(state, [&] {
        uint64_t draws = 0;
        for (int n = 0; n < kStages; ++n) {
            BuildStage(*stage, width, height, n, {});
            draws += stage->random.draws;
        }
        return draws;
    });
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({7, 4})->Args({12, 4})->Args({7, 8})->Args({38, 10});
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
}

void PathsThreadsSizes(benchmark::internal::Benchmark* b) {
    for (GeneratorPath path : AllGeneratorPaths) {
        for (int threads : {1, 0}) {
            for (auto [w, h] :
                 {std::pair{7, 4}, std::pair{12, 4}, std::pair{7, 8}, std::pair{38, 10}}) {
                b->Args({static_cast<int>(path), threads, w, h});
            }
        }
    }
    b->ArgNames({"path", "threads", "w", "h"});
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
}

BENCHMARK(BM_Tiling)->Apply(PathsThreadsSizes);
BENCHMARK(BM_TilingAlone)->Apply(Sizes);
BENCHMARK(BM_FullStageOneThread)->Apply(Sizes);

} // namespace
} // namespace fenx
