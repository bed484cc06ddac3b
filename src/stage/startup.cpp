// What the game does when the program starts and when it ends.
#include "stage/game.h"
#include "stage/settings.h"

namespace fenx {

void Game::StartUp() {
    const int32_t width = ParseSettingInt(platform_.ReadSetting(kWidthKey), kDefaultWidth);
    const int32_t height = ParseSettingInt(platform_.ReadSetting(kHeightKey), kDefaultHeight);
    ApplyStageSize(CorrectStoredStageSize(width, height));
    record_.width = state_.W;
    record_.height = state_.H;

    play_.setDragDisplayMode(
        ParseSettingInt(platform_.ReadSetting(kDragTypeKey), kDefaultDragType));
    progress_ = DecodeChallengeProgress(platform_.ReadSetting(kChallengeKey).value_or(""));

    state_.challengeActive = false;
    play_.Reset();
    record_.status = ResultNoStage;

    canvas_.CreateSurfaces(state_.W, state_.H);
    soundEnabled_ = ParseSettingInt(platform_.ReadSetting(kSoundKey), kDefaultSound) != 0;
    Notify({GameChange::MenuMarks});
}

void Game::ShowTitleScreen() {
    platform_.SetWindowTitle(kTitleScreenCaption);
    state_.gamePhase = PhaseTitle;
    canvas_.DrawTitlePicture();
    PresentWholeSurface();
}

void Game::PlayStartJingle() {
    PlayEffect(SoundId::Open);
}

void Game::ShutDown() {
    play_.StopFrames();
    play_.EndDragIfActive();
    WriteHistoryLine();
}

} // namespace fenx
