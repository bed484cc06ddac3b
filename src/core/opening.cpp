#include "core/opening.h"

namespace fenx {

void ScatterOpeningPositions(ProcessRandom& random, BlockList& list, int width) {
    for (int i = 0; i < list.count; ++i) {
        Block& b = list[i];
        b.openingX = NextProcessRandom(random) % (32 * width) - 16 * (width / 2);
        b.openingY = NextProcessRandom(random) % (64 * width) - 16 * width;
    }
}

} // namespace fenx
