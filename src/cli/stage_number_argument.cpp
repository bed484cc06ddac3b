#include "cli/stage_number_argument.h"

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

} // namespace fenx
