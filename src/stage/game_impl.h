// Inside the Game: the stage in play and everything the stage control keeps
// about it, and the Play that acts on that stage. The stage control reaches
// the world only through the Platform and tells the shell of changes through
// the listener. Not part of the shell's interface: the shell uses Game.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/block.h"
#include "core/board.h"
#include "core/stage_build.h"
#include "core/stage_random.h"
#include "core/stage_size.h"
#include "play/game_state.h"
#include "play/play.h"
#include "play/play_host.h"
#include "presentation/canvas.h"
#include "selection/challenge_progress.h"
#include "selection/stage_record.h"
#include "stage/game.h"
#include "stage/game_change.h"
#include "stage/platform.h"

namespace fenx {

inline constexpr std::string_view kTitleScreenCaption = "ＤＯＤＩ";

class GameImpl final : private PlayHost {
  public:
    GameImpl(Platform& platform, const SpriteSheet& sheet);

    // --- Start-up and shutdown (startup.cpp) --------------------------------
    void StartUp();
    void ShowTitleScreen();
    void PlayStartJingle();
    void ShutDown();

    // --- Stage control (stage_start.cpp) -------------------------------------
    // Starts stage `number` mod 65536 at the current size.
    void StartStage(int32_t number);
    // Starts a stage at `size`, changing the size first when it differs;
    // a negative number asks for a new random one.
    void ChangeStage(StageSize size, int32_t number);
    int32_t NewRandomStageNumber();
    // The title screen in the surface; the caller presents it.
    void ShowTitle();
    void ClearChallengeFlag() { state_.challengeActive = 0; }
    void HideChallengeStageNumber();

    // --- Challenges (challenge.cpp) --------------------------------------------
    void StartChallenge(int row);

    // --- Menu (commands.cpp) -----------------------------------------------------
    CommandEffect OnCommand(int id);
    MenuState GetMenuState() const;
    void SetDialogOpen(DialogKind dialog, bool open);

    void SetChangeListener(GameChangeListener listener) { listener_ = std::move(listener); }

    Play& play() { return play_; }
    const Play& play() const { return play_; }
    const GameState& state() const { return state_; }
    const Board& board() const { return stage_.board; }
    const BlockList& blocks() const { return stage_.blocks; }
    const Canvas& canvas() const { return canvas_; }
    const StageRecord& record() const { return record_; }
    const ChallengeProgress& progress() const { return progress_; }
    bool soundEnabled() const { return soundEnabled_; }

  private:
    friend class GameProbe; // tests set up positions through it

    // The size read at start-up: written back, taken, background chosen.
    void ApplyStageSize(StageSize size);
    void WriteStageSize(StageSize size);
    void SelectBackgroundTile();
    void SetDragDisplayMode(int32_t mode);
    void MarkChallengeSolved();
    // Writes the solved rows merged with those stored, and takes the merge.
    void StoreChallengeProgress();
    void WriteHistoryLine();
    void PresentWholeSurface();
    void Notify(const GameChange& change) {
        if (listener_) {
            listener_(change);
        }
    }

    // PlayHost
    void Present(SurfaceRect area) override;
    void PlayEffect(SoundId sound) override;
    uint32_t Milliseconds() override;
    bool CursorInsideWindow() override;
    void StageSolved() override;
    void TitleClicked() override;

    Platform& platform_;
    GameState state_;
    BuiltStage stage_;
    ProcessRandom processRandom_; // state 1 at construction, never reseeded
    Canvas canvas_;
    StageRecord record_;
    ChallengeProgress progress_;
    bool soundEnabled_ = true;
    std::array<bool, 5> dialogOpen_{}; // by DialogKind
    GameChangeListener listener_;
    Play play_; // last: it acts on the members above
};

} // namespace fenx
