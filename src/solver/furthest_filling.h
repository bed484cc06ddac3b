// The failed filling that got furthest, kept aside so that a longer search
// can go on from there instead of from the start: the position it reached
// and the plan that leads there, reserved once.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/position.h"

namespace fenx {

class FurthestFilling {
  public:
    FurthestFilling() {
        moves_.reserve(kPlanMoveCapacity);
        path_.reserve(kPlanPathCapacity);
    }

    void Forget() { filled_ = -1; }
    // Keeps p when its filling placed more slots than the one kept.
    void Keep(const Position& p, int filled) {
        if (filled > filled_) {
            filled_ = filled;
            anchor_ = p.anchor;
            moves_ = p.moves;
            path_ = p.path;
        }
    }
    // p back where the kept filling left it, or at the start if none was.
    void BackTo(Position& p) const {
        if (filled_ < 0) {
            p.Restart();
            return;
        }
        p.anchor = anchor_;
        p.moves = moves_;
        p.path = path_;
        p.LayOut();
    }

  private:
    int filled_ = -1;
    std::array<int16_t, kMaxBlocks> anchor_{};
    std::vector<PlannedMove> moves_;
    std::vector<Cell> path_;
};

} // namespace fenx
