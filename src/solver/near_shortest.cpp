// A way onto full and empty rows in single steps, not much longer than the
// fewest, found far sooner than the fewest themselves. Positions are taken
// best first by the steps made plus `weight` quarters of a step for each
// step the blocks still have to go at the least: to end on a solved
// target, every block must at least walk to the nearest place of its
// orientation in that target, with only walls and fixed blocks in the way,
// and one step moves one block one cell; the least over the targets. That
// bound never overestimates, so with weight 4 the first solved field taken
// is a shortest way (given every solved field among the targets); a larger
// weight trades length for speed, the way found being at most weight / 4
// times the fewest. A position reached by fewer steps than before is
// opened again. Positions that cannot beat `below` even on the bound are
// never stored.
#include <algorithm>
#include <climits>
#include <functional>

#include "solver/exact_search.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

void ExactSearch::MeasureNearSteps() {
    nearSteps_.assign(U(movable_) * 128 * kMaxTargets, kFar);
    for (int g = 0; g < movable_; g = groupLast_[U(g)] + 1) {
        const int o = slotOrientation_[U(g)];
        for (int t = 0; t < targetCount_; ++t) {
            const auto at = [&](int cell) -> uint8_t& {
                return nearSteps_[(U(g) * 128 + U(cell)) * kMaxTargets + U(t)];
            };
            measured_.Clear();
            int queued = 0;
            for (int i = g; i <= groupLast_[U(g)]; ++i) {
                const int cell = targetPlaces_[U(t)][U(i)];
                at(cell) = 0;
                measured_.Insert(padOf_[U(cell)]);
                queue_[U(queued++)] = padOf_[U(cell)];
            }
            for (int head = 0; head < queued; ++head) {
                const int from = queue_[U(head)];
                const int d = at(fieldOf_[U(from)]);
                for (int step : SolverSteps) {
                    const int next = from + step;
                    if (measured_.Contains(next) || !base_.Fits(next, o, kSolverFree)) {
                        continue;
                    }
                    measured_.Insert(next);
                    at(fieldOf_[U(next)]) = static_cast<uint8_t>(std::min<int>(d + 1, kFar));
                    queue_[U(queued++)] = static_cast<int16_t>(next);
                }
            }
        }
    }
}

int ExactSearch::NearShortest(Position& p, Budget& budget, long nodeBudget, int below, int weight,
                              bool& ended) {
    expanded_ = 0;
    ended = false;
    if (!Packs(p) || below <= 0) {
        return -1;
    }
    ClearArena(nodeBudget);
    Prepare(p, nullptr);
    lying_.fill(-1);
    for (int i = 0; i < movable_; ++i) {
        lying_[U(p.anchor[U(slotBlock_[U(i)])])] = static_cast<int8_t>(slotOrientation_[U(i)]);
    }
    CollectTargets(p, true);
    if (targetCount_ == 0) {
        return -1;
    }
    return NearSearch(p, budget, nodeBudget, below, weight, false, ended);
}

int ExactSearch::NearWay(Position& p, const std::array<int16_t, kMaxBlocks>& to, Budget& budget,
                         long nodeBudget, int below, bool& ended) {
    expanded_ = 0;
    ended = false;
    if (!Packs(p) || below <= 0) {
        return -1;
    }
    ClearArena(nodeBudget);
    Prepare(p, nullptr);
    targetCount_ = 1;
    Places& goal = targetPlaces_[0];
    for (int i = 0; i < movable_; ++i) {
        goal[U(i)] = static_cast<uint8_t>(fieldOf_[U(to[U(slotBlock_[U(i)])])]);
    }
    for (int i = 0; i < movable_; ++i) {
        std::sort(goal.begin() + groupFirst_[U(i)], goal.begin() + groupLast_[U(i)] + 1);
    }
    return NearSearch(p, budget, nodeBudget, below, 4, true, ended);
}

int ExactSearch::NearSearch(Position& p, Budget& budget, long nodeBudget, int below, int weight,
                            bool toFirstTarget, bool& ended) {
    MeasureNearSteps();
    const auto targets = U(targetCount_);
    // For slot i on field cell `cell`, its steps to each target.
    const auto toGo = [this](int i, int cell) {
        return nearSteps_.data() + (U(groupFirst_[U(i)]) * 128 + U(cell)) * kMaxTargets;
    };
    // Each target's steps still to go for the blocks at `at`, and the least.
    std::array<int16_t, kMaxTargets> perTarget{};
    const auto boundOf = [&](const Places& at) {
        std::fill_n(perTarget.begin(), targets, int16_t{0});
        for (int i = 0; i < movable_; ++i) {
            const uint8_t* d = toGo(i, at[U(i)]);
            for (std::size_t t = 0; t < targets; ++t) {
                perTarget[t] = static_cast<int16_t>(perTarget[t] + d[t]);
            }
        }
        return static_cast<int>(*std::min_element(perTarget.begin(), perTarget.begin() + targets));
    };

    Places places{};
    for (int i = 0; i < movable_; ++i) {
        places[U(i)] = static_cast<uint8_t>(fieldOf_[U(p.anchor[U(slotBlock_[U(i)])])]);
    }
    for (int i = 0; i < movable_; ++i) {
        std::sort(places.begin() + groupFirst_[U(i)], places.begin() + groupLast_[U(i)] + 1);
    }
    uint64_t goal0 = 0;
    uint64_t goal1 = 0;
    Pack(targetPlaces_[0], goal0, goal1);
    uint64_t key0 = 0;
    uint64_t key1 = 0;
    Pack(places, key0, key1);
    if (toFirstTarget ? key0 == goal0 && key1 == goal1 : Solved(RowCells(places))) {
        return 0;
    }
    const auto priority = [weight](int g, int h) { return 4 * g + weight * h; };
    bool fresh = false;
    Find(key0, key1, -1, 0, 0, fresh);
    std::vector<uint64_t>& open = open_[0];
    open.push_back(HeapKey(priority(0, boundOf(places)), 0));

    SolverGrid grid;
    int32_t reached = -1;
    while (reached < 0 && !open.empty()) {
        if (expanded_ >= nodeBudget || nodes_.size() + 8 * U(movable_) > room_ ||
            ((expanded_ & 15) == 0 && budget.OutOfTime())) {
            break;
        }
        const uint64_t top = open.front();
        const int32_t n = TakeBest(open, places, grid);
        const Node node = nodes_[U(n)];
        const int h = boundOf(places);
        if (static_cast<int>(top >> 32) != priority(node.moves, h)) {
            continue; // reached again by fewer steps and queued anew
        }
        const std::array<int, 2 * 10> rowCells = RowCells(places);
        for (int i = 0; i < movable_ && reached < 0; ++i) {
            const int o = slotOrientation_[U(i)];
            const int at = padOf_[places[U(i)]];
            const uint8_t* leaving = toGo(i, places[U(i)]);
            for (int step : SolverSteps) {
                const int next = at + step;
                if (!grid.Fits(next, o, static_cast<int8_t>(i))) {
                    continue;
                }
                const auto cell = static_cast<uint8_t>(fieldOf_[U(next)]);
                const int g = node.moves + 1;
                const uint8_t* coming = toGo(i, cell);
                int hNext = INT_MAX;
                for (std::size_t t = 0; t < targets; ++t) {
                    hNext = std::min(hNext, perTarget[t] - leaving[t] + coming[t]);
                }
                if (g + hNext >= below) {
                    continue; // no shorter than the way known
                }
                Pack(MovedTo(places, i, cell), key0, key1);
                const int32_t c = Find(key0, key1, n, g, 0, fresh);
                if (!fresh) {
                    if (nodes_[U(c)].moves <= g) {
                        continue;
                    }
                    nodes_[U(c)].moves = static_cast<int16_t>(g);
                    nodes_[U(c)].parent = n;
                }
                std::array<int, 2 * 10> childRows = rowCells;
                for (int off : SolverOffsets[U(o)]) {
                    --childRows[U(SolverRow(at + off))];
                    ++childRows[U(SolverRow(next + off))];
                }
                if (toFirstTarget ? key0 == goal0 && key1 == goal1 : Solved(childRows)) {
                    reached = c;
                    break;
                }
                open.push_back(HeapKey(priority(g, hNext), c));
                std::push_heap(open.begin(), open.end(), std::greater<>());
            }
        }
    }
    budget.Count(expanded_);
    if (reached < 0) {
        ended = open.empty();
        return -1;
    }
    const int steps = nodes_[U(reached)].moves;
    PlayInto(p, reached, -1, true);
    p.JoinRuns();
    return steps;
}

} // namespace fenx
