#include "selection/history_list.h"

#include <array>
#include <cstdio>
#include <optional>
#include <unordered_set>

namespace fenx {
namespace {

uint32_t StageKey(const HistoryEntry& e) {
    return static_cast<uint32_t>(e.line.stageNumber) | static_cast<uint32_t>(e.line.width) << 16 |
           static_cast<uint32_t>(e.line.height) << 24;
}

} // namespace

std::vector<HistoryEntry> ParseHistory(std::string_view text) {
    std::vector<HistoryEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (const std::optional<HistoryLine> read = HistoryLine::Parse(line)) {
            entries.push_back({*read, read->solved ? HistorySolved : HistoryUnsolved});
        }
    }

    // A stage solved in any line marks its unsolved lines: one pass to
    // collect the solved stages, one to mark, so the order never matters.
    std::unordered_set<uint32_t> solved;
    for (const HistoryEntry& e : entries) {
        if (e.status == HistorySolved) {
            solved.insert(StageKey(e));
        }
    }
    if (!solved.empty()) {
        for (HistoryEntry& e : entries) {
            if (e.status == HistoryUnsolved && solved.count(StageKey(e)) != 0) {
                e.status = HistorySolvedElsewhere;
            }
        }
    }
    return entries;
}

std::string_view HistoryMark(int status) {
    switch (status) {
    case HistorySolved:
        return "■";
    case HistorySolvedElsewhere:
        return "―";
    default:
        return "□";
    }
}

std::string HistoryListLine(const HistoryEntry& entry) {
    std::array<char, 64> tail{};
    const HistoryLine& line = entry.line;
    const int n = std::snprintf(tail.data(), tail.size(), "  %s  %dx%d  %d", line.when.data(),
                                line.width, line.height, line.stageNumber);
    std::string text(HistoryMark(entry.status));
    text.append(tail.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

} // namespace fenx
