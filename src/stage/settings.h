// The settings the game keeps in the [FENX] section of fenx.ini: key names,
// defaults, how a stored integer is read, and the corrections made to a
// stored stage size.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/stage_size.h"

namespace fenx {

inline constexpr std::string_view kWidthKey = "x_size";
inline constexpr std::string_view kHeightKey = "y_size";
inline constexpr std::string_view kDragTypeKey = "drag_type";
inline constexpr std::string_view kSoundKey = "sound";
inline constexpr std::string_view kChallengeKey = "challenge";

inline constexpr int32_t kDefaultWidth = 7;
inline constexpr int32_t kDefaultHeight = 4;
inline constexpr int32_t kDefaultDragType = 0;
inline constexpr int32_t kDefaultSound = 1;

// An integer from the text stored under a key. A hand-edited file should
// never stop the game, so every text gives a number: a missing key or an
// empty text gives the default; otherwise leading blanks are skipped, an
// optional sign is taken, then decimal digits up to the first other
// character ("12px" is 12). No digits at all read as 0; a number too large
// wraps around like a 32-bit integer. The callers then correct what is out
// of range.
int32_t ParseSettingInt(const std::optional<std::string>& text, int32_t fallback);

// The stage size to use for stored values: the width clamped to 7..38, the
// height to 3..10, and 7 x 4 when the clamped size has a cell count that is
// not a multiple of 4.
StageSize CorrectStoredStageSize(int32_t width, int32_t height);

// An integer as its settings text, "%d". Holds its own characters.
class SettingText {
  public:
    explicit SettingText(int32_t value);
    std::string_view view() const { return {chars_.data(), length_}; }

  private:
    std::array<char, 16> chars_{};
    std::size_t length_ = 0;
};

} // namespace fenx
