// The stage as play sees it, and what play asks of the stage control.
#include "stage/game_impl.h"

namespace fenx {

GameImpl::GameImpl(Platform& platform, const SpriteSheet& sheet)
    : platform_(platform), canvas_(sheet),
      play_({state_, stage_.board, stage_.blocks, stage_.random, canvas_}, *this) {}

void GameImpl::Present(SurfaceRect area) {
    platform_.PresentSurface(area);
}

void GameImpl::PlayEffect(SoundId sound) {
    if (soundEnabled_) {
        platform_.PlaySound(sound);
    }
}

uint32_t GameImpl::Milliseconds() {
    return platform_.Milliseconds();
}

bool GameImpl::CursorInsideWindow() {
    return platform_.CursorInsideWindow();
}

void GameImpl::StageSolved() {
    if (state_.challengeActive != 0) {
        MarkChallengeSolved();
    }
    MarkStageSolved(record_, platform_.CalendarSeconds());
}

void GameImpl::TitleClicked() {
    StartStage(NewRandomStageNumber());
}

} // namespace fenx
