// The stage number, as every command that builds a stage reads it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fenx {

// N: a whole number from 0 to 2147483647 (a stage start keeps its low 16
// bits); on failure returns nullopt and sets `error`.
std::optional<int> ParseStageNumber(std::string_view text, std::string& error);

} // namespace fenx
