// The fewest single steps onto full and empty rows. Every step can be taken
// back, so a way back from a solved field is a way there: one breadth-first
// search runs in single steps from the position, another from every solved
// target at once, each a whole layer at a time, the smaller layer first.
// Each layer is a run of the arena (its positions are added while the layer
// before it is expanded). The first position the two searches share lies on
// a shortest way: a shorter one would have passed a position both had
// reached a layer earlier.
#include "solver/exact_search.h"

#include <algorithm>

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

int ExactSearch::Shortest(Position& p, Budget& budget, long nodeBudget, int below, bool& proven) {
    expanded_ = 0;
    proven = false;
    if (!Packs(p) || below <= 0) {
        return -1;
    }
    ClearArena();
    Prepare(p, nullptr);
    lying_.fill(-1);
    for (int i = 0; i < movable_; ++i) {
        lying_[U(p.anchor[U(slotBlock_[U(i)])])] = static_cast<int8_t>(slotOrientation_[U(i)]);
    }
    CollectTargets(p, true);
    const bool allTargets = targetsComplete_ && rowSetCount_ < kMaxRowSets;

    Places places{};
    for (int i = 0; i < movable_; ++i) {
        places[U(i)] = static_cast<uint8_t>(fieldOf_[U(p.anchor[U(slotBlock_[U(i)])])]);
    }
    for (int i = 0; i < movable_; ++i) {
        std::sort(places.begin() + groupFirst_[U(i)], places.begin() + groupLast_[U(i)] + 1);
    }
    if (Solved(RowCells(places))) {
        proven = true;
        return 0;
    }
    uint64_t key0 = 0;
    uint64_t key1 = 0;
    Pack(places, key0, key1);
    bool fresh = false;
    Find(key0, key1, -1, 0, 0, fresh);
    for (int t = 0; t < targetCount_; ++t) {
        Pack(targetPlaces_[U(t)], key0, key1);
        Find(key0, key1, -1, 0, 1, fresh);
    }
    // Each side's layer to expand next, as a run of the arena, and its depth.
    std::array<int32_t, 2> first{0, 1};
    std::array<int32_t, 2> end{1, static_cast<int32_t>(nodes_.size())};
    std::array<int, 2> depth{0, 0};

    SolverGrid grid;
    int32_t forward = -1;
    int32_t backward = -1;
    bool reachedFromHere = false;
    while (forward < 0) {
        if (depth[0] + depth[1] + 1 >= below || first[0] == end[0]) {
            // Nothing shorter than `below` to a target; to another solved
            // field, nothing as near as the start's side has searched.
            proven = allTargets || depth[0] + 1 >= below || first[0] == end[0];
            budget.Count(expanded_);
            return -1;
        }
        const int side = first[1] == end[1] || end[0] - first[0] <= end[1] - first[1] ? 0 : 1;
        const auto grown = static_cast<int32_t>(nodes_.size()); // the next layer's first
        for (int32_t n = first[U(side)]; n < end[U(side)] && forward < 0; ++n) {
            if (expanded_ >= nodeBudget || nodes_.size() + 8 * U(movable_) > room_ ||
                ((expanded_ & 15) == 0 && budget.OutOfTime())) {
                budget.Count(expanded_);
                return -1;
            }
            ++expanded_;
            const Node node = nodes_[U(n)];
            Unpack(node.key0, node.key1, places);
            grid = base_;
            for (int i = 0; i < movable_; ++i) {
                grid.Write(padOf_[places[U(i)]], slotOrientation_[U(i)], static_cast<int8_t>(i));
            }
            const std::array<int, 2 * 10> rowCells = RowCells(places);
            for (int i = 0; i < movable_ && forward < 0; ++i) {
                const int o = slotOrientation_[U(i)];
                const int at = padOf_[places[U(i)]];
                for (int step : SolverSteps) {
                    const int next = at + step;
                    if (!grid.Fits(next, o, static_cast<int8_t>(i))) {
                        continue;
                    }
                    const auto cell = static_cast<uint8_t>(fieldOf_[U(next)]);
                    Pack(MovedTo(places, i, cell), key0, key1);
                    const int32_t c = Find(key0, key1, n, node.moves + 1, side, fresh);
                    if (!fresh && nodes_[U(c)].side != side) {
                        forward = side == 0 ? n : c;
                        backward = side == 0 ? c : n;
                        break;
                    }
                    if (fresh && side == 0 && !allTargets) {
                        // A solved field the targets missed.
                        std::array<int, 2 * 10> childRows = rowCells;
                        for (int off : SolverOffsets[U(o)]) {
                            --childRows[U(SolverRow(at + off))];
                            ++childRows[U(SolverRow(next + off))];
                        }
                        if (Solved(childRows)) {
                            forward = c;
                            reachedFromHere = true;
                            break;
                        }
                    }
                }
            }
        }
        first[U(side)] = grown;
        end[U(side)] = static_cast<int32_t>(nodes_.size());
        ++depth[U(side)];
    }
    budget.Count(expanded_);
    const int steps =
        nodes_[U(forward)].moves + (backward >= 0 ? 1 + nodes_[U(backward)].moves : 0);
    if (steps >= below) {
        return -1;
    }
    proven = allTargets || reachedFromHere;
    PlayInto(p, forward, backward, true);
    p.JoinRuns();
    return steps;
}

} // namespace fenx
