// Simple filters: a one-pole low-pass for softening, a DC blocker for the
// final mix, and a state-variable filter for the swept noise of the slide.
#pragma once

namespace fenx::sounds {

class OnePoleLowpass {
  public:
    explicit OnePoleLowpass(double cutoffHz);
    double Process(double x) {
        state_ += coefficient_ * (x - state_);
        return state_;
    }

  private:
    double coefficient_;
    double state_ = 0.0;
};

// Removes any steady offset; corner near 17 Hz at 22050 samples/s.
class DcBlocker {
  public:
    double Process(double x) {
        const double y = x - previousIn_ + 0.995 * previousOut_;
        previousIn_ = x;
        previousOut_ = y;
        return y;
    }

  private:
    double previousIn_ = 0.0;
    double previousOut_ = 0.0;
};

// Trapezoidal state-variable filter: stays stable while its corner moves,
// which a swept whoosh needs.
class StateVariableFilter {
  public:
    struct Outputs {
        double low;
        double band;
        double high;
    };

    // Recomputes the coefficients; cheap enough to call every few samples.
    void Tune(double cutoffHz, double resonanceQ);
    Outputs Process(double x);

  private:
    double k_ = 1.0;
    double a1_ = 0.0;
    double a2_ = 0.0;
    double a3_ = 0.0;
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

} // namespace fenx::sounds
