// The last steps of every sound: remove any offset, fade both ends to
// silence, scale to a fixed peak with headroom, and round to unsigned 8-bit
// samples with a little triangular dither.
#pragma once

#include <cstdint>
#include <vector>

#include "stereo_buffer.h"

namespace fenx::sounds {

struct MasterSettings {
    double peak = 0.85;    // loudest sample after scaling, as a share of full scale
    double fadeIn = 0.003; // seconds of raised-cosine fade at the start
    double fadeOut = 0.05; // and at the end; the last frame is exact silence
    bool blockDc = true;
    uint64_t ditherSeed = 1;
};

// Interleaved left/right bytes, 128 = silence.
std::vector<uint8_t> MasterToPcm8(StereoBuffer buffer, const MasterSettings& settings);

} // namespace fenx::sounds
