// A stereo mix in progress: two channels of real samples, full scale ±1.
#pragma once

#include <cstddef>
#include <vector>

#include "synth_math.h"

namespace fenx::sounds {

struct StereoBuffer {
    explicit StereoBuffer(std::size_t frameCount) : left(frameCount, 0.0), right(frameCount, 0.0) {}

    std::size_t frames() const { return left.size(); }

    std::vector<double> left;
    std::vector<double> right;
};

// Constant-power pan: -1 hard left, 0 centre, +1 hard right.
struct PanGains {
    double left;
    double right;
};

inline PanGains PanFor(double pan) {
    const double quarterTurn = 0.125 * (pan + 1.0); // 0 .. 1/4 cycle
    return {CosineCycles(quarterTurn), SineCycles(quarterTurn)};
}

inline std::size_t FrameAt(double seconds) {
    return seconds <= 0.0 ? 0
                          : static_cast<std::size_t>(seconds * static_cast<double>(kSampleRate));
}

} // namespace fenx::sounds
