// Numbers in the dialogs' edit fields. An edit holds at most five decimal
// digits and nothing else; typed or pasted text that would break that is
// refused or clipped by the edit. Its text reads as an unsigned decimal
// number the way these edits have always been read: spaces in front are
// skipped, then digits up to the end; anything else, or no digit at all,
// is no number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fenx {

inline constexpr std::size_t kEditDigits = 5;

// The edit's number, or nothing for an empty edit or text that is not a
// number (also one that does not fit 32 bits).
std::optional<uint32_t> ReadEditNumber(std::string_view text);

// Whether an edit may hold this text: up to five ASCII digits, or nothing.
bool IsEditText(std::string_view text);

} // namespace fenx
