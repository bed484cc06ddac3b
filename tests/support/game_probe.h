// A test's view into a Game: read-only looks at the stage and at play, and
// the few hand-made set-ups the tests start from. The game itself is driven
// through its own interface.
#pragma once

#include "stage/game.h"
#include "stage/game_impl.h"

namespace fenx {

class GameProbe {
  public:
    static const GameImpl& Of(const Game& game) { return *game.impl_; }

    // --- Set-ups -------------------------------------------------------------
    static Board& EditBoard(Game& game) { return game.impl_->stage_.board; }
    static BlockList& EditBlocks(Game& game) { return game.impl_->stage_.blocks; }
    static GameState& EditState(Game& game) { return game.impl_->state_; }
    static Play& PlayOf(Game& game) { return game.impl_->play_; }
    static void StartStage(Game& game, int number) { game.impl_->StartStage(number); }
    static int32_t NewRandomStageNumber(Game& game) { return game.impl_->NewRandomStageNumber(); }
};

namespace testing {

// What tests look at, under the names the game gives them.
struct GameView {
    explicit GameView(const Game& game)
        : state(GameProbe::Of(game).state()), board(GameProbe::Of(game).board()),
          blocks(GameProbe::Of(game).blocks()), canvas(GameProbe::Of(game).canvas()),
          record(GameProbe::Of(game).record()), drag(GameProbe::Of(game).play().drag()),
          hint(GameProbe::Of(game).play().hint()), solved(GameProbe::Of(game).play().solved()) {}

    const GameState& state;
    const Board& board;
    const BlockList& blocks;
    const Canvas& canvas;
    const StageRecord& record;
    const DragState& drag;
    const HintState& hint;
    const SolvedAnimation& solved;
};

} // namespace testing
} // namespace fenx
