#include "selection/history_list.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "core/stage_number.h"
#include "core/stage_size.h"

namespace fenx {
namespace {

// Reads the fields of one line the way "%d %s %s %d %d %d" does: blanks
// between fields are skipped, a number is an optional sign and at least one
// digit, a text field runs to the next blank.
class FieldReader {
  public:
    explicit FieldReader(std::string_view line) : line_(line) {}

    bool Number(int64_t& value) {
        SkipBlanks();
        bool negative = false;
        if (pos_ < line_.size() && (line_[pos_] == '+' || line_[pos_] == '-')) {
            negative = line_[pos_] == '-';
            ++pos_;
        }
        const std::size_t digits = pos_;
        int64_t v = 0;
        while (pos_ < line_.size() && line_[pos_] >= '0' && line_[pos_] <= '9') {
            // Anything this large is rejected later; stop growing it.
            v = std::min<int64_t>(v * 10 + (line_[pos_] - '0'), int64_t{1} << 40);
            ++pos_;
        }
        value = negative ? -v : v;
        return pos_ > digits;
    }

    bool Text(std::string_view& text) {
        SkipBlanks();
        const std::size_t start = pos_;
        while (pos_ < line_.size() && !IsBlank(line_[pos_])) {
            ++pos_;
        }
        text = line_.substr(start, pos_ - start);
        return !text.empty();
    }

  private:
    static bool IsBlank(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }
    void SkipBlanks() {
        while (pos_ < line_.size() && IsBlank(line_[pos_])) {
            ++pos_;
        }
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

bool ParseLine(std::string_view line, HistoryEntry& entry) {
    // Like a C string, the line ends at a NUL byte.
    line = line.substr(0, line.find('\0'));
    FieldReader reader(line);
    int64_t status = 0;
    int64_t width = 0;
    int64_t height = 0;
    int64_t number = 0;
    std::string_view date;
    std::string_view time;
    if (!reader.Number(status) || !reader.Text(date) || !reader.Text(time) ||
        !reader.Number(width) || !reader.Number(height) || !reader.Number(number)) {
        return false;
    }
    if ((status != HistoryUnsolved && status != HistorySolved) || width < kMinWidth ||
        width > kMaxWidth || height < kMinHeight || height > kMaxHeight ||
        !IsValidStageSize(static_cast<int>(width), static_cast<int>(height))) {
        return false;
    }
    entry.status = static_cast<int8_t>(status);
    entry.width = static_cast<int8_t>(width);
    entry.height = static_cast<int8_t>(height);
    entry.stageNumber = static_cast<uint16_t>(ReduceStageNumber(number));
    std::string when(date);
    when += ' ';
    when += time;
    const std::size_t n = std::min(when.size(), entry.when.size() - 1);
    std::copy_n(when.begin(), n, entry.when.begin());
    entry.when[n] = '\0';
    return true;
}

uint32_t StageKey(const HistoryEntry& e) {
    return static_cast<uint32_t>(e.stageNumber) | static_cast<uint32_t>(e.width) << 16 |
           static_cast<uint32_t>(e.height) << 24;
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
        HistoryEntry entry;
        if (line.size() <= kHistoryLineLimit && ParseLine(line, entry)) {
            entries.push_back(entry);
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
    const int n = std::snprintf(tail.data(), tail.size(), "  %s  %dx%d  %d", entry.when.data(),
                                entry.width, entry.height, entry.stageNumber);
    std::string line(HistoryMark(entry.status));
    line.append(tail.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
    return line;
}

} // namespace fenx
