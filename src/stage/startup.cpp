// What the game does when the program starts and when it ends.
#include "stage/game_impl.h"
#include "stage/settings.h"

namespace fenx {

void GameImpl::StartUp() {
    const int32_t width = ParseSettingInt(platform.ReadSetting(kWidthKey), kDefaultWidth);
    const int32_t height = ParseSettingInt(platform.ReadSetting(kHeightKey), kDefaultHeight);
    ApplyStageSize(CorrectStoredStageSize(width, height));
    record.width = state.W;
    record.height = state.H;

    dragDisplayMode = ParseSettingInt(platform.ReadSetting(kDragTypeKey), kDefaultDragType);
    progress = DecodeChallengeProgress(platform.ReadSetting(kChallengeKey).value_or(""));

    state.challengeActive = 0;
    drag.active = 0;
    record.status = ResultNoStage;

    canvas.CreateSurfaces(state.W, state.H);
    soundEnabled = ParseSettingInt(platform.ReadSetting(kSoundKey), kDefaultSound) != 0;
    Notify({GameChange::MenuState});
}

void GameImpl::ShowTitleScreen() {
    ShowTitle();
    PresentWholeSurface();
}

void GameImpl::PlayStartJingle() {
    PlayEffect(SoundId::Open);
}

void GameImpl::ShutDown() {
    pacer.Stop();
    if (drag.active != 0) {
        EndDrag();
    }
    AppendHistoryLine(record, platform);
}

} // namespace fenx
