// The solved positions the search over whole positions runs back from:
// exact covers of the sets of rows that may end the stage, and for each
// orientation and cell the single steps to the nearest place of a target.
#include <algorithm>
#include <bit>

#include "solver/exact_search.h"
#include "solver/row_sets.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

int ExactSearch::Outside(const std::array<int, 2 * 10>& rowCells) const {
    int best = total_;
    for (int k = 0; k < rowSetCount_; ++k) {
        int inside = 0;
        for (uint32_t m = rowSets_[U(k)]; m != 0; m &= m - 1) {
            inside += rowCells[U(std::countr_zero(m))];
        }
        best = std::min(best, total_ - inside);
    }
    return best;
}

std::array<int, 2 * 10> ExactSearch::RowCells(const Places& places) const {
    std::array<int, 2 * 10> rowCells = fixedRowCells_;
    for (int i = 0; i < movable_; ++i) {
        for (int off : SolverOffsets[U(slotOrientation_[U(i)])]) {
            ++rowCells[U(SolverRow(padOf_[places[U(i)]] + off))];
        }
    }
    return rowCells;
}

bool ExactSearch::Solved(const std::array<int, 2 * 10>& rowCells) const {
    for (int r = 0; r < rows_; ++r) {
        if (rowCells[U(r)] != 0 && rowCells[U(r)] != width_) {
            return false;
        }
    }
    return true;
}

// Every cover of the free cells of the rows in coverRows_, always at the
// first free cell in column-major order (which must be an anchor), until
// `limit` targets are held or the budget is spent.
bool ExactSearch::CoverRows(int at, int limit, long& budget) {
    const int h = rows_ / 2;
    int cell = -1;
    for (; at < width_ * h; ++at) {
        const int c = SolverIndex(at / h, coverRows_[U(at % h)]);
        if (cover_.cells[U(c)] == kSolverFree) {
            cell = c;
            break;
        }
    }
    if (cell < 0) {
        const int t = targetCount_++;
        // The target as a position: each orientation's cells in order.
        Places& places = targetPlaces_[U(t)];
        for (int i = 0; i < movable_; ++i) {
            places[U(i)] = 0xff;
        }
        for (int k = 0; k < covered_; ++k) {
            int i = 0;
            while (slotOrientation_[U(i)] != coverOrientation_[U(k)] || places[U(i)] != 0xff) {
                ++i;
            }
            places[U(i)] = static_cast<uint8_t>(fieldOf_[U(coverCell_[U(k)])]);
        }
        for (int i = 0; i < movable_; ++i) {
            std::sort(places.begin() + groupFirst_[U(i)], places.begin() + groupLast_[U(i)] + 1);
        }
        for (int k = 0; k < covered_; ++k) {
            TargetBits& bits =
                targetBits_[U(coverOrientation_[U(k)])][U(fieldOf_[U(coverCell_[U(k)])])];
            bits[U(t >> 6)] |= uint64_t{1} << (t & 63);
        }
        return targetCount_ < limit;
    }
    if (--budget < 0) {
        return false;
    }
    const int first = lying_[U(cell)];
    for (int k = -1; k < kOrientationCount; ++k) {
        const int o = k < 0 ? first : k;
        if (o < 0 || (k >= 0 && o == first) || left_[U(o)] == 0 ||
            !cover_.Fits(cell, o, kSolverFree)) {
            continue;
        }
        --left_[U(o)];
        cover_.Write(cell, o, 0);
        coverOrientation_[U(covered_)] = static_cast<int16_t>(o);
        coverCell_[U(covered_)] = static_cast<int16_t>(cell);
        ++covered_;
        const bool more = CoverRows(at + 1, limit, budget);
        --covered_;
        cover_.Write(cell, o, kSolverFree);
        ++left_[U(o)];
        if (!more) {
            return false;
        }
    }
    return true;
}

void ExactSearch::CollectTargets(const Position& p, bool allRowSets) {
    for (auto& row : targetBits_) {
        for (TargetBits& bits : row) {
            bits.fill(0);
        }
    }
    targetCount_ = 0;
    const int h = rows_ / 2;
    const uint32_t upper = (uint32_t{1} << h) - 1;
    // The lower and upper halves alone when both may end the stage, else
    // every set of rows that may.
    const bool halves = rowSetCount_ >= 2 && rowSets_[0] == upper << h && rowSets_[1] == upper;
    const int sets = halves && !allRowSets ? 2 : rowSetCount_;
    // Sets without any cover can take long to rule out: the budget is
    // shared, though each set may take up to half of it.
    long shared = 400000;
    targetsComplete_ = true;
    for (int k = 0; k < sets; ++k) {
        const int limit = std::max(kStartTarget * (k + 1) / sets, targetCount_ + 1);
        if (limit > kStartTarget || shared <= 0) {
            targetsComplete_ = false;
            break;
        }
        const uint32_t set = rowSets_[U(k)];
        cover_.Reset(width_, rows_);
        int n = 0;
        for (int r = 0; r < rows_; ++r) {
            if ((set >> r & 1) != 0) {
                coverRows_[U(n++)] = r;
                continue;
            }
            for (int c = 0; c < width_; ++c) {
                cover_.cells[U(SolverIndex(c, r))] = kSolverWall;
            }
        }
        left_.fill(0);
        covered_ = 0;
        for (int i = 0; i < movable_; ++i) {
            ++left_[U(slotOrientation_[U(i)])];
        }
        for (int b = 0; b < p.count; ++b) {
            if (!p.Movable(b)) {
                cover_.Write(p.startAnchor[U(b)], p.orientation[U(b)], 0);
            }
        }
        long budget = std::min(shared, 200000L);
        const long given = budget;
        targetsComplete_ = CoverRows(0, limit, budget) && targetsComplete_;
        shared -= given - std::max(budget, 0L);
    }
}

void ExactSearch::MeasureSteps() {
    for (int side = 0; side < 2; ++side) {
        const int first = side == 0 ? 0 : kStartTarget;
        const int end = side == 0 ? targetCount_ : kStartTarget + 1;
        for (int o = 0; o < kOrientationCount; ++o) {
            std::array<uint8_t, kFieldCells>& steps = steps_[U(side)][U(o)];
            steps.fill(kFar);
            measured_.Clear();
            int queued = 0;
            for (int cell = 0; cell < width_ * rows_; ++cell) {
                const TargetBits& bits = targetBits_[U(o)][U(cell)];
                bool any = false;
                for (int t = first; t < end && !any; ++t) {
                    any = (bits[U(t >> 6)] >> (t & 63) & 1) != 0;
                }
                if (any) {
                    steps[U(cell)] = 0;
                    measured_.Insert(padOf_[U(cell)]);
                    queue_[U(queued++)] = padOf_[U(cell)];
                }
            }
            for (int head = 0; head < queued; ++head) {
                const int at = queue_[U(head)];
                const int d = steps[U(fieldOf_[U(at)])];
                for (int step : SolverSteps) {
                    const int next = at + step;
                    if (measured_.Contains(next) || !base_.Fits(next, o, kSolverFree)) {
                        continue;
                    }
                    measured_.Insert(next);
                    steps[U(fieldOf_[U(next)])] = static_cast<uint8_t>(std::min<int>(d + 1, kFar));
                    queue_[U(queued++)] = static_cast<int16_t>(next);
                }
            }
        }
    }
}

} // namespace fenx
