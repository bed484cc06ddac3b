// Strict reading of command-line values: a value is accepted whole or not at
// all, never silently defaulted.
#pragma once

#include <optional>
#include <string_view>

#include "core/layout.h"
#include "selection/search_conditions.h"

namespace fenx {

// Decimal digits only (an optional leading '-' when min < 0), within
// [min, max]; anything else is rejected.
std::optional<long> ParseInteger(std::string_view text, long min, long max);

// Exactly 19 comma-separated values 0..9.
std::optional<ConditionSet> ParseConditions(std::string_view text);

} // namespace fenx
