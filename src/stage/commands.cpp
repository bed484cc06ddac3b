// The menu commands and the marks they leave in the menu.
#include "stage/game.h"
#include "stage/settings.h"

namespace fenx {

CommandEffect Game::OnCommand(int id) {
    if (state_.gamePhase == PhaseOpening) {
        return CommandEffect::None;
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
    case CmdAnySize:
        return CommandEffect::OpenSizeDialog;
    case CmdStageNumber:
        return CommandEffect::OpenStageNumberDialog;
    case CmdHelpContents:
        return CommandEffect::OpenHelp;
    case CmdSound:
        soundEnabled_ = !soundEnabled_;
        Notify({GameChange::MenuMarks});
        platform_.WriteSetting(kSoundKey, SettingText(soundEnabled_ ? 1 : 0).view());
        return CommandEffect::None;
    case CmdAbout:
        PlayEffect(SoundId::Open);
        return CommandEffect::OpenAbout;
    case CmdExit:
        return CommandEffect::Quit;
    case CmdChallenge:
        return CommandEffect::OpenChallengeDialog;
    case CmdDragPlain:
    case CmdDragFlash:
    case CmdDragDotted:
        SetDragDisplayMode(id - CmdDragPlain);
        return CommandEffect::None;
    case CmdSearch:
        return CommandEffect::OpenSearchDialog;
    case CmdHistory:
        return CommandEffect::OpenHistoryDialog;
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
