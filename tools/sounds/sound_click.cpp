// The pick-up click: a woodblock-like tick. Two damped partials near 2 and
// 3.3 kHz with a breath of bright noise on the first millisecond; it is over
// in a few milliseconds and leaves no offset behind.
#include <cstddef>
#include <utility>
#include <vector>

#include "filters.h"
#include "mastering.h"
#include "noise_source.h"
#include "sounds.h"
#include "synth_math.h"

namespace fenx::sounds {
namespace {

constexpr double kAttack = 0.0003;
constexpr double kBodyDecay = 0.0011;
constexpr double kNoiseDecay = 0.0003;

// The shape the click's energy follows; also used to take out its mean
// without moving its silent ends.
std::vector<double> ClickShape() {
    std::vector<double> shape(kClickFrames);
    const double fall = DecayPerSample(kBodyDecay);
    double level = 1.0;
    for (std::size_t i = 0; i < kClickFrames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        shape[i] = (t < kAttack ? t / kAttack : 1.0) * level;
        level *= fall;
    }
    return shape;
}

void RemoveMean(std::vector<double>& channel, const std::vector<double>& shape) {
    double sum = 0.0;
    double shapeSum = 0.0;
    for (std::size_t i = 0; i < channel.size(); ++i) {
        sum += channel[i];
        shapeSum += shape[i];
    }
    const double correction = sum / shapeSum;
    for (std::size_t i = 0; i < channel.size(); ++i) {
        channel[i] -= correction * shape[i];
    }
}

} // namespace

std::vector<uint8_t> MakeClick() {
    StereoBuffer buffer(kClickFrames);
    const std::vector<double> shape = ClickShape();
    NoiseSource noise(0xC11C);
    StateVariableFilter bright;
    bright.Tune(4000.0, 0.7);
    const double noiseFall = DecayPerSample(kNoiseDecay);
    double noiseLevel = 0.35;
    const double low = 2000.0;
    const double high = 3300.0;
    for (std::size_t i = 0; i < kClickFrames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double body = SineCycles(low * t) + 0.45 * SineCycles(high * t);
        const double n = noiseLevel * bright.Process(noise.NextBipolar()).high;
        const double y = shape[i] * body + (t < kAttack ? t / kAttack : 1.0) * n;
        // The high partial leans a touch right, the low one a touch left.
        buffer.left[i] = y + 0.05 * shape[i] * SineCycles(low * t);
        buffer.right[i] = y + 0.05 * shape[i] * SineCycles(high * t);
        noiseLevel *= noiseFall;
    }
    RemoveMean(buffer.left, shape);
    RemoveMean(buffer.right, shape);
    return MasterToPcm8(std::move(buffer), {0.75, 0.0001, 0.0015, false, 0xC11C});
}

} // namespace fenx::sounds
