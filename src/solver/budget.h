// How long one plan may take: a deadline on the steady clock and a flag
// another thread may set to give up. Once either has ended the plan, every
// later question says so too, so the searches that ask unwind at once.
// Also counts the search nodes expanded, for the benchmark.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>

namespace fenx {

class Budget {
  public:
    void Start(int milliseconds, const std::atomic<bool>* cancel) {
        deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        cancel_ = cancel;
        stopped_ = false;
        expansions_ = 0;
    }
    // A part of `whole`: at most `milliseconds` from now, never past its
    // deadline, given up with it.
    void StartPart(const Budget& whole, int milliseconds) {
        deadline_ = std::min(whole.deadline_, std::chrono::steady_clock::now() +
                                                  std::chrono::milliseconds(milliseconds));
        cancel_ = whole.cancel_;
        stopped_ = false;
        expansions_ = 0;
    }
    bool OutOfTime() {
        if (stopped_) {
            return true;
        }
        if ((cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) ||
            std::chrono::steady_clock::now() > deadline_) {
            stopped_ = true;
        }
        return stopped_;
    }
    void Count(long expanded) { expansions_ += expanded; }
    long Expansions() const { return expansions_; }

  private:
    std::chrono::steady_clock::time_point deadline_{};
    const std::atomic<bool>* cancel_ = nullptr;
    bool stopped_ = false;
    long expansions_ = 0;
};

} // namespace fenx
