// Planning time per stage at each size, over a fixed spread of stage
// numbers: median, 99th percentile and worst, in milliseconds of processor
// time, with the slowest stage's number and the 99th percentile of the wall
// clock beside them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

#include "core/stage_build.h"
#include "solver/planner.h"

namespace fenx {
namespace {

// Processor time of this thread: on a machine shared with other work the
// wall clock would count the waits for a core too.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void PlanStages(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int stages = static_cast<int>(state.range(2));
    auto random = std::make_unique<StageRandom>();
    auto board = std::make_unique<Board>();
    auto blocks = std::make_unique<BlockList>();
    auto planner = std::make_unique<Planner>();
    std::vector<double> cpu;
    std::vector<double> wall;
    int unsolved = 0;
    int slowest = -1;
    for (auto _ : state) {
        cpu.clear();
        wall.clear();
        unsolved = 0;
        for (int i = 0; i < stages; ++i) {
            const int number = (i * 257) & 0xffff;
            BuildStage(*random, *board, *blocks, width, height, number, {});
            const auto t0 = std::chrono::steady_clock::now();
            const double c0 = ThreadMs();
            unsolved += planner->Plan(*blocks, width, height, PlanLimits{}) ? 0 : 1;
            cpu.push_back(ThreadMs() - c0);
            wall.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count());
            if (cpu.back() >= *std::max_element(cpu.begin(), cpu.end())) {
                slowest = number;
            }
        }
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(wall.begin(), wall.end());
    const std::size_t p99 = std::min(cpu.size() - 1, cpu.size() * 99 / 100);
    state.counters["median_ms"] = cpu[cpu.size() / 2];
    state.counters["p99_ms"] = cpu[p99];
    state.counters["worst_ms"] = cpu.back();
    state.counters["slowest_stage"] = slowest;
    state.counters["wall_p99_ms"] = wall[p99];
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
