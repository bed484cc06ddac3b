// Planning time per stage at each size, over a fixed spread of stage
// numbers: median, 99th and 99.9th percentile and worst, in milliseconds of processor
// time, with the slowest stage's number and the 99th percentile of the wall
// clock beside them. Also from positions a player may have wandered to.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "core/stage_build.h"
#include "plan_timing.h"
#include "solver/planner.h"

namespace fenx {
namespace {

// Planning from the start of each stage (range 3 zero), or from a position
// that many random steps away, as the next move is planned in play.
void PlanStages(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int stages = static_cast<int>(state.range(2));
    const int wander = static_cast<int>(state.range(3));
    auto stage = std::make_unique<BuiltStage>();
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
            BuildStage(*stage, width, height, number, {});
            Wander(stage->board, stage->blocks, wander, static_cast<uint32_t>(number) + 1);
            const auto t0 = std::chrono::steady_clock::now();
            const double c0 = ThreadMs();
            unsolved += planner->Plan(stage->blocks, width, height, PlanLimits{}) ? 0 : 1;
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
    const std::size_t p999 = std::min(cpu.size() - 1, cpu.size() * 999 / 1000);
    state.counters["median_ms"] = cpu[cpu.size() / 2];
    state.counters["p99_ms"] = cpu[p99];
    state.counters["p999_ms"] = cpu[p999];
    state.counters["worst_ms"] = cpu.back();
    state.counters["slowest_stage"] = slowest;
    state.counters["wall_p99_ms"] = wall[p99];
    state.counters["unsolved"] = unsolved;
}

BENCHMARK(PlanStages)
    ->ArgNames({"w", "h", "stages", "steps"})
    ->Args({7, 4, 300, 0})
    ->Args({12, 4, 300, 0})
    ->Args({7, 8, 300, 0})
    ->Args({20, 6, 200, 0})
    ->Args({38, 10, 200, 0})
    ->Args({7, 4, 300, 200})
    ->Args({12, 4, 300, 200})
    ->Args({7, 8, 300, 200})
    ->Args({20, 6, 200, 200})
    ->Args({38, 10, 200, 200})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace fenx
