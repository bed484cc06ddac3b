// The plain path: portable C++, for any 64-bit processor. The neighbourhood
// is gathered by four shifts; the draws are tested one after the other.
#include "core/tiling_paths.h"
#include "core/tiling_walk.h"

namespace fenx {
namespace {

struct PlainPath {
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

    static int FirstFitting(const TablePicks& picks, int from, uint32_t fitting) {
        // The end pick stops the search at the end of the table.
        const uint32_t stop = fitting | (1u << kEndPick);
        while (((stop >> picks.pick[static_cast<std::size_t>(from)]) & 1u) == 0) {
            ++from;
        }
        return from;
    }
};

} // namespace

void TileOnPlainPath(const TilingFrame& frame, const TilingJob* jobs, int count) {
    TileJobs<PlainPath>(frame, jobs, count);
}

} // namespace fenx
