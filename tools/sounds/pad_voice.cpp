#include <algorithm>
#include <array>
#include <cstddef>

#include "envelope.h"
#include "synth_math.h"
#include "voices.h"

namespace fenx::sounds {
namespace {

constexpr Envelope kPadEnvelope{0.35, 0.5, 0.85, 0.3};
constexpr std::array<double, 3> kHarmonicLevels = {1.0, 0.28, 0.09};
// Two voices a side, detuned against each other: a slow, soft chorus.
constexpr std::array<double, 2> kLeftCents = {-4.0, 2.5};
constexpr std::array<double, 2> kRightCents = {4.0, -2.5};

void RenderSide(std::vector<double>& channel, const PadNote& note, double channelGain,
                const std::array<double, 2>& cents) {
    const std::size_t first = FrameAt(note.start);
    const std::size_t last =
        std::min(channel.size(), FrameAt(note.start + note.length + ReleaseTail(kPadEnvelope)));
    for (double detune : cents) {
        const double base = NoteFrequency(note.midi) * Exp2(detune / 1200.0);
        std::array<double, 3> phases{};
        for (std::size_t i = first; i < last; ++i) {
            const double t = static_cast<double>(i) / kSampleRate - note.start;
            const double level =
                0.5 * channelGain * note.gain * EnvelopeAt(kPadEnvelope, t, note.length);
            double y = 0.0;
            for (std::size_t h = 0; h < phases.size(); ++h) {
                y += kHarmonicLevels[h] * SineCycles(phases[h]);
                const double freq = base * static_cast<double>(h + 1);
                phases[h] = WrapCycles(phases[h] + freq / kSampleRate);
            }
            channel[i] += level * y;
        }
    }
}

} // namespace

void AddPad(StereoBuffer& buffer, const PadNote& note) {
    const PanGains pan = PanFor(note.pan);
    RenderSide(buffer.left, note, pan.left, kLeftCents);
    RenderSide(buffer.right, note, pan.right, kRightCents);
}

} // namespace fenx::sounds
