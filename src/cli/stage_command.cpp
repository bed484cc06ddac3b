#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/stage_dump.h"
#include "cli/stage_number_argument.h"
#include "cli/stage_size_argument.h"
#include "core/stage_number.h"
#include "selection/parallel_search.h"

namespace fenx {
namespace {

bool WriteOut(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

// All 65536 dumps in order. Workers fill one batch of dumps at a time; the
// batch is written before the next begins, so output order never depends on
// the threads.
int DumpAllStages(int width, int height) {
    const int threads = DefaultThreadCount();
    const int perThread = 64;
    const int batch = threads * perThread;
    std::vector<std::string> parts(static_cast<size_t>(threads));
    std::vector<std::unique_ptr<BuiltStage>> stages;
    for (int t = 0; t < threads; ++t) {
        stages.push_back(std::make_unique<BuiltStage>());
    }
    for (int start = 0; start < kStageNumberCount; start += batch) {
        auto work = [&](int t) {
            std::string& out = parts[static_cast<size_t>(t)];
            out.clear();
            const int begin = start + t * perThread;
            const int end = std::min(kStageNumberCount, begin + perThread);
            for (int n = begin; n < end; ++n) {
                AppendStageDump(out, *stages[static_cast<size_t>(t)], width, height, n, {});
                out += '\n';
            }
        };
        std::vector<std::thread> workers;
        for (int t = 1; t < threads; ++t) {
            workers.emplace_back(work, t);
        }
        work(0);
        for (auto& w : workers) {
            w.join();
        }
        for (const auto& part : parts) {
            if (!WriteOut(part)) {
                return 1;
            }
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int RunStageCommand(std::span<const std::string_view> args) {
    if (args.size() < 3) {
        return UsageError("usage: fenx-cli stage W H N [--fixed A B] | fenx-cli stage W H --all");
    }
    std::string error;
    const auto size = ParseStageSize(args[0], args[1], error);
    if (!size) {
        return UsageError(error);
    }
    if (args[2] == "--all") {
        if (args.size() != 3) {
            return UsageError("--all takes no further arguments");
        }
        return DumpAllStages(size->width, size->height);
    }
    const auto number = ParseStageNumber(args[2], error);
    if (!number) {
        return UsageError(error);
    }
    FixedBlocks fixed;
    auto rest = args.subspan(3);
    if (!rest.empty()) {
        if (rest[0] != "--fixed") {
            return UsageError("unknown option '" + std::string(rest[0]) + "'");
        }
        if (rest.size() != 3) {
            return UsageError("--fixed takes exactly two block indices");
        }
        const auto pair = ParseFixedBlocks(rest[1], rest[2]);
        if (!pair) {
            return UsageError("fixed block indices must be whole numbers (-1 for none)");
        }
        fixed = *pair;
    }
    auto stage = std::make_unique<BuiltStage>();
    std::string out;
    AppendStageDump(out, *stage, size->width, size->height, *number, fixed);
    out += '\n';
    return WriteOut(out) && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace fenx
