// The placement hint shown while the right button is held on a block (while
// play's mode holds it).
#pragma once

#include <cstdint>

namespace fenx {

struct HintState {
    int32_t block = 0; // the block the right button was pressed on
    int32_t tick = 0;  // hint frames drawn since the press; odd ones show the places
};

} // namespace fenx
