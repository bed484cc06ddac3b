// Follows the player through a plan that was made for an earlier position,
// so that the next move need not be planned again while the player makes
// the moves shown. The drag it gives is always the one from the position
// on the screen: asked again while a move shows (and so before it is
// made), it gives that move again, never one that would start from where
// the shown move has not yet taken its block.
#pragma once

#include <optional>

#include "core/block.h"
#include "solver/drag_plan.h"

namespace fenx {

class PlanFollower {
  public:
    // A new plan from `start`; its first drag is the one to show.
    void Take(const BlockList& start, DragPlan plan);
    void Forget() { plan_.drags.clear(); }

    // The drag to show for position `now`: the one after the drags the
    // player has made since the plan's start. Nothing when `now` is off the
    // plan (then plan again) or the plan is used up.
    std::optional<int> Next(const BlockList& now);

    const DragPlan& Plan() const { return plan_; }
    // The anchor cell where drag `i` leaves its block.
    Cell End(int i) const;

  private:
    // Whether `now` is where the first `made` drags leave the start.
    bool After(int made, const BlockList& now) const;

    BlockList start_{};
    DragPlan plan_;
    int made_ = 0;  // drags the player has made, as far as we know
    int shown_ = 0; // the drag shown last
};

} // namespace fenx
