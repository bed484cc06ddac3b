// The keys of play in the main window: which key press is which PlayKey.
// The window hands them to the game before anything else sees them, so none
// reaches the menu; Alt with a letter is no play key and opens the menu as
// before.
#pragma once

#include <Qt>

#include <optional>

#include "play/play_key.h"

namespace fenx {

// Ctrl+Z undo; Ctrl+Shift+Z and Ctrl+Y redo; F5 restart; the arrows (also
// on the keypad); Home, Page Up, End, Page Down and the keypad's 7, 9, 1, 3
// the diagonals; Space, Return and Enter pick up or put down; Escape puts
// down. Anything else, and these keys with other modifiers, is none.
std::optional<PlayKey> PlayKeyOf(int key, Qt::KeyboardModifiers modifiers);

} // namespace fenx
