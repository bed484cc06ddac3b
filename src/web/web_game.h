// The page's game: one Game on the browser's platform, with the sprite
// sheet the page fetched, and the H key's plan follower. The page calls it
// for every input, tick and menu command; the plans themselves are made in
// a worker (see next_move_plan.h) and handed back here.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "solver/plan_follower.h"
#include "stage/game.h"
#include "stage/menu_commands.h"
#include "web/web_platform.h"

namespace fenx {

// What the H key did.
enum class NextMoveRequest {
    Nothing = 0,    // no ordinary stage in play, or a block is held
    Shown = 1,      // the next drag of the plan being followed shows
    PlanNeeded = 2, // plan from Question(); hand the plan to PlanArrived
};

class WebGame {
  public:
    // `sheet` holds the bytes of the sprite sheet file. A sheet the engine
    // does not accept leaves the game unmade: Ready() is false.
    explicit WebGame(std::string sheet);

    bool Ready() const { return game_ != nullptr; }
    Game& game() { return *game_; }
    const Game& game() const { return *game_; }

    // The size a link asks for becomes the stored size, as if the player
    // had chosen it, so that StartUp takes it; false, storing nothing, for
    // a size that is no stage size. Call before StartUp.
    bool StoreLinkedSize(int width, int height);

    // Which dialogs the page has open: the menu grays their items.
    void SetDialogOpen(DialogKind kind, bool open) { openDialogs_.Set(kind, open); }
    MenuState Menu() const { return ShownMenu(game_->GetMenuMarks(), openDialogs_); }

    NextMoveRequest RequestNextMove();
    // The position to plan from after PlanNeeded.
    const std::optional<Game::NextMoveQuestion>& Question() const { return question_; }
    // A plan made from `start` for the position `position`: its first drag
    // shows if the position is still the one asked about.
    void PlanArrived(uint32_t position, const BlockList& start, DragPlan plan);

  private:
    void Show(uint32_t position, int drag);

    std::string sheetBytes_; // the sheet views these bytes
    std::optional<SpriteSheet> sheet_;
    WebPlatform platform_;
    std::unique_ptr<Game> game_;
    OpenDialogs openDialogs_;
    PlanFollower follower_;
    std::optional<Game::NextMoveQuestion> question_;
};

} // namespace fenx
