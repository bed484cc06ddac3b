// Amplitude envelopes: a rounded attack, an exponential fall to the sustain
// level, and an exponential release once the note is let go.
#pragma once

namespace fenx::sounds {

struct Envelope {
    double attack = 0.01; // seconds to full level
    double decay = 0.1;   // time constant of the fall to sustain, seconds
    double sustain = 1.0; // level held while the note sounds
    double release = 0.1; // time constant after the note ends, seconds
};

// Level at `t` seconds after the note starts, the note held for `gate`
// seconds. Zero before the start.
double EnvelopeAt(const Envelope& envelope, double t, double gate);

// Seconds after the end of the note until the release has fallen to 1/1000.
inline double ReleaseTail(const Envelope& envelope) {
    return envelope.release * 6.9;
}

} // namespace fenx::sounds
