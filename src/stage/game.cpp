#include "stage/game.h"

#include <utility>

#include "core/stage_size.h"
#include "selection/challenge_table.h"
#include "stage/game_impl.h"

namespace fenx {

Game::Game(Platform& platform, const SpriteSheet& sheet)
    : impl_(std::make_unique<GameImpl>(platform, sheet)) {}

Game::~Game() = default;

void Game::SetChangeListener(GameChangeListener listener) {
    impl_->SetChangeListener(std::move(listener));
}

void Game::StartUp() {
    impl_->StartUp();
}
void Game::ShowTitleScreen() {
    impl_->ShowTitleScreen();
}
void Game::PlayStartJingle() {
    impl_->PlayStartJingle();
}
void Game::ShutDown() {
    impl_->ShutDown();
}

PixelSize Game::ClientSize() const {
    return fenx::ClientSize(impl_->state().W, impl_->state().H);
}
const OffscreenSurface& Game::Surface() const {
    return impl_->canvas().surface();
}
const ColourTable& Game::Colours() const {
    return impl_->canvas().colourTable();
}

void Game::OnLeftButtonDown(int x, int y) {
    impl_->play().OnLeftButtonDown(x, y);
}
void Game::OnLeftButtonUp() {
    impl_->play().OnLeftButtonUp();
}
void Game::OnMouseMove(int x, int y, bool leftButton, bool rightButton) {
    impl_->play().OnMouseMove(x, y, leftButton, rightButton);
}
void Game::OnRightButtonDown(int x, int y) {
    impl_->play().OnRightButtonDown(x, y);
}
void Game::OnRightButtonUp() {
    impl_->play().OnRightButtonUp();
}

std::optional<uint32_t> Game::OnPlayTimer() {
    return impl_->play().OnPlayTimer();
}
std::optional<uint32_t> Game::OnPacedFrame() {
    return impl_->play().OnPacedFrame();
}

CommandEffect Game::OnCommand(int id) {
    return impl_->OnCommand(id);
}
MenuMarks Game::GetMenuMarks() const {
    return impl_->GetMenuMarks();
}

void Game::StartChallenge(int row) {
    if (row >= 0 && row < kChallengeCount) {
        impl_->StartChallenge(row);
    }
}

void Game::StartStageNumber(int number) {
    impl_->ClearChallengeFlag();
    impl_->StartStage(number);
}

void Game::StartStageOfSize(int width, int height, int number) {
    if (!IsValidStageSize(width, height)) {
        return;
    }
    impl_->ClearChallengeFlag();
    impl_->ChangeStage({width, height}, number);
}

void Game::HideChallengeStageNumber() {
    impl_->HideChallengeStageNumber();
}

int Game::StageWidth() const {
    return impl_->state().W;
}
int Game::StageHeight() const {
    return impl_->state().H;
}
int Game::CurrentStageNumber() const {
    return impl_->state().currentStageNumber;
}
bool Game::ChallengeSolved(int row) const {
    return row >= 0 && row < kProgressFlagCount && impl_->progress().solved(row);
}
bool Game::ChallengeActive() const {
    return impl_->state().challengeActive != 0;
}
bool Game::SoundEnabled() const {
    return impl_->soundEnabled();
}
std::optional<Game::NextMoveQuestion> Game::AskNextMove() const {
    const Play& play = impl_->play();
    if (!play.MoveHintAllowed()) {
        return std::nullopt;
    }
    return NextMoveQuestion{play.position(), impl_->state().W, impl_->state().H, impl_->blocks()};
}

bool Game::ShowNextMove(uint32_t position, int block, int column, int row) {
    return impl_->play().ShowMoveHint(position, block, column, row);
}

bool Game::NextMoveShowing() const {
    return impl_->play().moveHint().active != 0;
}

void Game::EndNextMove() {
    impl_->play().EndMoveHint();
}

GamePhase Game::Phase() const {
    return impl_->state().gamePhase;
}

const ShapeGallery& Game::Gallery() const {
    return impl_->canvas().gallery();
}

} // namespace fenx
