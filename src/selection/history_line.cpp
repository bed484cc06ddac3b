#include "selection/history_line.h"

#include <algorithm>
#include <cstdio>

#include "core/stage_number.h"
#include "core/stage_size.h"

namespace fenx {
namespace {

// Reads the fields of one line: blanks between fields are skipped, a number
// is an optional sign and at least one digit, a text field runs to the next
// blank.
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

// Copies as much of `text` as `when` holds, ending it with a NUL.
void SetWhen(std::array<char, 15>& when, std::string_view text) {
    const std::size_t n = std::min(text.size(), when.size() - 1);
    std::copy_n(text.begin(), n, when.begin());
    when[n] = '\0';
}

} // namespace

HistoryLine::HistoryLine(bool solvedStage, const LocalTime& left, int stageWidth, int stageHeight,
                         int number)
    : solved(solvedStage), width(static_cast<int8_t>(stageWidth)),
      height(static_cast<int8_t>(stageHeight)), stageNumber(static_cast<uint16_t>(number)) {
    std::array<char, 20> stamp{};
    const int n =
        std::snprintf(stamp.data(), stamp.size(), "%02d/%02d/%02d %02d:%02d",
                      (left.year % 100 + 100) % 100, left.month, left.day, left.hour, left.minute);
    SetWhen(when, {stamp.data(), n > 0 ? static_cast<std::size_t>(n) : 0});
}

std::optional<HistoryLine> HistoryLine::Parse(std::string_view text) {
    if (text.size() > kHistoryLineLimit) {
        return std::nullopt;
    }
    text = text.substr(0, text.find('\0'));
    FieldReader reader(text);
    int64_t status = 0;
    int64_t width = 0;
    int64_t height = 0;
    int64_t number = 0;
    std::string_view date;
    std::string_view time;
    if (!reader.Number(status) || !reader.Text(date) || !reader.Text(time) ||
        !reader.Number(width) || !reader.Number(height) || !reader.Number(number)) {
        return std::nullopt;
    }
    if ((status != 0 && status != 1) || width < kMinWidth || width > kMaxWidth ||
        height < kMinHeight || height > kMaxHeight ||
        !IsValidStageSize(static_cast<int>(width), static_cast<int>(height))) {
        return std::nullopt;
    }
    HistoryLine line;
    line.solved = status == 1;
    line.width = static_cast<int8_t>(width);
    line.height = static_cast<int8_t>(height);
    line.stageNumber = static_cast<uint16_t>(ReduceStageNumber(number));
    std::string joined(date);
    joined += ' ';
    joined += time;
    SetWhen(line.when, joined);
    return line;
}

std::string HistoryLine::Text() const {
    std::array<char, 64> chars{};
    const int n = std::snprintf(chars.data(), chars.size(), "%d %s %d %d %d\n", solved ? 1 : 0,
                                when.data(), static_cast<int>(width), static_cast<int>(height),
                                static_cast<int>(stageNumber));
    return {chars.data(), n > 0 ? static_cast<std::size_t>(n) : 0};
}

} // namespace fenx
