// The game: one object that owns everything a running game holds (stage
// size and number, board, blocks, generators, drag, solved animation, the
// canvas it draws into, the settings it keeps) and talks to the outside only
// through a Platform. The application holds exactly one; tests hold as many
// as they like.
//
// The window shell forwards input, timer ticks and menu commands here and
// shows Surface() with Colours() whenever PresentSurface asks it to.
//
// Inside, the Game is the stage control: it starts stages, keeps the
// settings, the records and the challenge progress, and owns the Play that
// acts on the stage in play (startup.cpp, stage_start.cpp, challenge.cpp,
// commands.cpp, game.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/block.h"
#include "core/language.h"
#include "core/stage_build.h"
#include "core/stage_random.h"
#include "core/stage_size.h"
#include "play/game_state.h"
#include "play/play.h"
#include "play/play_host.h"
#include "presentation/canvas.h"
#include "presentation/colour_table.h"
#include "presentation/indexed_surface.h"
#include "presentation/sprite_sheet.h"
#include "selection/challenge_progress.h"
#include "selection/stage_record.h"
#include "stage/game_change.h"
#include "stage/menu_commands.h"
#include "stage/platform.h"

namespace fenx {

// What the shell must do after a menu command.
enum class CommandEffect {
    None,
    OpenHelp,              // 107: show the help window
    OpenAbout,             // 110: the about box (the game has played its jingle)
    Quit,                  // 111: close the main window, ending the program
    OpenSizeDialog,        // 105
    OpenStageNumberDialog, // 106
    OpenChallengeDialog,   // 113
    OpenSearchDialog,      // 118
    OpenHistoryDialog,     // 119
};

class Game final : private PlayHost {
  public:
    Game(Platform& platform, const SpriteSheet& sheet);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Who hears of changes the menu and the dialogs follow (one listener;
    // an empty one stops the notifications).
    void SetChangeListener(GameChangeListener listener) { listener_ = std::move(listener); }

    // Reads the settings (the stage size, clamped and written back at once;
    // the drag display mode; the challenge progress; the sound switch; the
    // language) and sets the game up for that size. A language the player
    // chose for this start replaces the stored one and is stored in its
    // place. The caller then creates its window with ClientSize() and
    // calls ShowTitleScreen().
    void StartUp(std::optional<Language> chosen = std::nullopt);
    // The title screen of a freshly started program: title "ＤＯＤＩ"
    // ("FENX" in English), the field with the logo, copied to the window.
    // No stage is started.
    void ShowTitleScreen();
    // The jingle played once the program has started, when sound is on.
    void PlayStartJingle();
    // The program is ending by any ordinary way: ends a drag and writes the
    // history line of the stage in play, if one is due. Call exactly once.
    void ShutDown();

    // Size of the window's client area, equal to the surface size.
    PixelSize ClientSize() const { return fenx::ClientSize(state_.W, state_.H); }
    // The picture to show: 8-bit pixels, rows top-down, stride = width.
    const OffscreenSurface& Surface() const { return canvas_.surface(); }
    const ColourTable& Colours() const { return canvas_.colourTable(); }

    // Mouse input in client pixels (x, y may lie outside the client area
    // while a button is held).
    void OnLeftButtonDown(int x, int y) { play_.OnLeftButtonDown(x, y); }
    void OnLeftButtonUp() { play_.OnLeftButtonUp(); }
    void OnMouseMove(int x, int y, bool leftButton, bool rightButton) {
        play_.OnMouseMove(x, y, leftButton, rightButton);
    }
    void OnRightButtonDown(int x, int y) { play_.OnRightButtonDown(x, y); }
    void OnRightButtonUp() { play_.OnRightButtonUp(); }

    // A key of play (PlayKey): the keyboard cursor and carry, undo, redo
    // and restart. Acted on only while a stage is played and no mouse button
    // holds anything; the menu never sees these keys.
    void OnKey(PlayKey key, bool autoRepeat) { play_.OnKey(key, autoRepeat); }
    // For whatever makes moves besides the player's hands: a carry of block
    // `block` from anchor `from` to anchor `to`, where it stands now, was
    // made; it becomes one move of the history, to be undone like any.
    // False, recording nothing, when the board does not agree.
    bool CarryMade(int block, Cell from, Cell to) { return play_.CarryMade(block, from, to); }

    // The play timer. Call OnPlayTimer every 100 ms, but only while the
    // application is active and no menu of the main window is open. It runs
    // the tick's first frame. When it returns a clock reading, the tick
    // wants more frames: call OnPacedFrame once Platform::Milliseconds() has
    // reached that reading (a single-shot timer), again while it returns
    // one, and while the application stays active with no menu open. A new
    // OnPlayTimer ends a sequence still pending. Nothing ever waits inside.
    std::optional<uint32_t> OnPlayTimer() { return play_.OnPlayTimer(); }
    std::optional<uint32_t> OnPacedFrame() { return play_.OnPacedFrame(); }

    // A menu command by id (MenuCommand). Ignored, Exit included, while the
    // blocks of a new stage fly in.
    CommandEffect OnCommand(int id);
    // The check marks the menu must show now (ShownMenu adds the items
    // the shell's open dialogs gray).
    MenuMarks GetMenuMarks() const;

    // Stage starts asked for by the dialogs. Unlike menu commands they are
    // not held back during the fly-in.
    // Challenge row 0..54 (ChallengeTable): sets the challenge flag, changes
    // the size first when the row's size differs.
    void StartChallenge(int row);
    // Stage `number` (mod 65536) at the current size; clears the challenge
    // flag. The stage-number dialog and the results of a stage search.
    void StartStageNumber(int number);
    // Stage `number` at width x height, changing the size first when it
    // differs; -1 asks for a new random number. Clears the challenge flag.
    // The size dialog (with -1) and the history dialog. A size that is not
    // a stage size is ignored.
    void StartStageOfSize(int width, int height, int number);

    // The stage-number dialog opens: during a challenge the current stage
    // number becomes 0, so the challenge's number is never shown, and a
    // random number drawn next adds 0 instead of it.
    void HideChallengeStageNumber();

    // What the dialogs show.
    int StageWidth() const { return state_.W; }
    int StageHeight() const { return state_.H; }
    // 0..65535; 0 before the first stage.
    int CurrentStageNumber() const { return state_.currentStageNumber; }
    bool ChallengeSolved(int row) const;
    // Another copy of the game may have solved challenge rows since this
    // one read them: they are taken from what is stored now (and the list
    // hears of each), without writing anything.
    void TakeStoredChallengeProgress();
    bool ChallengeActive() const { return state_.challengeActive; }
    bool SoundEnabled() const { return soundEnabled_; }
    // The language of the window titles and of everything the shell shows,
    // fixed at start-up.
    Language language() const { return language_; }
    GamePhase Phase() const { return state_.gamePhase; }

    // The next move. NextMoveQuestion gives the position to plan from
    // while an ordinary stage is played with no block held; the plan may
    // be made on another thread. ShowNextMove shows its first drag (block
    // `block` ending at anchor (column, row)) only if the position is still
    // the one asked about; any step in between drops it.
    struct NextMoveQuestion {
        uint32_t position = 0;
        int width = 0;
        int height = 0;
        BlockList blocks;
    };
    std::optional<NextMoveQuestion> AskNextMove() const;
    bool ShowNextMove(uint32_t position, int block, int column, int row);
    bool NextMoveShowing() const;
    void EndNextMove();

    // The play-out: `drags` played from the position `position` (a
    // NextMoveQuestion's) as the game's own moves, one step every 125 ms
    // on the play timer's frames, 400 ms between drags, until the stage is
    // solved. False, starting nothing, when the position has changed or no
    // next move could be asked now (also with the hint held). Any key or
    // press then only stops it, as StopPlayOut does: a drag part-way
    // becomes a move up to where its block stands.
    bool PlayOut(uint32_t position, std::vector<PlayOutDrag> drags) {
        return play_.StartPlayOut(position, std::move(drags));
    }
    bool PlayingOut() const { return play_.mode() == PlayMode::PlayingOut; }
    void StopPlayOut() { play_.StopPlayOut(); }

    // The nineteen orientations as the search dialog shows them; the same
    // colours as Surface(), Colours().
    const ShapeGallery& Gallery() const { return canvas_.gallery(); }

  private:
    friend class GameProbe; // a view for tests

    // --- Stage control (stage_start.cpp) ---------------------------------
    // Starts stage `number` mod 65536 at the current size.
    void StartStage(int32_t number);
    // Starts a stage at `size`, changing the size first when it differs;
    // a negative number asks for a new random one.
    void ChangeStage(StageSize size, int32_t number);
    int32_t NewRandomStageNumber();
    // The size read at start-up: written back, taken, background chosen.
    void ApplyStageSize(StageSize size);
    void WriteStageSize(StageSize size);
    void SelectBackgroundTile();
    void WriteHistoryLine();
    void PresentWholeSurface();

    void SetDragDisplayMode(int32_t mode); // commands.cpp
    void MarkChallengeSolved();            // challenge.cpp
    // Writes the solved rows merged with those stored, and takes the merge.
    void StoreChallengeProgress();
    // Takes the rows solved in `stored` that this game did not know of.
    void TakeSolvedRows(const ChallengeProgress& stored);
    void Notify(const GameChange& change) {
        if (listener_) {
            listener_(change);
        }
    }

    // PlayHost (game.cpp)
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
    Language language_ = Language::Japanese;
    GameChangeListener listener_;
    Play play_; // last: it acts on the members above
};

} // namespace fenx
