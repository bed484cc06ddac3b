#include "cli/stage_number_argument.h"

#include <cstdint>

#include "cli/arguments.h"

namespace fenx {

std::optional<int> ParseStageNumber(std::string_view text, std::string& error) {
    const auto number = ParseInteger(text, 0, 2147483647);
    if (!number) {
        error = "stage number must be a whole number from 0 to 2147483647, not '" +
                std::string(text) + "'";
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

std::optional<FixedBlocks> ParseFixedBlocks(std::string_view first, std::string_view second) {
    const auto a = ParseInteger(first, INT16_MIN, INT16_MAX);
    const auto b = ParseInteger(second, INT16_MIN, INT16_MAX);
    if (!a || !b) {
        return std::nullopt;
    }
    return FixedBlocks{static_cast<int16_t>(*a), static_cast<int16_t>(*b)};
}

} // namespace fenx
