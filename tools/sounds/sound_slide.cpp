// The slide as a stage's blocks fly in: a whoosh of band-passed noise whose
// centre sweeps up from about 320 Hz to 2.2 kHz and settles back an octave,
// moving from left to right, over a quiet airy tone gliding C4 to G4; it
// swells in and fades out.
#include <algorithm>
#include <cstddef>
#include <utility>

#include "filters.h"
#include "mastering.h"
#include "noise_source.h"
#include "reverb.h"
#include "sounds.h"
#include "synth_math.h"

namespace fenx::sounds {
namespace {

constexpr double kLowestCentre = 320.0;
constexpr double kRiseOctaves = 2.78; // to about 2200 Hz
constexpr double kSettleOctaves = 1.0;
constexpr double kPeakTime = 0.45;
constexpr double kQ = 2.2;
constexpr std::size_t kRetuneEvery = 16;
constexpr double kPanSweep = 0.8; // seconds from left to right

double SmoothStep(double u) {
    const double c = u < 0.0 ? 0.0 : (u > 1.0 ? 1.0 : u);
    return c * c * (3.0 - 2.0 * c);
}

double CentreAt(double t, double total) {
    const double up = kRiseOctaves * SmoothStep(t / kPeakTime);
    const double down = kSettleOctaves * SmoothStep((t - kPeakTime) / (total - kPeakTime));
    return kLowestCentre * Exp2(up - down);
}

// Swells in over the first third of a second, then falls away.
double LoudnessAt(double t) {
    if (t < 0.35) {
        return SmoothStep(t / 0.35);
    }
    return Exp(-(t - 0.35) / 0.32);
}

void AddWhoosh(StereoBuffer& buffer) {
    const double total = static_cast<double>(buffer.frames()) / kSampleRate;
    NoiseSource shared(0x511DE);
    NoiseSource leftOwn(0x511DF);
    NoiseSource rightOwn(0x511E0);
    StateVariableFilter leftBand;
    StateVariableFilter rightBand;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (i % kRetuneEvery == 0) {
            const double centre = CentreAt(t, total);
            leftBand.Tune(centre, kQ);
            rightBand.Tune(centre * 1.03, kQ);
        }
        const double common = shared.NextBipolar();
        const double l = 0.75 * common + 0.25 * leftOwn.NextBipolar();
        const double r = 0.75 * common + 0.25 * rightOwn.NextBipolar();
        const PanGains pan = PanFor(-0.6 + 1.2 * SmoothStep(t / kPanSweep));
        const double level = LoudnessAt(t) / kQ;
        buffer.left[i] += pan.left * level * leftBand.Process(l).band;
        buffer.right[i] += pan.right * level * rightBand.Process(r).band;
    }
}

// A soft tone under the noise that glides up a fifth, C4 to G4.
void AddGlide(StereoBuffer& buffer) {
    const double from = NoteFrequency(60.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double freq = from * Exp2(7.0 / 12.0 * SmoothStep(t / 0.6));
        const double level = 0.09 * LoudnessAt(t) * Exp(-t / 0.6);
        const double y = SineCycles(phase) + 0.2 * SineCycles(2.0 * phase);
        buffer.left[i] += level * y;
        buffer.right[i] += level * y;
        phase = WrapCycles(phase + freq / kSampleRate);
    }
}

} // namespace

std::vector<uint8_t> MakeSlide() {
    StereoBuffer buffer(kSlideFrames);
    AddWhoosh(buffer);
    AddGlide(buffer);
    AddReverb(buffer, {0.72, 0.4, 0.12});
    return MasterToPcm8(std::move(buffer), {0.7, 0.005, 0.15, true, 0x511DE});
}

} // namespace fenx::sounds
