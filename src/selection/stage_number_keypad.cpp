#include "selection/stage_number_keypad.h"

#include <algorithm>

namespace fenx {
namespace {

constexpr auto kHighest = static_cast<uint32_t>(kHighestStageNumber);

} // namespace

uint32_t AppendDigit(std::optional<uint32_t> shown, int digit) {
    uint32_t value = shown.value_or(0);
    if (value >= 10000) {
        value %= 10000;
    }
    return value * 10 + static_cast<uint32_t>(digit);
}

uint32_t NextStageNumber(std::optional<uint32_t> shown) {
    const uint32_t value = shown.value_or(0);
    return value < kHighest ? value + 1 : 0;
}

uint32_t PreviousStageNumber(std::optional<uint32_t> shown) {
    const uint32_t value = shown.value_or(0);
    return value > 0 ? value - 1 : kHighest;
}

std::optional<int> StageNumberToStart(std::optional<uint32_t> shown) {
    if (!shown) {
        return std::nullopt;
    }
    return static_cast<int>(std::min(*shown, kHighest));
}

} // namespace fenx
