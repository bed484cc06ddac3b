// Where each block starts the opening fly-in.
#pragma once

#include "core/block.h"
#include "core/stage_random.h"

namespace fenx {

// Two draws per block in list order, x first. Both spans derive from the
// width, the vertical one too, so blocks may start well outside the window.
void ScatterOpeningPositions(ProcessRandom& random, BlockList& list, int width);

} // namespace fenx
