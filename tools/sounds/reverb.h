// A small room: four damped feedback combs and two all-passes per channel,
// with slightly different delays left and right so the tail spreads in
// stereo. It adds the wet signal to the buffer in place.
#pragma once

#include "stereo_buffer.h"

namespace fenx::sounds {

struct ReverbSettings {
    double feedback = 0.78; // longer tail as it approaches 1
    double damping = 0.3;   // high-frequency loss in the tail, 0..1
    double wet = 0.2;       // level of the tail added to the dry mix
};

void AddReverb(StereoBuffer& buffer, const ReverbSettings& settings);

} // namespace fenx::sounds
