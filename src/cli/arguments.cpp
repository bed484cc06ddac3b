#include "cli/arguments.h"

namespace fenx {

std::optional<long> ParseInteger(std::string_view text, long min, long max) {
    bool negative = false;
    if (!text.empty() && text.front() == '-' && min < 0) {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 18) {
        return std::nullopt;
    }
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<ConditionSet> ParseConditions(std::string_view text) {
    ConditionSet conditions{};
    size_t index = 0;
    while (true) {
        const size_t comma = text.find(',');
        const auto value = ParseInteger(text.substr(0, comma), 0, kCountConditionValues - 1);
        if (!value || index >= conditions.size()) {
            return std::nullopt;
        }
        conditions[index++] = static_cast<CountCondition>(*value);
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (index != conditions.size()) {
        return std::nullopt;
    }
    return conditions;
}

} // namespace fenx
