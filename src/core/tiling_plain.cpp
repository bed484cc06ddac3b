// The plain path: portable C++, for any 64-bit processor. The neighbourhood
// is gathered by four shifts; the draws are tested eight at a time.
#include "core/draw_scan.h"
#include "core/tiling_paths.h"
#include "core/tiling_walk.h"

namespace fenx {
namespace {

struct PlainPath : EightAtATimeDraws {
    // Two walks side by side; more gain nothing here, the time going to
    // mispredicted branches, which stop all walks alike.
    static constexpr int kInterleave = 2;

    static uint32_t FitIndex(uint64_t window, const TilingFrame& frame) {
        const int s = frame.stride;
        return static_cast<uint32_t>(((window >> 1) & 7) | (((window >> (s - 2)) & 31) << 3) |
                                     (((window >> (2 * s - 1)) & 7) << 8) |
                                     (((window >> (3 * s)) & 1) << 11));
    }
};

} // namespace

const TilingPath kPlainTiling{&TileJobs<PlainPath>, &TileStageRange<PlainPath>};

} // namespace fenx
