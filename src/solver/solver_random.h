// The planner's own random numbers: tie-breaks among the orientations a
// cover tries at a cell, and the blocks and places of random moves. A plan
// depends only on the position, the seeds the schedule gives and the time.
#pragma once

#include <cstdint>

namespace fenx {

class SolverRandom {
  public:
    void Seed(uint32_t seed) { state_ = seed; }
    // 0..32767.
    uint32_t Next() {
        state_ = state_ * 1103515245u + 12345u;
        return state_ >> 16;
    }

  private:
    uint32_t state_ = 1;
};

} // namespace fenx
