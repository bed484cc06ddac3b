// The stage number and the fixed blocks, as every command that builds a
// stage reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/layout.h"

namespace fenx {

// N: a whole number from 0 to 2147483647 (a stage start keeps its low 16
// bits); on failure returns nullopt and sets `error`.
std::optional<int> ParseStageNumber(std::string_view text, std::string& error);

// The two block indices after --fixed, each a signed 16-bit whole number
// (-1 for none); nullopt when either is not.
std::optional<FixedBlocks> ParseFixedBlocks(std::string_view first, std::string_view second);

} // namespace fenx
