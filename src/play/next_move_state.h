// The next move, shown while play's mode says so: the block to move blinks
// and the place where the drag will leave it shows as dotted outline tiles,
// until a mouse button, the next-move key again or three seconds end it.
#pragma once

#include <cstdint>

namespace fenx {

inline constexpr uint32_t kNextMoveMilliseconds = 3000;

struct NextMoveState {
    int32_t block = 0;
    int32_t column = 0; // anchor cell after the drag
    int32_t row = 0;
    int32_t tick = 0; // frames drawn since it was shown
    uint32_t shownAt = 0;
};

} // namespace fenx
