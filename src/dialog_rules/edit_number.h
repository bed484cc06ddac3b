// Numbers in the dialogs' edit fields. An edit holds at most five decimal
// digits and nothing else; typed or pasted text that would break that is
// refused or clipped by the edit. Its text reads as an unsigned decimal
// number: spaces in front are skipped (a number set by the program never
// has them, but a player may paste some), then digits up to the end;
// anything else, or no digit at all, is no number, so Start does nothing
// rather than guess.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fenx {

inline constexpr std::size_t kEditDigits = 5;
// The largest number five digits hold.
inline constexpr uint32_t kLargestEditNumber = 99999;

// The edit's number, or nothing for an empty edit or text that is not a
// number (also one that does not fit 32 bits).
std::optional<uint32_t> ReadEditNumber(std::string_view text);

// Whether an edit may hold this text: up to five ASCII digits, or nothing.
bool IsEditText(std::string_view text);

// The number after a step of `delta` by the edit's arrows or its Up and
// Down keys: an empty edit counts as 0, and the result stays in
// 0..kLargestEditNumber.
uint32_t StepEditNumber(std::optional<uint32_t> shown, int delta);

} // namespace fenx
