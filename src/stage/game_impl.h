// Inside the Game: every piece of state a running game holds, and the
// operations of stage control and play on it. The stage-control operations
// live in src/stage, the play operations in src/play; all of them reach the
// world only through the Platform. Not part of the shell's interface: the
// shell uses Game. Tests reach in here to look at the state.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/block.h"
#include "core/board.h"
#include "core/stage_random.h"
#include "play/drag_state.h"
#include "play/frame_pacer.h"
#include "play/hint_state.h"
#include "play/solved_animation.h"
#include "presentation/canvas.h"
#include "selection/challenge_progress.h"
#include "selection/stage_record.h"
#include "stage/game.h"
#include "stage/game_change.h"
#include "stage/game_state.h"
#include "stage/platform.h"

namespace fenx {

inline constexpr std::string_view kTitleScreenCaption = "ＤＯＤＩ";

class GameImpl {
  public:
    GameImpl(Platform& platform, const SpriteSheet& sheet);

    // --- Start-up and shutdown (stage/startup.cpp) ----------------------
    void StartUp();
    void ShowTitleScreen();
    void PlayStartJingle();
    void ShutDown();

    // --- Stage control (stage/stage_start.cpp) ---------------------------
    // Starts stage `number` mod 65536 at the current size.
    void StartStage(int32_t number);
    // Starts a stage at `size`, changing the size first when it differs;
    // a negative number asks for a new random one.
    void ChangeStage(StageSize size, int32_t number);
    int32_t NewRandomStageNumber();
    // The title screen in the surface; the caller presents it.
    void ShowTitle();
    // The size read at start-up: written back, taken, background chosen.
    void ApplyStageSize(StageSize size);
    void SelectBackgroundTile();

    // --- Challenges (stage/challenge.cpp) ---------------------------------
    void StartChallenge(int row);
    void MarkChallengeSolved();

    // --- Menu (stage/commands.cpp) ------------------------------------------
    CommandEffect OnCommand(int id);
    MenuState GetMenuState() const;
    void SetDragDisplayMode(int32_t mode);
    void SetDialogOpen(DialogKind dialog, bool open);

    // --- Dragging (play/drag.cpp, play/step.cpp, play/drag_drawing.cpp) ---
    void OnLeftButtonDown(int x, int y);
    void OnMouseMove(int x, int y, bool leftButton, bool rightButton);
    void OnLeftButtonUp();
    // Walks the held block toward the field cell under client pixel (x, y).
    void DragTo(int x, int y);
    // Moves `block` by (dx, dy) when the rule allows it; false changes nothing.
    bool TryStep(int block, int dx, int dy);
    void EndDrag();
    void DragTick();
    void DrawDraggedBlock(int dx, int dy);

    // --- Solved stage (play/solved.cpp) -------------------------------------
    void EnterSolved();
    int SolvedFrame();

    // --- Play timer (play/frame_dispatch.cpp, play/opening.cpp) -----------
    std::optional<uint32_t> OnPlayTimer();
    std::optional<uint32_t> OnPacedFrame();
    int PlayFrame();
    void OpeningFrame();
    // The fly-in picture for the current openingStep, not yet presented.
    void DrawOpeningPicture();

    void PresentWholeSurface();
    // Tells the shell, when it listens.
    void Notify(const GameChange& change) {
        if (listener) {
            listener(change);
        }
    }
    // Plays a sound when sound is switched on.
    void PlayEffect(SoundId sound);

    Platform& platform;
    GameState state;
    Board board;
    BlockList blocks;
    StageRandom stageRandom;
    ProcessRandom processRandom; // state 1 at construction, never reseeded
    Canvas canvas;
    DragState drag;
    HintState hint;
    SolvedAnimation solved;
    StageRecord record;
    ChallengeProgress progress;
    FramePacer pacer;
    int32_t dragDisplayMode = 0; // as stored; values outside 0..2 draw plainly
    bool soundEnabled = true;
    std::array<bool, 5> dialogOpen{}; // by DialogKind
    GameChangeListener listener;
};

} // namespace fenx
