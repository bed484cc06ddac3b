#include "stage/window_title.h"

#include <array>
#include <cstdio>

#include "selection/challenge_table.h"

namespace fenx {

std::string_view TitleScreenCaption(Language language) {
    return language == Language::English ? "FENX" : "ＤＯＤＩ";
}

std::string StageCaption(int stageNumber, Language language) {
    std::array<char, 32> title{};
    const int length =
        std::snprintf(title.data(), title.size(),
                      language == Language::English ? "Stage %d" : " %d 面", stageNumber);
    return {title.data(), length > 0 ? static_cast<std::size_t>(length) : 0};
}

std::string_view ChallengeCaption(int row, Language language) {
    return ChallengeName(ChallengeTable[static_cast<std::size_t>(row)], language);
}

} // namespace fenx
