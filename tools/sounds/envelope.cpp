#include "envelope.h"

#include "synth_math.h"

namespace fenx::sounds {
namespace {

double HeldLevel(const Envelope& envelope, double t) {
    if (t < envelope.attack) {
        // Quadratic ease-out: fast rise, no corner at the top.
        const double a = t / envelope.attack;
        return a * (2.0 - a);
    }
    const double fall = Exp(-(t - envelope.attack) / envelope.decay);
    return envelope.sustain + (1.0 - envelope.sustain) * fall;
}

} // namespace

double EnvelopeAt(const Envelope& envelope, double t, double gate) {
    if (t <= 0.0) {
        return 0.0;
    }
    if (t < gate) {
        return HeldLevel(envelope, t);
    }
    return HeldLevel(envelope, gate) * Exp(-(t - gate) / envelope.release);
}

} // namespace fenx::sounds
