#include "core/stage_random.h"

namespace fenx {
namespace {

using Table = std::array<uint16_t, kStageRandomSize + 1>;

// Seeding step by step: the scatter of (21 n) mod 55, then three
// regenerations, and the fourth that the first draw makes.
constexpr Table SeededTable(uint16_t s) {
    StageRandom random;
    Table& t = random.table;
    t[54] = s;
    uint16_t j = s;
    uint16_t k = 1;
    for (int n = 1; n < kStageRandomSize; ++n) {
        const int p = (21 * n) % kStageRandomSize - 1;
        t[p] = k;
        k = static_cast<uint16_t>(j - k);
        j = t[p];
    }
    for (int i = 0; i < 4; ++i) {
        RefillStageRandom(random);
    }
    return t;
}

// Every step of the seeding only adds and subtracts entries, the seed and the
// constant 1, modulo 65536, so each entry of the seeded table is
// Slope[i] * s + Offset[i]: the table of seed 0 gives the offsets, that of
// seed 1 the slopes.
constexpr Table Offset = SeededTable(0);
constexpr Table Slope = [] {
    Table slope = SeededTable(1);
    for (int i = 0; i < kStageRandomSize; ++i) {
        slope[i] = static_cast<uint16_t>(slope[i] - Offset[i]);
    }
    return slope;
}();

} // namespace

void SeedStageRandom(StageRandom& random, uint32_t seed) {
    const uint32_t s = seed & 0xFFFFu;
    for (int i = 0; i < kStageRandomSize; ++i) {
        random.table[i] = static_cast<uint16_t>(uint32_t{Slope[i]} * s + Offset[i]);
    }
    random.index = -1;
    random.draws = 0;
}

} // namespace fenx
