#include "selection/challenge_line.h"

#include <array>
#include <cstdio>

namespace fenx {

std::string_view ChallengeMark(bool solved) {
    return solved ? "■" : "□";
}

std::string ChallengeListLine(const ChallengeEntry& entry, bool solved, Language language) {
    // One block covers four cells; a stage size always holds whole blocks.
    const int blocks = entry.width * entry.height / 4;
    std::array<char, 16> count{};
    const int n = std::snprintf(count.data(), count.size(), " %2d", blocks);
    std::string line(ChallengeMark(solved));
    line.append(count.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
    line += language == Language::English ? " blocks  " : "ブロック  ";
    line += ChallengeName(entry, language);
    return line;
}

} // namespace fenx
