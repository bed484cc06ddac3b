#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fenx {

struct StageSizeArgument {
    int width;
    int height;
};

// Reads W and H; on failure returns nullopt and sets `error`.
std::optional<StageSizeArgument> ParseStageSize(std::string_view width, std::string_view height,
                                                std::string& error);

} // namespace fenx
