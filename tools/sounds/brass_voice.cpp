#include <algorithm>
#include <cstddef>

#include "envelope.h"
#include "filters.h"
#include "synth_math.h"
#include "voices.h"

namespace fenx::sounds {
namespace {

constexpr Envelope kBrassEnvelope{0.035, 0.12, 0.78, 0.16};
constexpr double kDetuneCents = 0.6;

// Vibrato comes in gently after the note has settled.
double VibratoDepth(double t) {
    const double ramp = (t - 0.2) / 0.3;
    const double clamped = ramp < 0.0 ? 0.0 : (ramp > 1.0 ? 1.0 : ramp);
    return 0.0035 * clamped;
}

void RenderSide(std::vector<double>& channel, const BrassNote& note, double channelGain,
                double cents) {
    const double base = NoteFrequency(note.midi) * Exp2(cents / 1200.0);
    const double end = note.start + note.length + ReleaseTail(kBrassEnvelope);
    const std::size_t first = FrameAt(note.start);
    const std::size_t last = std::min(channel.size(), FrameAt(end));
    OnePoleLowpass tone(std::min(5200.0, 7.0 * base));
    double carrier = 0.0;
    double modulator = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i) / kSampleRate - note.start;
        const double level = EnvelopeAt(kBrassEnvelope, t, note.length);
        const double freq = base * (1.0 + VibratoDepth(t) * SineCycles(5.2 * t));
        const double index = note.brightness * (0.7 + 2.6 * level);
        const double y = SineCycles(carrier + index / (2.0 * kPi) * SineCycles(modulator));
        channel[i] += channelGain * note.gain * level * tone.Process(y);
        carrier = WrapCycles(carrier + freq / kSampleRate);
        modulator = WrapCycles(modulator + freq / kSampleRate);
    }
}

} // namespace

void AddBrass(StereoBuffer& buffer, const BrassNote& note) {
    const PanGains pan = PanFor(note.pan);
    RenderSide(buffer.left, note, pan.left, -kDetuneCents);
    RenderSide(buffer.right, note, pan.right, kDetuneCents);
}

} // namespace fenx::sounds
