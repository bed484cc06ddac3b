// A test's view into a Game: read-only looks at the stage and at play, and
// the few hand-made set-ups the tests start from. The game itself is driven
// through its own interface.
#pragma once

#include "stage/game.h"

namespace fenx {

class GameProbe {
  public:
    // --- Looks -----------------------------------------------------------------
    static const GameState& State(const Game& game) { return game.state_; }
    static const BuiltStage& Stage(const Game& game) { return game.stage_; }
    static const Canvas& CanvasOf(const Game& game) { return game.canvas_; }
    static const StageRecord& Record(const Game& game) { return game.record_; }
    static const Play& PlayOf(const Game& game) { return game.play_; }

    // --- Set-ups -------------------------------------------------------------
    static Board& EditBoard(Game& game) { return game.stage_.board; }
    static BlockList& EditBlocks(Game& game) { return game.stage_.blocks; }
    static GameState& EditState(Game& game) { return game.state_; }
    static Play& PlayOf(Game& game) { return game.play_; }
    static void StartStage(Game& game, int number) { game.StartStage(number); }
    static int32_t NewRandomStageNumber(Game& game) { return game.NewRandomStageNumber(); }
};

namespace testing {

// What tests look at, under the names the game gives them.
struct GameView {
    explicit GameView(const Game& game)
        : state(GameProbe::State(game)), board(GameProbe::Stage(game).board),
          blocks(GameProbe::Stage(game).blocks), canvas(GameProbe::CanvasOf(game)),
          record(GameProbe::Record(game)), play(GameProbe::PlayOf(game)), drag(play.drag()),
          hint(play.hint()), solved(play.solved()) {}

    // What the buttons hold or the next move shows.
    PlayMode mode() const { return play.mode(); }
    bool holding() const { return HoldsBlock(play.mode()); }
    bool hinting() const { return HoldsHint(play.mode()); }
    bool carryingByKeys() const { return holding() && drag.hand == DragHand::Keys; }
    const MoveHistory& history() const { return play.history(); }
    const KeyCursor& keyCursor() const { return play.keyCursor(); }

    const GameState& state;
    const Board& board;
    const BlockList& blocks;
    const Canvas& canvas;
    const StageRecord& record;
    const Play& play;
    const DragState& drag;
    const HintState& hint;
    const SolvedAnimation& solved;
};

} // namespace testing
} // namespace fenx
