// The page's game: one Game on the browser's platform, with the sprite
// sheet the page fetched, and the H key's next move. The page calls it for
// every input, tick and menu command; the plans themselves are made in the
// page's worker and handed back to the next move here.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "next_move/next_move.h"
#include "stage/game.h"
#include "stage/menu_commands.h"
#include "web/web_platform.h"

namespace fenx {

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

    // The H key; null until the game is made.
    NextMove* nextMove() { return nextMove_.get(); }

  private:
    std::string sheetBytes_; // the sheet views these bytes
    std::optional<SpriteSheet> sheet_;
    WebPlatform platform_;
    std::unique_ptr<Game> game_;
    OpenDialogs openDialogs_;
    std::unique_ptr<NextMove> nextMove_;
};

} // namespace fenx
