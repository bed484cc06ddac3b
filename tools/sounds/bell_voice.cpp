#include <algorithm>
#include <array>
#include <cstddef>

#include "synth_math.h"
#include "voices.h"

namespace fenx::sounds {
namespace {

struct Partial {
    double ratio;
    double level;
    double decay; // seconds to 1/e
};

// The first three are harmonic; the upper two sit slightly off the series,
// which is what makes a struck bar shimmer instead of buzz.
constexpr std::array<Partial, 5> kPartials = {{
    {1.0, 1.0, 0.75},
    {2.0, 0.42, 0.42},
    {3.0, 0.20, 0.26},
    {4.16, 0.12, 0.16},
    {5.43, 0.07, 0.11},
}};
constexpr double kAttack = 0.0025;
constexpr double kHighestPartialHz = 9500.0; // stay clear of 11025 Hz
constexpr double kDetuneCents = 0.6;

void RenderSide(std::vector<double>& channel, const BellNote& note, double channelGain,
                double cents) {
    const double base = NoteFrequency(note.midi) * Exp2(cents / 1200.0);
    const std::size_t first = FrameAt(note.start);
    const std::size_t last =
        std::min(channel.size(), FrameAt(note.start + 7.0 * kPartials[0].decay * note.ring));
    for (const Partial& partial : kPartials) {
        const double freq = base * partial.ratio;
        if (freq > kHighestPartialHz) {
            continue;
        }
        const double fall = DecayPerSample(partial.decay * note.ring);
        double level = channelGain * note.gain * partial.level;
        double phase = 0.0;
        for (std::size_t i = first; i < last; ++i) {
            const double t = static_cast<double>(i) / kSampleRate - note.start;
            const double a = t < kAttack ? t / kAttack : 1.0;
            channel[i] += level * a * SineCycles(phase);
            level *= fall;
            phase = WrapCycles(phase + freq / kSampleRate);
        }
    }
}

} // namespace

void AddBell(StereoBuffer& buffer, const BellNote& note) {
    const PanGains pan = PanFor(note.pan);
    RenderSide(buffer.left, note, pan.left, -kDetuneCents);
    RenderSide(buffer.right, note, pan.right, kDetuneCents);
}

} // namespace fenx::sounds
