#include "dialog_rules/edit_number.h"

#include <algorithm>
#include <limits>

namespace fenx {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<uint32_t> ReadEditNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(first);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit)) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > std::numeric_limits<uint32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<uint32_t>(value);
}

bool IsEditText(std::string_view text) {
    return text.size() <= kEditDigits && std::all_of(text.begin(), text.end(), IsDigit);
}

uint32_t StepEditNumber(std::optional<uint32_t> shown, int delta) {
    const int64_t value = static_cast<int64_t>(shown.value_or(0)) + delta;
    return static_cast<uint32_t>(std::clamp<int64_t>(value, 0, kLargestEditNumber));
}

} // namespace fenx
