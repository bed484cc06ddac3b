#include "filters.h"

#include "synth_math.h"

namespace fenx::sounds {

OnePoleLowpass::OnePoleLowpass(double cutoffHz)
    : coefficient_(1.0 - Exp(-2.0 * kPi * cutoffHz / static_cast<double>(kSampleRate))) {}

void StateVariableFilter::Tune(double cutoffHz, double resonanceQ) {
    // g = tan(π · fc / fs), as a ratio of our own sine and cosine.
    const double halfCycles = cutoffHz / (2.0 * static_cast<double>(kSampleRate));
    const double g = SineCycles(halfCycles) / CosineCycles(halfCycles);
    k_ = 1.0 / resonanceQ;
    a1_ = 1.0 / (1.0 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

StateVariableFilter::Outputs StateVariableFilter::Process(double x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1, x - k_ * v1 - v2};
}

} // namespace fenx::sounds
