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

void TileOnPlainPath(const TilingFrame& frame, const TilingJob* jobs, int count);
void TileRangeOnPlainPath(const TilingFrame& frame, int first, int last, TiledStage onTiled,
                          void* context);

#if FENX_X86_GENERATOR_PATHS
void TileOnBmi2Path(const TilingFrame& frame, const TilingJob* jobs, int count);
void TileOnAvx512Path(const TilingFrame& frame, const TilingJob* jobs, int count);
void TileRangeOnBmi2Path(const TilingFrame& frame, int first, int last, TiledStage onTiled,
                         void* context);
void TileRangeOnAvx512Path(const TilingFrame& frame, int first, int last, TiledStage onTiled,
                           void* context);
#endif

} // namespace fenx
