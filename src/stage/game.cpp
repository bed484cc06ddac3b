// The stage control's own answers: what the dialogs start and read, the
// next move, and what play asks of the stage around it.
#include "stage/game.h"

#include "core/stage_size.h"
#include "selection/challenge_table.h"

namespace fenx {

Game::Game(Platform& platform, const SpriteSheet& sheet)
    : platform_(platform), canvas_(sheet),
      play_({state_, stage_.board, stage_.blocks, stage_.random, canvas_}, *this) {}

void Game::StartStageNumber(int number) {
    state_.challengeActive = false;
    StartStage(number);
}

void Game::StartStageOfSize(int width, int height, int number) {
    if (!IsValidStageSize(width, height)) {
        return;
    }
    state_.challengeActive = false;
    ChangeStage({width, height}, number);
}

bool Game::ChallengeSolved(int row) const {
    return row >= 0 && row < kProgressFlagCount && progress_.solved(row);
}

std::optional<Game::NextMoveQuestion> Game::AskNextMove() const {
    if (!play_.NextMoveAllowed()) {
        return std::nullopt;
    }
    return NextMoveQuestion{play_.position(), state_.W, state_.H, stage_.blocks};
}

bool Game::ShowNextMove(uint32_t position, int block, int column, int row) {
    return play_.ShowNextMove(position, block, column, row);
}

bool Game::NextMoveShowing() const {
    return play_.mode() == PlayMode::ShowingNextMove;
}

void Game::EndNextMove() {
    play_.EndNextMove();
}

// --- PlayHost ----------------------------------------------------------------

void Game::Present(SurfaceRect area) {
    platform_.PresentSurface(area);
}

void Game::PlayEffect(SoundId sound) {
    if (soundEnabled_) {
        platform_.PlaySound(sound);
    }
}

uint32_t Game::Milliseconds() {
    return platform_.Milliseconds();
}

bool Game::CursorInsideWindow() {
    return platform_.CursorInsideWindow();
}

void Game::StageSolved() {
    if (state_.challengeActive) {
        MarkChallengeSolved();
    }
    MarkStageSolved(record_, platform_.CalendarSeconds());
}

void Game::TitleClicked() {
    StartStage(NewRandomStageNumber());
}

} // namespace fenx
