// Starting a stage, and the title screen.
#include <array>
#include <cstdio>

#include "core/opening.h"
#include "core/stage_build.h"
#include "core/stage_number.h"
#include "selection/challenge_table.h"
#include "stage/game.h"
#include "stage/random_stage_number.h"
#include "stage/settings.h"

namespace fenx {
namespace {

FixedBlocks FixedBlocksOf(const GameState& state_) {
    if (!state_.challengeActive) {
        return {};
    }
    const ChallengeEntry& row = ChallengeTable[static_cast<std::size_t>(state_.currentChallenge)];
    return {row.fixedA, row.fixedB};
}

} // namespace

void Game::StartStage(int32_t number) {
    WriteHistoryLine();
    play_.Reset();

    const int32_t n = ReduceStageNumber(number);
    state_.currentStageNumber = n;
    const bool challenge = state_.challengeActive;
    BeginStageRecord(record_, state_.W, state_.H, n, challenge, platform_.CalendarSeconds());
    if (challenge) {
        platform_.SetWindowTitle(
            ChallengeTable[static_cast<std::size_t>(state_.currentChallenge)].name);
    } else {
        Notify({GameChange::StageNumber, n});
        std::array<char, 32> title{};
        const int length = std::snprintf(title.data(), title.size(), " %d 面", static_cast<int>(n));
        platform_.SetWindowTitle({title.data(), static_cast<std::size_t>(length)});
    }

    BuildStage(stage_, state_.W, state_.H, n, FixedBlocksOf(state_));
    SelectBackgroundTile();

    state_.gamePhase = PhaseOpening;
    ScatterOpeningPositions(processRandom_, stage_.blocks, state_.W);
    state_.openingStep = kOpeningSteps;
    play_.DrawOpeningPicture();
    PresentWholeSurface();
    PlayEffect(SoundId::Slide);
}

void Game::ChangeStage(StageSize size, int32_t number) {
    if (number < 0) {
        number = NewRandomStageNumber();
    }
    if (size == StageSize{state_.W, state_.H}) {
        StartStage(number);
        return;
    }
    WriteStageSize(size);
    state_.W = size.width;
    state_.H = size.height;
    SelectBackgroundTile();
    Notify({GameChange::MenuMarks});
    Notify({GameChange::StageSize, state_.W, state_.H});
    canvas_.CreateSurfaces(state_.W, state_.H);
    platform_.ResizeClientArea(state_.clientWidth(), state_.clientHeight());
    StartStage(number);
}

int32_t Game::NewRandomStageNumber() {
    const int64_t seconds = platform_.CalendarSeconds();
    const int draw = NextProcessRandom(processRandom_);
    return MixRandomStageNumber(seconds, draw, state_.currentStageNumber);
}

void Game::WriteStageSize(StageSize size) {
    // Both in one write: a crash between two would keep half of the size.
    const SettingText width(size.width);
    const SettingText height(size.height);
    const SettingValue values[] = {{kWidthKey, width.view()}, {kHeightKey, height.view()}};
    platform_.WriteSettings(values);
}

void Game::ApplyStageSize(StageSize size) {
    WriteStageSize(size);
    state_.W = size.width;
    state_.H = size.height;
    SelectBackgroundTile();
}

void Game::SelectBackgroundTile() {
    canvas_.SelectBackgroundTile(platform_.ToLocalTime(platform_.CalendarSeconds()).hour);
}

void Game::HideChallengeStageNumber() {
    if (state_.challengeActive) {
        state_.currentStageNumber = 0;
    }
}

void Game::WriteHistoryLine() {
    // The record stays as it is; the next stage start replaces it.
    if (HistoryLineDue(record_)) {
        platform_.AppendHistoryLine(
            RecordLine(record_, platform_.ToLocalTime(record_.time)).Text());
    }
}

void Game::PresentWholeSurface() {
    platform_.PresentSurface({0, 0, state_.clientWidth(), state_.clientHeight()});
}

} // namespace fenx
