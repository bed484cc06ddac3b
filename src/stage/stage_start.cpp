// Starting a stage, and the title screen.
#include <array>
#include <cstdio>

#include "core/opening.h"
#include "core/stage_build.h"
#include "selection/challenge_table.h"
#include "stage/game_impl.h"
#include "stage/settings.h"
#include "stage/stage_number.h"

namespace fenx {
namespace {

FixedBlocks FixedBlocksOf(const GameState& state) {
    if (state.challengeActive == 0) {
        return {};
    }
    const ChallengeEntry& row = ChallengeTable[static_cast<std::size_t>(state.currentChallenge)];
    return {row.fixedA, row.fixedB};
}

} // namespace

void GameImpl::StartStage(int32_t number) {
    AppendHistoryLine(record, platform);

    // Whatever was held or hinted belongs to the stage being left.
    drag.active = 0;
    drag.tick = -1;
    hint.active = 0;

    const int32_t n = ReduceStageNumber(number);
    state.currentStageNumber = n;
    const bool challenge = state.challengeActive != 0;
    BeginStageRecord(record, state.W, state.H, n, challenge, platform.CalendarSeconds());
    if (challenge) {
        platform.SetWindowTitle(
            ChallengeTable[static_cast<std::size_t>(state.currentChallenge)].name);
    } else {
        Notify({GameChange::StageNumber, n});
        std::array<char, 32> title{};
        const int length = std::snprintf(title.data(), title.size(), " %d 面", static_cast<int>(n));
        platform.SetWindowTitle({title.data(), static_cast<std::size_t>(length)});
    }

    BuildStage(stageRandom, board, blocks, state.W, state.H, n, FixedBlocksOf(state));
    SelectBackgroundTile();

    state.gamePhase = PhaseOpening;
    ScatterOpeningPositions(processRandom, blocks, state.W);
    state.openingStep = kOpeningSteps;
    DrawOpeningPicture();
    PresentWholeSurface();
    PlayEffect(SoundId::Slide);
}

void GameImpl::ChangeStage(StageSize size, int32_t number) {
    if (number < 0) {
        number = NewRandomStageNumber();
    }
    if (size == StageSize{state.W, state.H}) {
        StartStage(number);
        return;
    }
    platform.WriteSetting(kWidthKey, SettingText(size.width).view());
    platform.WriteSetting(kHeightKey, SettingText(size.height).view());
    state.W = size.width;
    state.H = size.height;
    SelectBackgroundTile();
    Notify({GameChange::MenuState});
    Notify({GameChange::StageSize, state.W, state.H});
    canvas.CreateSurfaces(state.W, state.H);
    platform.ResizeClientArea(state.clientWidth(), state.clientHeight());
    StartStage(number);
}

int32_t GameImpl::NewRandomStageNumber() {
    const int64_t seconds = platform.CalendarSeconds();
    const int draw = NextProcessRandom(processRandom);
    return MixRandomStageNumber(seconds, draw, state.currentStageNumber);
}

void GameImpl::ShowTitle() {
    platform.SetWindowTitle(kTitleScreenCaption);
    state.gamePhase = PhaseTitle;
    canvas.DrawTitlePicture();
}

void GameImpl::ApplyStageSize(StageSize size) {
    platform.WriteSetting(kWidthKey, SettingText(size.width).view());
    platform.WriteSetting(kHeightKey, SettingText(size.height).view());
    state.W = size.width;
    state.H = size.height;
    SelectBackgroundTile();
}

void GameImpl::SelectBackgroundTile() {
    canvas.SelectBackgroundTile(platform.ToLocalTime(platform.CalendarSeconds()).hour);
}

void GameImpl::PresentWholeSurface() {
    platform.PresentSurface({0, 0, state.clientWidth(), state.clientHeight()});
}

void GameImpl::PlayEffect(SoundId sound) {
    if (soundEnabled) {
        platform.PlaySound(sound);
    }
}

} // namespace fenx
