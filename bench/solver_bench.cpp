// Planning time per stage at each size, over a fixed spread of stage
// numbers: median, 99th percentile and worst, in milliseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/stage_build.h"
#include "solver/planner.h"

namespace fenx {
namespace {

void PlanStages(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int stages = static_cast<int>(state.range(2));
    auto random = std::make_unique<StageRandom>();
    auto board = std::make_unique<Board>();
    auto blocks = std::make_unique<BlockList>();
    auto planner = std::make_unique<Planner>();
    std::vector<double> ms;
    int unsolved = 0;
    for (auto _ : state) {
        ms.clear();
        unsolved = 0;
        for (int i = 0; i < stages; ++i) {
            BuildStage(*random, *board, *blocks, width, height, i * 257, {});
            const auto t0 = std::chrono::steady_clock::now();
            unsolved += planner->Plan(*blocks, width, height, PlanLimits{}) ? 0 : 1;
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count());
            if (std::getenv("FENX_SLOW") && ms.back() > std::atof(std::getenv("FENX_SLOW")))
                std::fprintf(stderr, "slow %d: %.1f ms, %ld expansions\n", i * 257, ms.back(),
                             planner->Expansions());
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    state.counters["worst_ms"] = ms.back();
    state.counters["unsolved"] = unsolved;
}

BENCHMARK(PlanStages)
    ->Args({7, 4, 300})
    ->Args({12, 4, 300})
    ->Args({7, 8, 300})
    ->Args({20, 6, 40})
    ->Args({38, 10, 20})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace fenx
