// The fanfare for a solved stage, in C major: three quick brass pickups
// rising G-C-E, then a held C major chord topped by the G above, with a
// timpani stroke and a soft cymbal wash under it, in a small room.
#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "filters.h"
#include "mastering.h"
#include "noise_source.h"
#include "reverb.h"
#include "sounds.h"
#include "synth_math.h"
#include "voices.h"

namespace fenx::sounds {
namespace {

constexpr double kChordStart = 0.34;
constexpr double kChordLength = 1.22;

// MIDI notes: G4 67, C5 72, E5 76; chord C3 48 .. G5 79.
void AddPickups(StereoBuffer& buffer) {
    constexpr std::array<double, 3> kNotes = {67.0, 72.0, 76.0};
    for (std::size_t n = 0; n < kNotes.size(); ++n) {
        const double start = 0.11 * static_cast<double>(n);
        AddBrass(buffer, {start, 0.075, kNotes[n], 0.55, 0.1, 1.1});
        // A softer octave below fills out the line.
        AddBrass(buffer, {start, 0.075, kNotes[n] - 12.0, 0.28, -0.15, 0.8});
    }
}

void AddChord(StereoBuffer& buffer) {
    // Players never land together to the sample: a few milliseconds of
    // spread keeps the entry from summing into one sharp spike.
    struct Voice {
        double midi;
        double gain;
        double pan;
        double delay;
    };
    constexpr std::array<Voice, 6> kVoices = {{
        {48.0, 0.40, 0.0, 0.004},   // C3
        {60.0, 0.36, -0.25, 0.011}, // C4
        {64.0, 0.30, 0.25, 0.007},  // E4
        {67.0, 0.32, -0.15, 0.015}, // G4
        {72.0, 0.38, 0.15, 0.009},  // C5
        {79.0, 0.50, 0.05, 0.0},    // G5, the top of the tune
    }};
    for (const Voice& voice : kVoices) {
        AddBrass(buffer, {kChordStart + voice.delay, kChordLength - voice.delay, voice.midi,
                          voice.gain, voice.pan, 1.0});
    }
}

// A tuned drum on C2: the pitch settles from slightly sharp, with the
// drum's second mode a fifth above, and a low thump of noise.
void AddTimpani(StereoBuffer& buffer, double start) {
    const double base = NoteFrequency(36.0);
    const std::size_t first = FrameAt(start);
    const std::size_t last = std::min(buffer.frames(), FrameAt(start + 1.4));
    NoiseSource noise(0x7A11);
    OnePoleLowpass thump(350.0);
    const double fundamentalFall = DecayPerSample(0.32);
    const double fifthFall = DecayPerSample(0.16);
    const double thumpFall = DecayPerSample(0.025);
    double fundamentalLevel = 0.45;
    double fifthLevel = 0.16;
    double thumpLevel = 0.4;
    double phase1 = 0.0;
    double phase2 = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i) / kSampleRate - start;
        const double bend = 1.0 + 0.12 * Exp(-t / 0.05);
        const double attack = t < 0.004 ? t / 0.004 : 1.0;
        const double y =
            attack * (fundamentalLevel * SineCycles(phase1) + fifthLevel * SineCycles(phase2)) +
            thumpLevel * thump.Process(noise.NextBipolar());
        buffer.left[i] += y;
        buffer.right[i] += y;
        fundamentalLevel *= fundamentalFall;
        fifthLevel *= fifthFall;
        thumpLevel *= thumpFall;
        phase1 = WrapCycles(phase1 + base * bend / kSampleRate);
        phase2 = WrapCycles(phase2 + 1.5 * base * bend / kSampleRate);
    }
}

// High, airy noise that swells in with the chord and dies away slowly;
// each side has its own noise so the wash is wide.
void AddCymbal(StereoBuffer& buffer, double start) {
    NoiseSource leftNoise(0xC1A5);
    NoiseSource rightNoise(0xC1A6);
    StateVariableFilter leftFilter;
    StateVariableFilter rightFilter;
    leftFilter.Tune(6000.0, 0.8);
    rightFilter.Tune(6300.0, 0.8);
    const double fall = DecayPerSample(0.45);
    double level = 0.11;
    const std::size_t first = FrameAt(start);
    for (std::size_t i = first; i < buffer.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate - start;
        const double attack = t < 0.01 ? t / 0.01 : 1.0;
        buffer.left[i] += attack * level * leftFilter.Process(leftNoise.NextBipolar()).high;
        buffer.right[i] += attack * level * rightFilter.Process(rightNoise.NextBipolar()).high;
        level *= fall;
    }
}

} // namespace

std::vector<uint8_t> MakeTada() {
    StereoBuffer buffer(kTadaFrames);
    AddPickups(buffer);
    AddChord(buffer);
    AddTimpani(buffer, kChordStart);
    AddCymbal(buffer, kChordStart);
    AddReverb(buffer, {0.8, 0.35, 0.22});
    return MasterToPcm8(std::move(buffer), {0.85, 0.002, 0.12, true, 0x7ADA});
}

} // namespace fenx::sounds
