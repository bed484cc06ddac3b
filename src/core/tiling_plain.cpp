// The plain path: portable C++, for any 64-bit processor. The neighbourhood
// is gathered by four shifts; the draws are tested one after the other.
#include "core/tiling_paths.h"
#include "core/tiling_walk.h"

namespace fenx {
namespace {

struct PlainPath {
    // Side by side walks gain nothing here: the time goes to mispredicted
    // branches, which stop all of them alike.
    static constexpr int kInterleave = 2;

    static uint32_t FitIndex(uint64_t window, const TilingFrame& frame) {
        const int s = frame.stride;
        return static_cast<uint32_t>(((window >> 1) & 7) | (((window >> (s - 2)) & 31) << 3) |
                                     (((window >> (2 * s - 1)) & 7) << 8) |
                                     (((window >> (3 * s)) & 1) << 11));
    }

    static void ReadPicks(const StageRandom& random, TablePicks& picks) {
        for (int i = 0; i < kStageRandomSize; ++i) {
            picks.pick[static_cast<std::size_t>(i)] =
                static_cast<uint8_t>(random.table[static_cast<std::size_t>(i)] % kPickCount);
        }
    }

    // Eight draws at a time, tested side by side, so that the branch that
    // ends the search is mostly taken the first time. The end pick past the
    // table never fits.
    static int FirstFitting(const TablePicks& picks, int from, uint32_t fitting) {
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
};

} // namespace

void TileOnPlainPath(const TilingFrame& frame, const TilingJob* jobs, int count) {
    TileJobs<PlainPath>(frame, jobs, count);
}

} // namespace fenx
