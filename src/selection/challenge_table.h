// The built-in challenge stages: hand-picked stages, some with blocks that
// cannot be moved, each with its name in Japanese and in English (a level
// word, its number and a short phrase).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/language.h"

namespace fenx {

struct ChallengeEntry {
    int16_t width;
    int16_t height;
    int32_t stageNumber;
    int16_t fixedA; // index in the generated block list of an immovable block, -1 none
    int16_t fixedB;
    std::string_view name;        // UTF-8, Japanese
    std::string_view englishName; // the same challenge's English name
};

inline constexpr int kChallengeCount = 55;

extern const std::array<ChallengeEntry, kChallengeCount> ChallengeTable;

// The row's name in that language.
constexpr std::string_view ChallengeName(const ChallengeEntry& entry, Language language) {
    return language == Language::English ? entry.englishName : entry.name;
}

} // namespace fenx
