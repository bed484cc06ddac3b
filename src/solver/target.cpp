// Building the targets: the generated tiling moved into a half, or exact
// covers of chosen rows; then for each slot the slots it waits for.
#include "solver/target.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// Covers the band's free cells with the blocks still to place, always at
// the first free cell in column-major order: that cell must be the anchor
// of whatever covers it, since an anchor is its block's first cell in that
// order. The orientation of a block lying there at the start is tried
// first.
class BandCover {
  public:
    BandCover(const Position& p, Target& t, SolverGrid& grid,
              std::array<int, kOrientationCount>& left, long budget, SolverRandom& random)
        : p_(p), t_(t), grid_(grid), left_(left), budget_(budget), random_(random) {}

    bool Run(int from) {
        int cell = -1;
        for (int i = from; i < p_.width * p_.height; ++i) {
            const int c = SolverIndex(i / p_.height, t_.rowList[U(i % p_.height)]);
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
        const int8_t lying = p_.startGrid.cells[U(cell)];
        if (lying >= 0 && p_.startAnchor[U(lying)] == cell && p_.fixed[U(lying)] == 0) {
            order[U(n++)] = p_.orientation[U(lying)];
        }
        const int shift = static_cast<int>(random_.Next() % kOrientationCount);
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
            grid_.Write(cell, o, 0);
            if (IsolatesACell(cell, o)) {
                grid_.Write(cell, o, kSolverFree);
                continue;
            }
            --left_[U(o)];
            t_.slotOrientation[U(t_.slotCount)] = static_cast<int16_t>(o);
            t_.slotAnchor[U(t_.slotCount)] = static_cast<int16_t>(cell);
            ++t_.slotCount;
            if (Run(from + 1)) {
                return true;
            }
            --t_.slotCount;
            grid_.Write(cell, o, kSolverFree);
            ++left_[U(o)];
            if (budget_ < 0) {
                return false;
            }
        }
        return false;
    }

  private:
    // A free cell beside the block just laid at `cell` with no free cell
    // beside it can be covered by no block (a block's cells touch side by
    // side): the cover cannot be finished that way.
    bool IsolatesACell(int cell, int o) const {
        constexpr std::array<int, 4> kSides = {-1, 1, -kSolverStride, kSolverStride};
        for (int off : SolverOffsets[U(o)]) {
            for (int side : kSides) {
                const int n = cell + off + side;
                if (grid_.cells[U(n)] != kSolverFree) {
                    continue;
                }
                bool alone = true;
                for (int next : kSides) {
                    alone = alone && grid_.cells[U(n + next)] != kSolverFree;
                }
                if (alone) {
                    return true;
                }
            }
        }
        return false;
    }

    const Position& p_;
    Target& t_;
    SolverGrid& grid_;
    std::array<int, kOrientationCount>& left_;
    long budget_;
    SolverRandom& random_;
};

} // namespace

void Target::SetRows(RowSet r) {
    rows = r;
    int n = 0;
    for (RowSet m = r; m != 0; m &= m - 1) {
        rowList[U(n++)] = static_cast<int16_t>(std::countr_zero(m));
    }
    bandTop = rowList[0];
}

void Target::BuildTiling(const Position& p, bool lower, FillOrder order) {
    const RowSet half = (RowSet{1} << p.height) - 1;
    SetRows(lower ? half << p.height : half);
    fromFloor = lower;
    slotCount = p.count;
    for (int b = 0; b < p.count; ++b) {
        slotOrientation[U(b)] = p.orientation[U(b)];
        slotAnchor[U(b)] = static_cast<int16_t>(p.tilingAnchor[U(b)] + bandTop * kSolverStride);
    }
    Finish(p, order);
}

bool Target::BuildCover(const Position& p, RowSet coverRows, bool floor, FillOrder order,
                        long nodeBudget, SolverRandom& random) {
    SetRows(coverRows);
    fromFloor = floor;
    SolverGrid cover;
    cover.Reset(p.width, 2 * p.height);
    for (int r = 0; r < 2 * p.height; ++r) {
        if ((coverRows >> r & 1) == 0) {
            for (int c = 0; c < p.width; ++c) {
                cover.cells[U(SolverIndex(c, r))] = kSolverWall;
            }
        }
    }
    std::array<int, kOrientationCount> left{};
    slotCount = 0;
    for (int b = 0; b < p.count; ++b) {
        const int o = p.orientation[U(b)];
        if (p.Movable(b)) {
            ++left[U(o)];
            continue;
        }
        // A fixed block stays where it is: the rows must hold it.
        if (!cover.Fits(p.startAnchor[U(b)], o, kSolverFree)) {
            return false;
        }
        cover.Write(p.startAnchor[U(b)], o, 0);
        slotOrientation[U(slotCount)] = static_cast<int16_t>(o);
        slotAnchor[U(slotCount)] = p.startAnchor[U(b)];
        ++slotCount;
    }
    BandCover search(p, *this, cover, left, nodeBudget, random);
    if (!search.Run(0)) {
        return false;
    }
    Finish(p, order);
    return true;
}

// Which slot covers each cell, and for each slot the slots between it and
// the edge of the target it is filled from (its lowest or highest row), in
// its own columns.
void Target::Finish(const Position& p, FillOrder order) {
    owner.fill(-1);
    for (int s = 0; s < slotCount; ++s) {
        for (int off : SolverOffsets[U(slotOrientation[U(s)])]) {
            owner[U(slotAnchor[U(s)] + off)] = static_cast<int8_t>(s);
        }
    }
    const int bottom = rowList[U(p.height - 1)];
    for (int s = 0; s < slotCount; ++s) {
        SlotMask needs{};
        for (int off : SolverOffsets[U(slotOrientation[U(s)])]) {
            const int cell = slotAnchor[U(s)] + off;
            const int c = SolverColumn(cell);
            const int r = SolverRow(cell);
            const int from = fromFloor ? r + 1 : bandTop;
            const int to = fromFloor ? bottom : r - 1;
            for (int y = from; y <= to; ++y) {
                const int t = owner[U(SolverIndex(c, y))];
                if (t >= 0 && t != s) {
                    SetBit(needs, t);
                }
            }
        }
        slotNeeds[U(s)] = needs;
    }
    if (order == FillOrder::Unpacking) {
        OrderByUnpacking(p);
    }
}

// Whether the block of slot s, with the blocks of the slots still in `g`
// held still, can walk to where it covers no cell of the target.
bool Target::Escapes(const SolverGrid& g, int s) {
    const int o = slotOrientation[U(s)];
    const auto self = static_cast<int8_t>(s);
    escapeSeen_.Clear();
    int waiting = 0;
    escapeQueue_[U(waiting++)] = slotAnchor[U(s)];
    escapeSeen_.Insert(slotAnchor[U(s)]);
    for (int head = 0; head < waiting; ++head) {
        const int at = escapeQueue_[U(head)];
        bool outside = true;
        for (int off : SolverOffsets[U(o)]) {
            outside = outside && owner[U(at + off)] < 0;
        }
        if (outside) {
            return true;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            if (!escapeSeen_.Contains(next) && g.Fits(next, o, self)) {
                escapeSeen_.Insert(next);
                escapeQueue_[U(waiting++)] = static_cast<int16_t>(next);
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
void Target::OrderByUnpacking(const Position& p) {
    SolverGrid g;
    g.Reset(p.width, 2 * p.height);
    SlotMask left{};
    for (int s = 0; s < slotCount; ++s) {
        g.Write(slotAnchor[U(s)], slotOrientation[U(s)], static_cast<int8_t>(s));
        const int v = p.startGrid.cells[U(slotAnchor[U(s)])];
        const bool fixedSlot = v >= 0 && !p.Movable(v) && p.startAnchor[U(v)] == slotAnchor[U(s)];
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

bool Target::AssignFixed(const Position& p) {
    for (int s = 0; s < slotCount; ++s) {
        slotBlock[U(s)] = -1;
    }
    for (int b = 0; b < p.count; ++b) {
        blockSlot[U(b)] = -1;
    }
    filled = {};
    for (int b = 0; b < p.count; ++b) {
        if (p.Movable(b)) {
            continue;
        }
        int found = -1;
        for (int s = 0; s < slotCount && found < 0; ++s) {
            if (slotBlock[U(s)] < 0 && slotOrientation[U(s)] == p.orientation[U(b)] &&
                slotAnchor[U(s)] == p.anchor[U(b)]) {
                found = s;
            }
        }
        if (found < 0) {
            return false;
        }
        Assign(found, b);
    }
    return true;
}

int Target::AssignStanding(const Position& p) {
    int assigned = 0;
    for (bool again = true; again;) {
        again = false;
        for (int s = 0; s < slotCount; ++s) {
            const int v = p.grid.cells[U(slotAnchor[U(s)])];
            if (v >= 0 && SlotReady(s) && Free(p, v) &&
                p.orientation[U(v)] == slotOrientation[U(s)] &&
                p.anchor[U(v)] == slotAnchor[U(s)]) {
                Assign(s, v);
                ++assigned;
                again = true;
            }
        }
    }
    return assigned;
}

void Target::Assign(int s, int b) {
    slotBlock[U(s)] = static_cast<int16_t>(b);
    blockSlot[U(b)] = static_cast<int16_t>(s);
    SetBit(filled, s);
}

} // namespace fenx
