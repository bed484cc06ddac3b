#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/argument_reader.h"
#include "cli/command_output.h"
#include "cli/commands.h"
#include "cli/stage_dump.h"
#include "core/stage_number.h"
#include "selection/parallel_search.h"

namespace fenx {
namespace {

// All 65536 dumps in order. The workers fill one batch of parts at a time,
// 64 dumps each; the batch is written before the next begins, so output
// order never depends on the threads, nor on how many of them could start.
int DumpAllStages(int width, int height) {
    const int threads = DefaultThreadCount();
    const int perPart = 64;
    const int batch = threads * perPart;
    std::vector<std::string> parts(static_cast<size_t>(threads));
    for (int start = 0; start < kStageNumberCount; start += batch) {
        std::atomic<int> nextPart{0};
        auto work = [&] {
            auto stage = std::make_unique<BuiltStage>();
            for (int p = nextPart.fetch_add(1); p < threads; p = nextPart.fetch_add(1)) {
                std::string& out = parts[static_cast<size_t>(p)];
                out.clear();
                const int begin = start + p * perPart;
                const int end = std::min(kStageNumberCount, begin + perPart);
                for (int n = begin; n < end; ++n) {
                    AppendStageDump(out, *stage, width, height, n, {});
                    out += '\n';
                }
            }
        };
        std::vector<std::thread> workers = StartThreads(threads - 1, work);
        work();
        for (auto& w : workers) {
            w.join();
        }
        for (const auto& part : parts) {
            if (const int status = WriteStandardOutput(part); status != 0) {
                return status;
            }
        }
    }
    return 0;
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
    if (!read) {
        return UsageError(error);
    }
    FixedBlocks fixed;
    const CliOption options[] = {FixedBlocksOption(fixed, *read)};
    if (!ReadOptions(read->options, options, error)) {
        return UsageError(error);
    }
    auto stage = std::make_unique<BuiltStage>();
    std::string out;
    AppendStageDump(out, *stage, read->width, read->height, read->number, fixed);
    out += '\n';
    return WriteStandardOutput(out);
}

} // namespace fenx
