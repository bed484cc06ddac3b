// The few functions of real numbers the sounds need, written out here so that
// the generator gives the same bytes on every machine. Library sine and
// exponential may round differently from one version to the next; these use
// only additions, multiplications and divisions in a fixed order.
#pragma once

namespace fenx::sounds {

inline constexpr int kSampleRate = 22050;
inline constexpr double kPi = 3.14159265358979323846;

// sin(2π · cycles): one full period per unit.
double SineCycles(double cycles);
// cos(2π · cycles).
inline double CosineCycles(double cycles) {
    return SineCycles(cycles + 0.25);
}
// e^x; 0 below -700.
double Exp(double x);
// 2^x.
double Exp2(double x);
// Equal-tempered pitch of a MIDI note number (69 = A 440 Hz).
double NoteFrequency(double midiNote);
// Multiplier that makes a level fall by 1/e over tau seconds, sample by sample.
double DecayPerSample(double tauSeconds);
// Wraps a phase to [0, 1).
double WrapCycles(double cycles);

} // namespace fenx::sounds
