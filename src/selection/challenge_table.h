// The built-in challenge stages: hand-picked stages, some with blocks that
// cannot be moved, each with its name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fenx {

struct ChallengeEntry {
    int16_t width;
    int16_t height;
    int32_t stageNumber;
    int16_t fixedA; // index in the generated block list of an immovable block, -1 none
    int16_t fixedB;
    std::string_view name; // UTF-8
};

inline constexpr int kChallengeCount = 55;

extern const std::array<ChallengeEntry, kChallengeCount> ChallengeTable;

} // namespace fenx
