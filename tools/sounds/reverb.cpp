#include "reverb.h"

#include <array>
#include <cstddef>
#include <vector>

namespace fenx::sounds {
namespace {

// Mutually prime delays in samples at 22050 samples/s; the right channel
// adds a small spread.
constexpr std::array<std::size_t, 4> kCombDelays = {557, 617, 691, 751};
constexpr std::array<std::size_t, 2> kAllpassDelays = {277, 173};
constexpr std::size_t kStereoSpread = 23;

class Comb {
  public:
    explicit Comb(std::size_t delay) : line_(delay, 0.0) {}
    double Process(double x, double feedback, double damping) {
        const double y = line_[position_];
        filtered_ = y * (1.0 - damping) + filtered_ * damping;
        line_[position_] = x + filtered_ * feedback;
        position_ = position_ + 1 == line_.size() ? 0 : position_ + 1;
        return y;
    }

  private:
    std::vector<double> line_;
    std::size_t position_ = 0;
    double filtered_ = 0.0;
};

class Allpass {
  public:
    explicit Allpass(std::size_t delay) : line_(delay, 0.0) {}
    double Process(double x) {
        const double delayed = line_[position_];
        line_[position_] = x + delayed * 0.5;
        position_ = position_ + 1 == line_.size() ? 0 : position_ + 1;
        return delayed - x;
    }

  private:
    std::vector<double> line_;
    std::size_t position_ = 0;
};

class Room {
  public:
    explicit Room(std::size_t spread)
        : combs_{Comb(kCombDelays[0] + spread), Comb(kCombDelays[1] + spread),
                 Comb(kCombDelays[2] + spread), Comb(kCombDelays[3] + spread)},
          allpasses_{Allpass(kAllpassDelays[0] + spread), Allpass(kAllpassDelays[1] + spread)} {}

    double Process(double x, const ReverbSettings& settings) {
        double sum = 0.0;
        for (Comb& comb : combs_) {
            sum += comb.Process(x, settings.feedback, settings.damping);
        }
        for (Allpass& allpass : allpasses_) {
            sum = allpass.Process(sum);
        }
        return sum * 0.25;
    }

  private:
    std::array<Comb, 4> combs_;
    std::array<Allpass, 2> allpasses_;
};

} // namespace

void AddReverb(StereoBuffer& buffer, const ReverbSettings& settings) {
    Room left(0);
    Room right(kStereoSpread);
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        const double send = 0.5 * (buffer.left[i] + buffer.right[i]);
        const double wetLeft = left.Process(send, settings);
        const double wetRight = right.Process(send, settings);
        buffer.left[i] += settings.wet * wetLeft;
        buffer.right[i] += settings.wet * wetRight;
    }
}

} // namespace fenx::sounds
