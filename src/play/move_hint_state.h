// The next-move hint: the block to move blinks and the place where the drag
// will leave it shows as dotted outline tiles, until a mouse button, the
// hint key again or three seconds end it.
#pragma once

#include <cstdint>

namespace fenx {

inline constexpr uint32_t kMoveHintMilliseconds = 3000;

struct MoveHintState {
    int32_t active = 0;
    int32_t block = 0;
    int32_t column = 0; // anchor cell after the drag
    int32_t row = 0;
    int32_t tick = 0; // frames drawn since it was shown
    uint32_t shownAt = 0;
};

} // namespace fenx
