// The generator paths, one file each (tiling_plain.cpp, tiling_bmi2.cpp,
// tiling_avx512.cpp). The last two are compiled for their instructions only
// and may be called only where the processor has them (generator_path.h);
// builds for other processors have the plain path only.
//
// In those two files the instructions are switched on after the shared
// headers, for the walk templates and what the file defines itself, and
// everything so compiled has internal linkage: an inline function built
// there for one processor must never stand in for the plain copy elsewhere.
#pragma once

#include "core/generation.h"
#include "core/tiling_frame.h"

namespace fenx {

// What a path does: tile a batch of stage jobs, or every stage number of a
// range, calling back with each tiling.
struct TilingPath {
    void (*tileJobs)(const TilingFrame& frame, const TilingJob* jobs, int count);
    void (*tileRange)(const TilingFrame& frame, int first, int last, TiledStage onTiled,
                      void* context);
};

extern const TilingPath kPlainTiling;
#if FENX_X86_GENERATOR_PATHS
extern const TilingPath kBmi2Tiling;
extern const TilingPath kAvx512Tiling;
#endif

} // namespace fenx
