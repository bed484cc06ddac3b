// The play-out: the rest of a solution played on the field as the game's
// own moves. Each drag picks its block up at its press cell and walks the
// grab cell through its cursor cells by the step rule, one step at a
// steady pace, with a pause between drags; every drag made is a move of
// the history.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/board.h"

namespace fenx {

inline constexpr uint32_t kPlayOutStepMilliseconds = 125;  // about 8 steps a second
inline constexpr uint32_t kPlayOutPauseMilliseconds = 400; // between two drags

struct PlayOutDrag {
    int16_t block = 0;
    Cell press{0, 0};         // the cell of the block picked up
    std::vector<Cell> cursor; // the cells the grab cell walks to, in order
};

struct PlayOutState {
    std::vector<PlayOutDrag> drags;
    std::size_t drag = 0;   // the drag under way or next
    std::size_t cursor = 0; // its cursor cell walked to now
    bool lifted = false;    // the drag's block is held
    uint32_t due = 0;       // the clock reading of the next step or pick-up
    uint32_t liftedAt = 0;  // when the block was picked up: its drag look's ticks
};

} // namespace fenx
