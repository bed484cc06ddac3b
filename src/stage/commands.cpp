// The menu commands and the marks they leave in the menu.
#include "stage/game_impl.h"
#include "stage/settings.h"

namespace fenx {

CommandEffect GameImpl::OnCommand(int id) {
    if (state_.gamePhase == PhaseOpening) {
        return CommandEffect::None;
    }
    switch (id) {
    case CmdSizeEasy:
    case CmdSizeMedium:
    case CmdSizeHard:
        state_.challengeActive = 0;
        ChangeStage(StandardSizes[static_cast<std::size_t>(id - CmdSizeEasy)], -1);
        return CommandEffect::None;
    case CmdRandomStage:
        state_.challengeActive = 0;
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
        Notify({GameChange::MenuState});
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

MenuState GameImpl::GetMenuState() const {
    MenuState menu;
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
    const auto closed = [this](DialogKind d) { return !dialogOpen_[static_cast<std::size_t>(d)]; };
    menu.challengeEnabled = closed(DialogKind::Challenge);
    menu.searchEnabled = closed(DialogKind::Search);
    menu.anySizeEnabled = closed(DialogKind::Size);
    menu.stageNumberEnabled = closed(DialogKind::StageNumber);
    return menu;
}

void GameImpl::SetDragDisplayMode(int32_t mode) {
    play_.setDragDisplayMode(mode);
    Notify({GameChange::MenuState});
    platform_.WriteSetting(kDragTypeKey, SettingText(mode).view());
}

void GameImpl::SetDialogOpen(DialogKind dialog, bool open) {
    dialogOpen_[static_cast<std::size_t>(dialog)] = open;
    Notify({GameChange::MenuState});
}

} // namespace fenx
