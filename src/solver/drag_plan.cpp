#include "solver/drag_plan.h"

#include "core/cursor_walk.h"

#include <memory>

namespace fenx {
namespace {

class FieldCopy {
  public:
    FieldCopy(const BlockList& blocks, int width, int height)
        : blocks_(blocks), width_(width), height_(height) {
        ResetBoard(board_, width, 2 * height);
        for (int b = 0; b < blocks_.count; ++b) {
            const Block& k = blocks_[b];
            WriteBlockCells(board_, k.column, k.row, k.orientation, static_cast<int16_t>(b));
        }
    }

    const Block& block(int b) const { return blocks_[b]; }

    // The game's walk of a held block toward the cursor cell (tx, ty), the
    // grab point being the anchor cell.
    WalkEnd Walk(int b, int tx, int ty, int& steps) {
        Cell grab{blocks_[b].column, blocks_[b].row};
        return WalkHeldBlock(board_, blocks_, b, grab, {tx, ty}, width_, height_,
                             [&](CellStep) { ++steps; });
    }

    void Put(int b, int column, int row) {
        Block& k = blocks_[b];
        MoveBlock(board_, k, b, column - k.column, row - k.row);
    }

  private:
    BlockList blocks_;
    Board board_;
    int width_;
    int height_;
};

} // namespace

void BuildDragPlan(const BlockList& blocks, int width, int height, const Planner& planner,
                   DragPlan& plan) {
    plan.cells.clear();
    plan.drags.clear();
    plan.steps = 0;
    plan.solved = false;
    auto field = std::make_unique<FieldCopy>(blocks, width, height);
    for (const PlannedMove& move : planner.Moves()) {
        const auto path = planner.Path(move);
        if (path.size() < 2) {
            continue;
        }
        const int b = move.block;
        SolverDrag drag{move.block, static_cast<int32_t>(plan.cells.size()), 0};
        plan.cells.push_back(path[0]);
        std::size_t at = 0;
        while (at + 1 < path.size() && !plan.solved) {
            // The farthest point of the path that one cursor move reaches.
            bool moved = false;
            for (std::size_t k = path.size() - 1; k > at && !moved; --k) {
                const Block before = field->block(b);
                const int stepsBefore = plan.steps;
                const WalkEnd end = field->Walk(b, path[k].column, path[k].row, plan.steps);
                if (end == WalkEnd::Stopped) {
                    field->Put(b, before.column, before.row);
                    plan.steps = stepsBefore;
                    continue;
                }
                plan.cells.push_back(path[k]);
                at = k;
                moved = true;
                plan.solved = end == WalkEnd::Completed;
            }
            if (!moved) {
                return; // the path does not follow the step rule
            }
        }
        drag.last = static_cast<int32_t>(plan.cells.size());
        plan.drags.push_back(drag);
        if (plan.solved) {
            return;
        }
    }
}

} // namespace fenx
