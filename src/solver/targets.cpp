// The targets the planner fills: where every block should end, as slots of
// an H-row band, and for each slot the slots that must be filled before it.
#include <algorithm>
#include <bit>

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
        int cell = -1;
        for (int i = from; i < w_.width * w_.height; ++i) {
            const int c = SolverIndex(i / w_.height, w_.targetRowList[U(i % w_.height)]);
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
        const int shift = static_cast<int>(w_.NextRandom() % kOrientationCount);
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
    PlannerWork& w_;
    SolverGrid& grid_;
    std::array<int, kOrientationCount>& left_;
    long budget_;
};

} // namespace

// Notes the rows of the target, top first.
void PlannerWork::SetTargetRows(RowSet rows) {
    targetRows = rows;
    int n = 0;
    for (RowSet m = rows; m != 0; m &= m - 1) {
        targetRowList[U(n++)] = static_cast<int16_t>(std::countr_zero(m));
    }
    bandTop = targetRowList[0];
}

bool PlannerWork::BuildTilingTarget(bool lower) {
    const RowSet half = (RowSet{1} << height) - 1;
    SetTargetRows(lower ? half << height : half);
    fromFloor = lower;
    slotCount = count;
    for (int b = 0; b < count; ++b) {
        slotOrientation[U(b)] = orientation[U(b)];
        slotAnchor[U(b)] = static_cast<int16_t>(tilingAnchor[U(b)] + bandTop * kSolverStride);
    }
    FinishTarget();
    return true;
}

RowSet PlannerWork::FixedRows() const {
    RowSet rows = 0;
    for (int b = 0; b < count; ++b) {
        if (fixed[U(b)] != 0) {
            for (int off : SolverOffsets[U(orientation[U(b)])]) {
                rows |= RowSet{1} << SolverRow(startAnchor[U(b)] + off);
            }
        }
    }
    return rows;
}

bool PlannerWork::BuildCoverTarget(RowSet rows, bool floor, long nodeBudget) {
    SetTargetRows(rows);
    fromFloor = floor;
    grid = startGrid;
    anchor = startAnchor;
    SolverGrid cover;
    cover.Reset(width, 2 * height);
    for (int r = 0; r < 2 * height; ++r) {
        if ((rows >> r & 1) == 0) {
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
        // A fixed block stays where it is: the rows must hold it.
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
// the edge of the target it is filled from (its lowest or highest row), in
// its own columns.
void PlannerWork::FinishTarget() {
    targetOwner.fill(-1);
    for (int s = 0; s < slotCount; ++s) {
        for (int off : SolverOffsets[U(slotOrientation[U(s)])]) {
            targetOwner[U(slotAnchor[U(s)] + off)] = static_cast<int8_t>(s);
        }
    }
    const int bottom = targetRowList[U(height - 1)];
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
    if (escapeOrder) {
        OrderByEscape();
    }
}

// Whether the block of slot s, with the blocks of the slots still in `g`
// held still, can walk to where it covers no cell of the target.
bool PlannerWork::Escapes(const SolverGrid& g, int s) {
    const int o = slotOrientation[U(s)];
    const auto self = static_cast<int8_t>(s);
    if (++escapeStamp == 0) {
        escapeSeen.fill(0);
        escapeStamp = 1;
    }
    int waiting = 0;
    escapeQueue[U(waiting++)] = slotAnchor[U(s)];
    escapeSeen[U(slotAnchor[U(s)])] = escapeStamp;
    for (int head = 0; head < waiting; ++head) {
        const int at = escapeQueue[U(head)];
        bool outside = true;
        for (int off : SolverOffsets[U(o)]) {
            outside = outside && targetOwner[U(at + off)] < 0;
        }
        if (outside) {
            return true;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            if (escapeSeen[U(next)] != escapeStamp && g.Fits(next, o, self)) {
                escapeSeen[U(next)] = escapeStamp;
                escapeQueue[U(waiting++)] = static_cast<int16_t>(next);
            }
        }
    }
    return false;
}

// The order of taking the finished target apart, reversed: first the
// blocks that can leave it with all others in place, then those that can
// once the first are gone, and so on. Filling goes the other way round, so
// each slot is filled while the way from outside to it is still open.
// Slots that never get out keep the order toward the wall among
// themselves and are filled first.
void PlannerWork::OrderByEscape() {
    SolverGrid g;
    g.Reset(width, 2 * height);
    SlotMask left{};
    for (int s = 0; s < slotCount; ++s) {
        g.Write(slotAnchor[U(s)], slotOrientation[U(s)], static_cast<int8_t>(s));
        const int v = startGrid.cells[U(slotAnchor[U(s)])];
        const bool fixedSlot = v >= 0 && fixed[U(v)] != 0 && startAnchor[U(v)] == slotAnchor[U(s)];
        if (!fixedSlot) {
            SetBit(left, s);
        }
    }
    std::array<int16_t, kMaxBlocks> layer{};
    layer.fill(-1);
    int layers = 0;
    for (;; ++layers) {
        int out = 0;
        std::array<int16_t, kMaxBlocks> leaving{};
        for (int s = 0; s < slotCount; ++s) {
            if ((left[U(s >> 6)] >> (s & 63) & 1) != 0 && Escapes(g, s)) {
                leaving[U(out++)] = static_cast<int16_t>(s);
            }
        }
        if (out == 0) {
            break;
        }
        for (int k = 0; k < out; ++k) {
            const int s = leaving[U(k)];
            g.Write(slotAnchor[U(s)], slotOrientation[U(s)], kSolverFree);
            left[U(s >> 6)] &= ~(uint64_t{1} << (s & 63));
            layer[U(s)] = static_cast<int16_t>(layers);
        }
    }
    // Each layer needs every slot of the later layers and the stuck ones.
    SlotMask later = left;
    for (int l = layers - 1; l >= 0; --l) {
        SlotMask same{};
        for (int s = 0; s < slotCount; ++s) {
            if (layer[U(s)] == l) {
                slotNeeds[U(s)] = later;
                SetBit(same, s);
            }
        }
        later[0] |= same[0];
        later[1] |= same[1];
    }
    for (int s = 0; s < slotCount; ++s) {
        if (layer[U(s)] < 0) {
            slotNeeds[U(s)][0] &= left[0];
            slotNeeds[U(s)][1] &= left[1];
        }
    }
}

void PlannerWork::Assign(int s, int b) {
    slotBlock[U(s)] = static_cast<int16_t>(b);
    blockSlot[U(b)] = static_cast<int16_t>(s);
    SetBit(filled, s);
}

} // namespace fenx
