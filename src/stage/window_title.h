// What the main window's title bar says: the game's name on the title
// screen, the number of an ordinary stage, the name of a challenge stage,
// each in the language the player chose.
#pragma once

#include <string>
#include <string_view>

#include "core/language.h"

namespace fenx {

// "ＤＯＤＩ" (four full-width letters) in Japanese, "FENX" in English.
std::string_view TitleScreenCaption(Language language);
// Stage 4829: " 4829 面" in Japanese, "Stage 4829" in English.
std::string StageCaption(int stageNumber, Language language);
// Challenge row 0..54 by its name.
std::string_view ChallengeCaption(int row, Language language);

} // namespace fenx
