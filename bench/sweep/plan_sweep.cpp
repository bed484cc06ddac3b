// Planning time over a range of stage numbers, run by hand: a sweep over
// all 65536 stages takes a long while, so it runs in ranges that may be
// split and resumed, each stage's line appended to a file, and the lines of
// all ranges summed up at the end.
//
//   fenx_plan_sweep W H STEPS FIRST LAST FILE [STRIDE]   plans stages
//       FIRST..LAST (every STRIDE-th, default each) from the start, or
//       STEPS random legal steps away, and appends "stage cpu_ms wall_ms
//       solved" for each to FILE
//   fenx_plan_sweep --summary FILE...           median, 99.9th percentile,
//       worst with its stage, and the plans that failed or did not end
//       solved, in processor milliseconds of the planning thread
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../plan_timing.h"
#include "core/stage_build.h"
#include "solver/drag_plan.h"
#include "solver/planner.h"

namespace fenx {
namespace {

struct Timed {
    int stage;
    double cpuMs;
    double wallMs;
    int solved;
};

bool Number(std::string_view text, int& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size();
}

int Sweep(int width, int height, int steps, int first, int last, int stride, const char* file) {
    std::FILE* out = std::fopen(file, "a");
    if (out == nullptr) {
        std::perror(file);
        return 1;
    }
    auto stage = std::make_unique<BuiltStage>();
    auto planner = std::make_unique<Planner>();
    DragPlan plan;
    for (int number = first; number <= last; number += stride) {
        BuildStage(*stage, width, height, number, {});
        Wander(stage->board, stage->blocks, steps, static_cast<uint32_t>(number) + 1);
        const auto t0 = std::chrono::steady_clock::now();
        const double c0 = ThreadMs();
        const bool planned = planner->Plan(stage->blocks, width, height, PlanLimits{});
        const double cpu = ThreadMs() - c0;
        const double wall =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        bool solved = false;
        if (planned) {
            BuildDragPlan(stage->blocks, width, height, *planner, plan);
            solved = plan.solved;
        }
        std::fprintf(out, "%d %.3f %.3f %d\n", number, cpu, wall, solved ? 1 : 0);
        std::fflush(out); // a sweep cut short keeps what it measured
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

int Summary(int count, char** files) {
    std::vector<Timed> all;
    for (int i = 0; i < count; ++i) {
        std::ifstream in(files[i]);
        if (!in) {
            std::perror(files[i]);
            return 1;
        }
        Timed t{};
        while (in >> t.stage >> t.cpuMs >> t.wallMs >> t.solved) {
            all.push_back(t);
        }
    }
    if (all.empty()) {
        std::fprintf(stderr, "no stages\n");
        return 1;
    }
    std::sort(all.begin(), all.end(), [](const Timed& a, const Timed& b) {
        return a.stage < b.stage || (a.stage == b.stage && a.cpuMs < b.cpuMs);
    });
    // A resumed range may repeat a stage: count each once, its last line.
    std::vector<Timed> stages;
    for (const Timed& t : all) {
        if (!stages.empty() && stages.back().stage == t.stage) {
            stages.back() = t;
        } else {
            stages.push_back(t);
        }
    }
    int failed = 0;
    for (const Timed& t : stages) {
        failed += t.solved == 1 ? 0 : 1;
    }
    std::vector<Timed> byTime = stages;
    std::sort(byTime.begin(), byTime.end(),
              [](const Timed& a, const Timed& b) { return a.cpuMs < b.cpuMs; });
    const std::size_t n = byTime.size();
    const Timed& worst = byTime.back();
    std::vector<double> wall;
    for (const Timed& t : stages) {
        wall.push_back(t.wallMs);
    }
    std::sort(wall.begin(), wall.end());
    std::printf("%zu stages: processor ms median %.2f p99 %.2f p99.9 %.2f worst %.2f (stage %d); "
                "wall ms p99.9 %.2f worst %.2f; not solved %d\n",
                n, byTime[n / 2].cpuMs, byTime[std::min(n - 1, n * 99 / 100)].cpuMs,
                byTime[std::min(n - 1, n * 999 / 1000)].cpuMs, worst.cpuMs, worst.stage,
                wall[std::min(n - 1, n * 999 / 1000)], wall.back(), failed);
    for (const Timed& t : stages) {
        if (t.solved != 1) {
            std::printf("  not solved: stage %d\n", t.stage);
        }
    }
    return 0;
}

} // namespace
} // namespace fenx

int main(int argc, char** argv) {
    if (argc >= 3 && std::string_view(argv[1]) == "--summary") {
        return fenx::Summary(argc - 2, argv + 2);
    }
    int v[5] = {};
    int stride = 1;
    bool ok = argc == 7 || (argc == 8 && fenx::Number(argv[7], stride) && stride > 0);
    for (int i = 0; ok && i < 5; ++i) {
        ok = fenx::Number(argv[i + 1], v[i]);
    }
    if (!ok || v[0] < 4 || v[1] < 2 || v[2] < 0 || v[3] < 0 || v[4] > 0xffff || v[3] > v[4]) {
        std::fprintf(stderr, "usage: fenx_plan_sweep W H STEPS FIRST LAST FILE [STRIDE]\n"
                             "       fenx_plan_sweep --summary FILE...\n");
        return 2;
    }
    return fenx::Sweep(v[0], v[1], v[2], v[3], v[4], stride, argv[6]);
}
