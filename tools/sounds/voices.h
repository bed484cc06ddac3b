// The instruments the sounds are played on. Each adds one note to a stereo
// buffer; the two channels use oscillators a few cents apart, which gives the
// notes a little width without moving them off their pan position.
#pragma once

#include "stereo_buffer.h"

namespace fenx::sounds {

// A brass-like tone: two-operator FM at 1:1, whose modulation index follows
// the loudness, so the attack brightens and the release mellows like a horn.
struct BrassNote {
    double start = 0.0;  // seconds
    double length = 0.1; // seconds held before the release
    double midi = 60.0;
    double gain = 1.0;
    double pan = 0.0;
    double brightness = 1.0; // scales the modulation index
};
void AddBrass(StereoBuffer& buffer, const BrassNote& note);

// A struck bell or celesta: a few partials, nearly harmonic, each dying away
// faster than the one below it.
struct BellNote {
    double start = 0.0;
    double midi = 72.0;
    double gain = 1.0;
    double pan = 0.0;
    double ring = 1.0; // scales every decay time
};
void AddBell(StereoBuffer& buffer, const BellNote& note);

// A soft pad: three harmonics with a slow swell, two detuned voices a side.
struct PadNote {
    double start = 0.0;
    double length = 1.0;
    double midi = 60.0;
    double gain = 1.0;
    double pan = 0.0;
};
void AddPad(StereoBuffer& buffer, const PadNote& note);

} // namespace fenx::sounds
