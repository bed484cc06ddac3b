// The first pending draw whose pick fits, found eight draws at a time: the
// eight tests run side by side, so the branch that ends the search is mostly
// taken the first time it is reached. The end pick past the table never fits.
//
// Internal linkage on purpose: each generator path compiles this for its own
// processor (tiling_paths.h), and copies of one inline function built for
// different processors must not be merged.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/draw_picks.h"
#include "core/stage_random.h"

namespace fenx {
namespace {

inline int ScanEightDrawsAtATime(const TablePicks& picks, int from, uint32_t fitting) {
    for (; from < kStageRandomSize; from += 8) {
        const uint8_t* p = picks.pick.data() + from;
        uint32_t hits = 0;
        for (int k = 0; k < 8; ++k) {
            hits |= ((fitting >> p[k]) & 1u) << k;
        }
        if (hits != 0) {
            return from + std::countr_zero(hits);
        }
    }
    return kStageRandomSize;
}

inline void ReadPicksOneByOne(const StageRandom& random, TablePicks& picks) {
    for (int i = 0; i < kStageRandomSize; ++i) {
        picks.pick[static_cast<std::size_t>(i)] =
            static_cast<uint8_t>(random.table[static_cast<std::size_t>(i)] % kPickCount);
    }
}

// The draw side of a path that reads the picks of a table one by one and
// scans them eight at a time.
struct EightAtATimeDraws {
    static void ReadPicks(const StageRandom& random, TablePicks& picks) {
        ReadPicksOneByOne(random, picks);
    }

    static void Regenerate(StageRandom& random, TablePicks& picks) {
        RefillStageRandom(random);
        ReadPicksOneByOne(random, picks);
    }

    static int FirstFitting(const TablePicks& picks, int from, uint32_t fitting) {
        return ScanEightDrawsAtATime(picks, from, fitting);
    }
};

} // namespace
} // namespace fenx
