// The stage-number dialog's keypad. Each rule takes what the edit shows
// (nothing when it holds no number) and gives what it shows next. The edit
// keeps at most five digits, so it can show numbers up to 99999 although a
// stage number ends at 65535; Start takes the larger ones as 65535.
#pragma once

#include <cstdint>
#include <optional>

#include "core/stage_number.h"

namespace fenx {

// Digit 0..9 typed after the shown number; the leading digit of a
// five-digit number drops out (12345, 6 gives 23456).
uint32_t AppendDigit(std::optional<uint32_t> shown, int digit);
// +1, wrapping from 65535 (or anything above) to 0.
uint32_t NextStageNumber(std::optional<uint32_t> shown);
// -1, wrapping from 0 to 65535.
uint32_t PreviousStageNumber(std::optional<uint32_t> shown);
// The stage Start plays: nothing without a number, at most 65535.
std::optional<int> StageNumberToStart(std::optional<uint32_t> shown);

} // namespace fenx
