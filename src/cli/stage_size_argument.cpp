#include "cli/stage_size_argument.h"

#include "cli/arguments.h"
#include "core/stage_size.h"

namespace fenx {

std::optional<StageSizeArgument> ParseStageSize(std::string_view width, std::string_view height,
                                                std::string& error) {
    const auto w = ParseInteger(width, kMinWidth, kMaxWidth);
    const auto h = ParseInteger(height, kMinHeight, kMaxHeight);
    if (!w) {
        error = "width must be a whole number from 7 to 38, not '" + std::string(width) + "'";
        return std::nullopt;
    }
    if (!h) {
        error = "height must be a whole number from 3 to 10, not '" + std::string(height) + "'";
        return std::nullopt;
    }
    if (!IsValidStageSize(static_cast<int>(*w), static_cast<int>(*h))) {
        error = "a stage of " + std::to_string(*w) + " x " + std::to_string(*h) +
                " cells is not a whole number of blocks (width x height must be a multiple of 4)";
        return std::nullopt;
    }
    return StageSizeArgument{static_cast<int>(*w), static_cast<int>(*h)};
}

} // namespace fenx
