// The bit-extract path: the twelve deciding cells come out of the window in
// one instruction; the draws are tested eight at a time as on the plain
// path. Only this file's functions use the instruction (see tiling_paths.h).
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/generation.h"
#include "core/tiling_frame.h"
#include "core/tiling_paths.h"

#if FENX_X86_GENERATOR_PATHS
#include <immintrin.h>

// Everything from here on, the walk templates included, is compiled for
// processors with the bit-extract instruction; the headers above are not.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("bmi,bmi2,popcnt,lzcnt"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("bmi,bmi2,popcnt,lzcnt")
#endif

#include "core/draw_scan.h"
#include "core/tiling_walk.h"

namespace fenx {
namespace {

struct Bmi2Path : EightAtATimeDraws {
    static constexpr int kInterleave = 3;

    static uint32_t FitIndex(uint64_t window, const TilingFrame& frame) {
        return static_cast<uint32_t>(_pext_u64(window, frame.neighbourhood));
    }
};

} // namespace

const TilingPath kBmi2Tiling{&TileJobs<Bmi2Path>, &TileStageRange<Bmi2Path>};

} // namespace fenx

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
