// The menu commands and the marks they leave in the menu.
#include <utility>

#include "stage/game.h"
#include "stage/settings.h"

namespace fenx {
namespace {

// The commands that only ask the shell to open something (or to quit).
constexpr std::pair<int, CommandEffect> kShellCommands[] = {
    {CmdAnySize, CommandEffect::OpenSizeDialog},
    {CmdStageNumber, CommandEffect::OpenStageNumberDialog},
    {CmdHelpContents, CommandEffect::OpenHelp},
    {CmdExit, CommandEffect::Quit},
    {CmdChallenge, CommandEffect::OpenChallengeDialog},
    {CmdSearch, CommandEffect::OpenSearchDialog},
    {CmdHistory, CommandEffect::OpenHistoryDialog},
};

} // namespace

CommandEffect Game::OnCommand(int id) {
    if (state_.gamePhase == PhaseOpening) {
        return CommandEffect::None;
    }
    for (const auto& [command, effect] : kShellCommands) {
        if (command == id) {
            return effect;
        }
    }
    switch (id) {
    case CmdSizeEasy:
    case CmdSizeMedium:
    case CmdSizeHard:
        state_.challengeActive = false;
        ChangeStage(StandardSizes[static_cast<std::size_t>(id - CmdSizeEasy)], -1);
        return CommandEffect::None;
    case CmdRandomStage:
        state_.challengeActive = false;
        StartStage(NewRandomStageNumber());
        return CommandEffect::None;
    case CmdSound:
        soundEnabled_ = !soundEnabled_;
        Notify({GameChange::MenuMarks});
        platform_.WriteSetting(kSoundKey, SettingText(soundEnabled_ ? 1 : 0).view());
        return CommandEffect::None;
    case CmdAbout:
        PlayEffect(SoundId::Open);
        return CommandEffect::OpenAbout;
    case CmdDragPlain:
    case CmdDragFlash:
    case CmdDragDotted:
        SetDragDisplayMode(id - CmdDragPlain);
        return CommandEffect::None;
    default:
        return CommandEffect::None;
    }
}

MenuMarks Game::GetMenuMarks() const {
    MenuMarks menu;
    menu.sizeMark = static_cast<int>(StandardSizes.size());
    for (std::size_t i = 0; i < StandardSizes.size(); ++i) {
        if (StandardSizes[i] == StageSize{state_.W, state_.H}) {
            menu.sizeMark = static_cast<int>(i);
            break;
        }
    }
    menu.soundChecked = soundEnabled_;
    const int32_t mode = play_.dragDisplayMode();
    menu.dragModeMark = mode >= 0 && mode <= 2 ? mode : -1;
    return menu;
}

void Game::SetDragDisplayMode(int32_t mode) {
    play_.setDragDisplayMode(mode);
    Notify({GameChange::MenuMarks});
    platform_.WriteSetting(kDragTypeKey, SettingText(mode).view());
}

} // namespace fenx
