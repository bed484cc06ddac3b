// The keyboard cursor: one cell of the field that the keys move, pick a
// block up from, and carry a block with. It is shown from the first play key
// after a stage start or after the mouse moved, and hidden again as soon as
// the mouse moves over the window or a button is pressed; while hidden the
// picture is exactly the one mouse play shows. It stays where it is while
// the mouse is used.
#pragma once

#include "core/board.h"

namespace fenx {

struct KeyCursor {
    Cell cell{0, 0};
    bool shown = false;
};

// What a cursor starts as on a stage of `height` rows: hidden, on the
// field's bottom-left cell.
constexpr KeyCursor StartingKeyCursor(int height) {
    return {{0, 2 * height - 1}, false};
}

} // namespace fenx
