#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/argument_reader.h"
#include "cli/commands.h"
#include "cli/stage_dump.h"
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
    constexpr std::string_view kUsage =
        "usage: fenx-cli stage W H N [--fixed A B] | fenx-cli stage W H --all";
    std::string error;
    if (args.size() >= 3 && args[2] == "--all") {
        const auto read = ReadStageArguments(args, {kUsage, false}, error);
        if (!read) {
            return UsageError(error);
        }
        if (read->options.size() != 1) {
            return UsageError("--all takes no further arguments");
        }
        return DumpAllStages(read->width, read->height);
    }
    const auto read = ReadStageArguments(args, {kUsage}, error);
    FixedBlocks fixed;
    const CliOption options[] = {FixedBlocksOption(fixed)};
    if (!read || !ReadOptions(read->options, options, error)) {
        return UsageError(error);
    }
    auto stage = std::make_unique<BuiltStage>();
    std::string out;
    AppendStageDump(out, *stage, read->width, read->height, read->number, fixed);
    out += '\n';
    return WriteOut(out) && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace fenx
