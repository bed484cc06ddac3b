// A seeded noise source (SplitMix64): the same seed gives the same noise on
// every machine, unlike the standard library's distributions.
#pragma once

#include <cstdint>

namespace fenx::sounds {

class NoiseSource {
  public:
    explicit NoiseSource(uint64_t seed) : state_(seed) {}

    uint64_t NextBits() {
        state_ += 0x9E3779B97F4A7C15ull;
        uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), 53 bits.
    double NextUnit() { return static_cast<double>(NextBits() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double NextBipolar() { return 2.0 * NextUnit() - 1.0; }
    // Triangular in (-1, 1): the sum of two uniforms, the usual dither shape.
    double NextTriangular() { return NextUnit() - NextUnit(); }

  private:
    uint64_t state_;
};

} // namespace fenx::sounds
