// Which challenges have been solved, and how that survives a restart: the
// 256 solved flags are kept under the settings key `challenge` as 64
// characters, four flags per character, scrambled with the stage generator
// and carrying a check value, so a damaged or hand-edited key is noticed and
// read as "nothing solved".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fenx {

inline constexpr int kProgressFlagCount = 256;
inline constexpr std::size_t kProgressTextLength = 64;
inline constexpr std::string_view ProgressAlphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,";
inline constexpr uint32_t ProgressSeed = 613;

// One flag per challenge row, set when solved. Rows past the table are
// carried along unchanged.
struct ChallengeProgress {
    std::array<bool, kProgressFlagCount> flags{};

    bool solved(int row) const { return flags[static_cast<std::size_t>(row)]; }
};

// Each character holds four flags in its low four bits and the number of
// them that are set, mod 4, in its two high bits, XOR the low six bits of
// one draw of a stage generator seeded with ProgressSeed.
std::array<char, kProgressTextLength> EncodeChallengeProgress(const ChallengeProgress& progress);

// The flags of a stored key. A text that is not exactly 64 characters long,
// or any character whose check bits disagree with its flags, gives all flags
// clear. A character outside the alphabet counts as its first character.
ChallengeProgress DecodeChallengeProgress(std::string_view text);

// The key's text for the rows solved in either text: solved marks only ever
// grow, whichever copy of the game solved a row. Stored text that does not
// decode counts as nothing solved. A SettingMerge for the key.
std::string MergeChallengeProgress(std::optional<std::string_view> stored, std::string_view ours);

} // namespace fenx
