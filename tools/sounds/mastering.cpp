#include "mastering.h"

#include <cstddef>

#include "filters.h"
#include "noise_source.h"
#include "synth_math.h"

namespace fenx::sounds {
namespace {

// Raised cosine from 0 at u = 0 to 1 at u = 1.
double FadeShape(double u) {
    if (u >= 1.0) {
        return 1.0;
    }
    const double s = SineCycles(0.25 * u);
    return s * s;
}

double EdgeWindow(std::size_t i, std::size_t frames, const MasterSettings& settings) {
    const double fromStart = static_cast<double>(i);
    const double fromEnd = static_cast<double>(frames - 1 - i);
    const double fadeInFrames = settings.fadeIn * static_cast<double>(kSampleRate);
    const double fadeOutFrames = settings.fadeOut * static_cast<double>(kSampleRate);
    double w = 1.0;
    if (fadeInFrames > 0.0) {
        w *= FadeShape(fromStart / fadeInFrames);
    }
    if (fadeOutFrames > 0.0) {
        w *= FadeShape(fromEnd / fadeOutFrames);
    }
    return w;
}

uint8_t Quantise(double level, double dither) {
    const double v = 128.0 + 127.0 * level + dither + 0.5;
    if (v <= 0.0) {
        return 0;
    }
    if (v >= 255.0) {
        return 255;
    }
    return static_cast<uint8_t>(static_cast<int>(v)); // v > 0: truncation is floor
}

} // namespace

std::vector<uint8_t> MasterToPcm8(StereoBuffer buffer, const MasterSettings& settings) {
    const std::size_t frames = buffer.frames();
    if (settings.blockDc) {
        DcBlocker left;
        DcBlocker right;
        for (std::size_t i = 0; i < frames; ++i) {
            buffer.left[i] = left.Process(buffer.left[i]);
            buffer.right[i] = right.Process(buffer.right[i]);
        }
    }
    double peak = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double w = EdgeWindow(i, frames, settings);
        buffer.left[i] *= w;
        buffer.right[i] *= w;
        const double l = buffer.left[i] < 0.0 ? -buffer.left[i] : buffer.left[i];
        const double r = buffer.right[i] < 0.0 ? -buffer.right[i] : buffer.right[i];
        peak = l > peak ? l : peak;
        peak = r > peak ? r : peak;
    }
    const double gain = peak > 0.0 ? settings.peak / peak : 0.0;
    NoiseSource dither(settings.ditherSeed);
    std::vector<uint8_t> pcm(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        // The dither fades with the ends, so the first and last frames are 128.
        const double w = EdgeWindow(i, frames, settings);
        pcm[2 * i] = Quantise(gain * buffer.left[i], w * dither.NextTriangular());
        pcm[2 * i + 1] = Quantise(gain * buffer.right[i], w * dither.NextTriangular());
    }
    return pcm;
}

} // namespace fenx::sounds
