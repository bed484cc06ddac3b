// The targets the planner fills: where every block should end, as slots of
// an H-row band, and for each slot the slots that must be filled before it.
#include <algorithm>

#include "solver/planner_work.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Covers the band's free cells with the blocks still to place, always at
// the first free cell in column-major order: that cell must be the anchor
// of whatever covers it, since an anchor is its block's first cell in that
// order. The orientation of a block already lying there is tried first.
class BandCover {
  public:
    BandCover(PlannerWork& w, SolverGrid& grid, std::array<int, kOrientationCount>& left,
              long budget)
        : w_(w), grid_(grid), left_(left), budget_(budget) {}

    bool Run(int from) {
        const int top = w_.bandTop;
        int cell = -1;
        for (int i = from; i < w_.width * w_.height; ++i) {
            const int c = SolverIndex(i / w_.height, top + i % w_.height);
            if (grid_.cells[U(c)] == kSolverFree) {
                cell = c;
                from = i;
                break;
            }
        }
        if (cell < 0) {
            return true;
        }
        if (--budget_ < 0) {
            return false;
        }
        std::array<int, kOrientationCount> order{};
        int n = 0;
        const int8_t lying = w_.grid.cells[U(cell)];
        if (lying >= 0 && w_.anchor[U(lying)] == cell && w_.fixed[U(lying)] == 0) {
            order[U(n++)] = w_.orientation[U(lying)];
        }
        const int shift = static_cast<int>(NextRandom() % kOrientationCount);
        for (int k = 0; k < kOrientationCount; ++k) {
            const int o = (k + shift) % kOrientationCount;
            if (n == 0 || o != order[0]) {
                order[U(n++)] = o;
            }
        }
        for (int k = 0; k < n; ++k) {
            const int o = order[U(k)];
            if (left_[U(o)] == 0 || !grid_.Fits(cell, o, kSolverFree)) {
                continue;
            }
            --left_[U(o)];
            grid_.Write(cell, o, 0);
            w_.slotOrientation[U(w_.slotCount)] = static_cast<int16_t>(o);
            w_.slotAnchor[U(w_.slotCount)] = static_cast<int16_t>(cell);
            ++w_.slotCount;
            if (Run(from + 1)) {
                return true;
            }
            --w_.slotCount;
            grid_.Write(cell, o, kSolverFree);
            ++left_[U(o)];
            if (budget_ < 0) {
                return false;
            }
        }
        return false;
    }

  private:
    uint32_t NextRandom() {
        w_.random = w_.random * 1103515245u + 12345u;
        return w_.random >> 16;
    }

    PlannerWork& w_;
    SolverGrid& grid_;
    std::array<int, kOrientationCount>& left_;
    long budget_;
};

} // namespace

bool PlannerWork::BuildTilingTarget(bool lower) {
    bandTop = lower ? height : 0;
    fromFloor = lower;
    slotCount = count;
    for (int b = 0; b < count; ++b) {
        slotOrientation[U(b)] = orientation[U(b)];
        slotAnchor[U(b)] = static_cast<int16_t>(tilingAnchor[U(b)] + bandTop * kSolverStride);
    }
    FinishTarget();
    return true;
}

bool PlannerWork::BuildCoverTarget(bool lower, long nodeBudget) {
    // Fixed blocks may lie across the middle of the field; then the band
    // is the lowest (or highest) one that holds them all.
    int fixedTop = 2 * height;
    int fixedBottom = -1;
    for (int b = 0; b < count; ++b) {
        if (fixed[U(b)] != 0) {
            for (int off : SolverOffsets[U(orientation[U(b)])]) {
                fixedTop = std::min(fixedTop, SolverRow(startAnchor[U(b)] + off));
                fixedBottom = std::max(fixedBottom, SolverRow(startAnchor[U(b)] + off));
            }
        }
    }
    bandTop = lower ? std::min(height, fixedTop) : std::max(0, fixedBottom - height + 1);
    fromFloor = lower;
    grid = startGrid;
    anchor = startAnchor;
    SolverGrid cover;
    cover.Reset(width, 2 * height);
    for (int r = 0; r < 2 * height; ++r) {
        if (r < bandTop || r >= bandTop + height) {
            for (int c = 0; c < width; ++c) {
                cover.cells[U(SolverIndex(c, r))] = kSolverWall;
            }
        }
    }
    std::array<int, kOrientationCount> left{};
    slotCount = 0;
    for (int b = 0; b < count; ++b) {
        if (fixed[U(b)] == 0) {
            ++left[U(orientation[U(b)])];
            continue;
        }
        // A fixed block stays where it is: the band must hold it.
        if (!cover.Fits(anchor[U(b)], orientation[U(b)], kSolverFree)) {
            return false;
        }
        cover.Write(anchor[U(b)], orientation[U(b)], 0);
        slotOrientation[U(slotCount)] = orientation[U(b)];
        slotAnchor[U(slotCount)] = anchor[U(b)];
        ++slotCount;
    }
    BandCover search(*this, cover, left, nodeBudget);
    if (!search.Run(0)) {
        return false;
    }
    FinishTarget();
    return true;
}

// Which slot covers each cell, and for each slot the slots between it and
// the wall its band rests on, in its own columns.
void PlannerWork::FinishTarget() {
    targetOwner.fill(-1);
    for (int s = 0; s < slotCount; ++s) {
        for (int off : SolverOffsets[U(slotOrientation[U(s)])]) {
            targetOwner[U(slotAnchor[U(s)] + off)] = static_cast<int8_t>(s);
        }
    }
    const int bottom = bandTop + height - 1;
    for (int s = 0; s < slotCount; ++s) {
        SlotMask needs{};
        for (int off : SolverOffsets[U(slotOrientation[U(s)])]) {
            const int cell = slotAnchor[U(s)] + off;
            const int c = SolverColumn(cell);
            const int r = SolverRow(cell);
            const int from = fromFloor ? r + 1 : bandTop;
            const int to = fromFloor ? bottom : r - 1;
            for (int y = from; y <= to; ++y) {
                const int t = targetOwner[U(SolverIndex(c, y))];
                if (t >= 0 && t != s) {
                    SetBit(needs, t);
                }
            }
        }
        slotNeeds[U(s)] = needs;
    }
}

void PlannerWork::Assign(int s, int b) {
    slotBlock[U(s)] = static_cast<int16_t>(b);
    blockSlot[U(b)] = static_cast<int16_t>(s);
    SetBit(filled, s);
}

} // namespace fenx
