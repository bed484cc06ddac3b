#include "synth_math.h"

#include <array>
#include <bit>
#include <cstdint>

namespace fenx::sounds {
namespace {

constexpr double kLn2 = 0.69314718055994530942;

// Taylor coefficients of sin x in powers of x²: 1, -1/3!, 1/5!, ..., -1/15!.
// On a quarter wave the truncation error stays below 1e-11.
constexpr std::array<double, 8> kSineTerms = {
    1.0,
    -1.0 / 6.0,
    1.0 / 120.0,
    -1.0 / 5040.0,
    1.0 / 362880.0,
    -1.0 / 39916800.0,
    1.0 / 6227020800.0,
    -1.0 / 1307674368000.0,
};

} // namespace

double WrapCycles(double cycles) {
    // The integer part of any double below 2^63 is exact, so is the fraction.
    double fraction = cycles - static_cast<double>(static_cast<int64_t>(cycles));
    if (fraction < 0.0) {
        fraction += 1.0;
    }
    return fraction >= 1.0 ? 0.0 : fraction;
}

double SineCycles(double cycles) {
    double r = WrapCycles(cycles);
    if (r >= 0.5) {
        r -= 1.0; // [-0.5, 0.5)
    }
    // Fold onto the quarter wave around zero: sin(π - x) = sin x.
    if (r > 0.25) {
        r = 0.5 - r;
    } else if (r < -0.25) {
        r = -0.5 - r;
    }
    const double x = r * (2.0 * kPi);
    const double x2 = x * x;
    double sum = kSineTerms[7];
    for (int i = 6; i >= 0; --i) {
        sum = sum * x2 + kSineTerms[static_cast<std::size_t>(i)];
    }
    return sum * x;
}

double Exp(double x) {
    if (x < -700.0) {
        return 0.0;
    }
    if (x > 700.0) {
        x = 700.0;
    }
    // x = k·ln2 + r with |r| <= ln2 / 2, then e^x = 2^k · e^r.
    const double scaled = x / kLn2;
    const int64_t k = static_cast<int64_t>(scaled >= 0.0 ? scaled + 0.5 : scaled - 0.5);
    const double r = x - static_cast<double>(k) * kLn2;
    double sum = 1.0;
    double term = 1.0;
    for (int n = 1; n <= 17; ++n) {
        term = term * r / static_cast<double>(n);
        sum += term;
    }
    const uint64_t exponentBits = static_cast<uint64_t>(k + 1023) << 52;
    return sum * std::bit_cast<double>(exponentBits);
}

double Exp2(double x) {
    return Exp(x * kLn2);
}

double NoteFrequency(double midiNote) {
    return 440.0 * Exp2((midiNote - 69.0) / 12.0);
}

double DecayPerSample(double tauSeconds) {
    return Exp(-1.0 / (tauSeconds * static_cast<double>(kSampleRate)));
}

} // namespace fenx::sounds
