// What the game tells the window shell about itself, so that menus and open
// dialogs can follow it. One notification carries every kind of change; the
// shell turns them into whatever its widgets listen to.
#pragma once

#include <functional>

namespace fenx {

struct GameChange {
    enum Kind {
        MenuMarks,       // the menu's check marks may differ now
        StageNumber,     // an ordinary stage has started: `value` is its number
        StageSize,       // the stage size has changed: `value` is width, `value2` height
        ChallengeSolved, // challenge row `value` has been solved for the first time
    };
    Kind kind = MenuMarks;
    int value = 0;
    int value2 = 0;
    bool operator==(const GameChange&) const = default;
};

using GameChangeListener = std::function<void(const GameChange&)>;

} // namespace fenx
