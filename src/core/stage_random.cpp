#include "core/stage_random.h"

namespace fenx {

void RefillStageRandom(StageRandom& random) {
    auto& t = random.table;
    // The second pass reads entries that the first pass, and its own earlier
    // steps, have already replaced.
    for (int i = 0; i < 24; ++i) {
        t[i] = static_cast<uint16_t>(t[i] - t[i + 31]);
    }
    for (int i = 24; i < kStageRandomSize; ++i) {
        t[i] = static_cast<uint16_t>(t[i] - t[i - 24]);
    }
}

void SeedStageRandom(StageRandom& random, uint32_t seed) {
    auto& t = random.table;
    const uint16_t s = static_cast<uint16_t>(seed);
    t[54] = s;
    uint16_t j = s;
    uint16_t k = 1;
    for (int n = 1; n < kStageRandomSize; ++n) {
        const int p = (21 * n) % kStageRandomSize - 1;
        t[p] = k;
        k = static_cast<uint16_t>(j - k);
        j = t[p];
    }
    for (int i = 0; i < 3; ++i) {
        RefillStageRandom(random);
    }
    random.index = kStageRandomSize - 1;
    random.draws = 0;
}

} // namespace fenx
