// The Challenge dialog's line for a row: its mark, its number of blocks
// right-aligned in two places, and its name,
// "□  7ブロック  初級1 まずは小手調べ" or, in English,
// "□  7 blocks  Easy 1 Just a warm-up".
#pragma once

#include <string>
#include <string_view>

#include "core/language.h"
#include "selection/challenge_table.h"

namespace fenx {

// "■" for a solved challenge, "□" for one still to solve.
std::string_view ChallengeMark(bool solved);

std::string ChallengeListLine(const ChallengeEntry& entry, bool solved,
                              Language language = Language::Japanese);

} // namespace fenx
