// The keys of play, as the shells hand them to the game; each shell maps
// its own key codes to these.
#pragma once

#include <cstdint>

namespace fenx {

enum class PlayKey : uint8_t {
    // The cursor one cell, or the carried block one step: the arrows, and
    // Home, Page Up, End, Page Down (keypad 7, 9, 1, 3) for the diagonals.
    Left,
    Right,
    Up,
    Down,
    UpLeft,
    UpRight,
    DownLeft,
    DownRight,
    PickUpOrPutDown, // Space, Return: pick up the block under the cursor, or put it down
    PutDown,         // Escape: put the carried block down
    Undo,            // Ctrl+Z: the last move put back
    Redo,            // Ctrl+Shift+Z, Ctrl+Y: the last move undone made again
    Restart,         // F5: every block back where the stage began, as one move
};

// Whether a key held down acts again on each of its auto-repeats: the
// arrows keep stepping and Ctrl+Z keeps taking moves back, but a held
// pick-up key picks up or puts down only once.
constexpr bool ActsOnRepeat(PlayKey key) {
    return key != PlayKey::PickUpOrPutDown;
}

} // namespace fenx
