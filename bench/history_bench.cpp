// Opening the History dialog on a long history: a fenx.log of a million
// lines (about 27 MB) read from disk and parsed into marked entries.
//
//   build/release/bench/fenx_bench --benchmark_filter=History

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "selection/history_list.h"
#include "settings/history_file.h"

namespace fenx {
namespace {

// A million lines of every size, every third one solved, so the marking has
// work to do.
std::string MillionLineLog() {
    static const int kSizes[][2] = {{7, 4}, {12, 4}, {7, 8}, {8, 5}, {38, 10}};
    std::string text;
    text.reserve(28u << 20);
    char line[64];
    for (int i = 0; i < 1000000; ++i) {
        const int* size = kSizes[i % 5];
        const int n = std::snprintf(line, sizeof line, "%d %02d/%02d/%02d %02d:%02d %d %d %d\n",
                                    i % 3 == 0 ? 1 : 0, 97 + i % 3, 1 + i % 12, 1 + i % 28, i % 24,
                                    i % 60, size[0], size[1],
                                    static_cast<int>(static_cast<unsigned>(i) * 7919u % 65536u));
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

void BM_HistoryLoadMillionLines(benchmark::State& state) {
    char path[] = "/tmp/fenx-history-bench-XXXXXX";
    const int fd = ::mkstemp(path);
    const std::string text = MillionLineLog();
    if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        state.SkipWithError("cannot write the history file");
        return;
    }
    ::close(fd);
    std::size_t count = 0;
    for (auto _ : state) {
        const auto file = HistoryFile(path).Read();
        const auto entries = ParseHistory(file.value_or(""));
        count = entries.size();
        benchmark::DoNotOptimize(entries.data());
    }
    ::unlink(path);
    state.counters["entries"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_HistoryLoadMillionLines)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace fenx
