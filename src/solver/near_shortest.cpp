// A way onto full and empty rows in single steps, not much longer than the
// fewest, found far sooner than the fewest themselves. Positions are taken
// best first by the steps made plus `weight` quarters of a step for each
// step the blocks still have to go at the least: to end on a solved
// target, the blocks of each orientation must at least walk to that
// target's places of the orientation, each block to a place of its own,
// with only walls and fixed blocks in the way, and one step moves one
// block one cell; the least over the targets. That
// bound never overestimates, so with weight 4 the first solved field taken
// is a shortest way (given every solved field among the targets); a larger
// weight trades length for speed, the way found being at most weight / 4
// times the fewest. A position reached by fewer steps than before is
// opened again. Positions that cannot beat `below` even on the bound are
// never stored.
#include <algorithm>
#include <bit>
#include <climits>

#include "solver/exact_search.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

void ExactSearch::MeasurePlaceSteps() {
    placeSteps_.assign(U(movable_) * kFieldCells * kMaxTargets, kFar);
    for (int i = 0; i < movable_; ++i) {
        const int o = slotOrientation_[U(i)];
        for (int t = 0; t < targetCount_; ++t) {
            const auto at = [&](int cell) -> uint8_t& {
                return placeSteps_[(U(i) * kFieldCells + U(cell)) * kMaxTargets + U(t)];
            };
            const int cell = targetPlaces_[U(t)][U(i)];
            at(cell) = 0;
            measured_.Clear();
            measured_.Insert(padOf_[U(cell)]);
            queue_[0] = padOf_[U(cell)];
            int queued = 1;
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

void ExactSearch::MarkCovers() {
    const int cells = width_ * rows_;
    covers_.assign(U(movable_) * kFieldCells, CellBits{});
    for (int i = 0; i < movable_; ++i) {
        for (int cell = 0; cell < cells; ++cell) {
            for (int off : SolverOffsets[U(slotOrientation_[U(i)])]) {
                const int c = fieldOf_[U(padOf_[U(cell)] + off)];
                if (c >= 0) {
                    SetBit(covers_[U(i) * kFieldCells + U(cell)], c);
                }
            }
        }
    }
    // Where each step leads and which steps keep the block in the field
    // (all four of its cells there); a step that leaves it leads nowhere
    // (the cell itself), its bit clear.
    stepsTo_.assign(U(movable_) * kFieldCells, StepCells{});
    stepsIn_.assign(U(movable_) * kFieldCells, 0);
    for (int i = 0; i < movable_; ++i) {
        for (int cell = 0; cell < cells; ++cell) {
            const std::size_t at = U(i) * kFieldCells + U(cell);
            for (std::size_t k = 0; k < SolverSteps.size(); ++k) {
                const int next = fieldOf_[U(padOf_[U(cell)] + SolverSteps[k])];
                const bool in = next >= 0 && BitCount(covers_[U(i) * kFieldCells + U(next)]) == 4;
                stepsTo_[at][k] = static_cast<uint8_t>(in ? next : cell);
                stepsIn_[at] = static_cast<uint8_t>(stepsIn_[at] | (in ? 1u << k : 0u));
            }
        }
    }
    stillCells_ = {};
    for (int cell = 0; cell < cells; ++cell) {
        if (base_.cells[U(padOf_[U(cell)])] != kSolverFree) {
            SetBit(stillCells_, cell);
        }
    }
}

void ExactSearch::GroupSteps(int i, const uint8_t* cells, int16_t* out) {
    const int g = groupFirst_[U(i)];
    const int k = groupLast_[U(i)] - g + 1;
    const auto targets = U(targetCount_);
    if (k == 1) {
        const uint8_t* d = PlaceSteps(g, cells[0]);
        for (std::size_t t = 0; t < targets; ++t) {
            out[t] = d[t];
        }
        return;
    }
    if (k == 2) {
        const uint8_t* a0 = PlaceSteps(g, cells[0]);
        const uint8_t* a1 = PlaceSteps(g + 1, cells[0]);
        const uint8_t* b0 = PlaceSteps(g, cells[1]);
        const uint8_t* b1 = PlaceSteps(g + 1, cells[1]);
        for (std::size_t t = 0; t < targets; ++t) {
            out[t] = static_cast<int16_t>(std::min(a0[t] + b1[t], a1[t] + b0[t]));
        }
        return;
    }
    if (k == 3) {
        std::array<std::array<const uint8_t*, 3>, 3> d{}; // block, place
        for (int b = 0; b < 3; ++b) {
            for (int q = 0; q < 3; ++q) {
                d[U(b)][U(q)] = PlaceSteps(g + q, cells[b]);
            }
        }
        for (std::size_t t = 0; t < targets; ++t) {
            const int first =
                std::min(d[0][0][t] + std::min(d[1][1][t] + d[2][2][t], d[1][2][t] + d[2][1][t]),
                         d[0][1][t] + std::min(d[1][0][t] + d[2][2][t], d[1][2][t] + d[2][0][t]));
            out[t] = static_cast<int16_t>(std::min(
                first, d[0][2][t] + std::min(d[1][0][t] + d[2][1][t], d[1][1][t] + d[2][0][t])));
        }
        return;
    }
    if (k > kMatchedGroup) {
        // Too many to match: each block to the nearest of the places.
        std::fill_n(out, targets, int16_t{0});
        for (int b = 0; b < k; ++b) {
            for (std::size_t t = 0; t < targets; ++t) {
                int least = kFar;
                for (int q = 0; q < k; ++q) {
                    least = std::min<int>(least, PlaceSteps(g + q, cells[b])[t]);
                }
                out[t] = static_cast<int16_t>(out[t] + least);
            }
        }
        return;
    }
    // The blocks in turn, each to a place not yet taken: the least over
    // the sets of places taken so far, for every target at once.
    const int sets = 1 << k;
    for (int taken = 1; taken < sets; ++taken) {
        std::fill_n(matching_[U(taken)].begin(), targets, int16_t{INT16_MAX / 2});
    }
    std::fill_n(matching_[0].begin(), targets, int16_t{0});
    for (int taken = 0; taken < sets - 1; ++taken) {
        const int b = std::popcount(static_cast<unsigned>(taken));
        const int16_t* from = matching_[U(taken)].data();
        for (int q = 0; q < k; ++q) {
            if ((taken >> q & 1) != 0) {
                continue;
            }
            const uint8_t* d = PlaceSteps(g + q, cells[b]);
            int16_t* to = matching_[U(taken | 1 << q)].data();
            for (std::size_t t = 0; t < targets; ++t) {
                to[t] = std::min<int16_t>(to[t], static_cast<int16_t>(from[t] + d[t]));
            }
        }
    }
    std::copy_n(matching_[U(sets - 1)].begin(), targets, out);
}

bool ExactSearch::StartNear(const Position& p, long nodeBudget, int below, bool& ended) {
    expanded_ = 0;
    ended = false;
    if (!Packs(p) || below <= 0) {
        return false;
    }
    ClearArena(nodeBudget);
    Prepare(p, nullptr);
    return true;
}

int ExactSearch::NearShortest(Position& p, Budget& budget, long nodeBudget, int below, int weight,
                              bool& ended) {
    if (!StartNear(p, nodeBudget, below, ended)) {
        return -1;
    }
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
    if (!StartNear(p, nodeBudget, below, ended)) {
        return -1;
    }
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
    MeasurePlaceSteps();
    MarkCovers();
    const auto targets = U(targetCount_);
    // Each group's least steps still to go (by its first slot) and their
    // sum, per target, for the position taken; the bound is the least sum.
    std::vector<int16_t> groupSteps(U(movable_) * kMaxTargets);
    std::array<int16_t, kMaxTargets> perTarget{};
    const auto boundOf = [&](const Places& at) {
        std::fill_n(perTarget.begin(), targets, int16_t{0});
        for (int g = 0; g < movable_; g = groupLast_[U(g)] + 1) {
            int16_t* steps = groupSteps.data() + U(g) * kMaxTargets;
            GroupSteps(g, at.data() + g, steps);
            for (std::size_t t = 0; t < targets; ++t) {
                perTarget[t] = static_cast<int16_t>(perTarget[t] + steps[t]);
            }
        }
        return static_cast<int>(*std::min_element(perTarget.begin(), perTarget.begin() + targets));
    };
    std::array<int16_t, kMaxTargets> moved{};
    std::array<uint8_t, kMaxBlocks> cells{};

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
    BucketQueue& open = nearOpen_;
    open.Clear();
    open.Push(priority(0, boundOf(places)), 0);

    int32_t reached = -1;
    while (reached < 0 && !open.Empty()) {
        if (expanded_ >= nodeBudget || nodes_.size() + 8 * U(movable_) > room_ ||
            ((expanded_ & 15) == 0 && budget.OutOfTime())) {
            break;
        }
        const int32_t n = open.Top();
        open.Pop();
        if (nodes_[U(n)].expanded != 0) {
            continue; // reached again by fewer steps, queued anew and taken then
        }
        ++expanded_;
        Unpack(nodes_[U(n)].key0, nodes_[U(n)].key1, places);
        nodes_[U(n)].expanded = 1;
        const Node node = nodes_[U(n)];
        CellBits taken = stillCells_;
        for (int i = 0; i < movable_; ++i) {
            const CellBits& c = covers_[U(i) * kFieldCells + places[U(i)]];
            taken[0] |= c[0];
            taken[1] |= c[1];
        }
        // Every step that fits (its block's new cells in the field and
        // clear of the others), and where its position's key stands in
        // the table. Fetched ahead of need, the table and then the
        // positions met before are in the processor's cache when the
        // lookups below come to them, rather than each waited for in turn.
        // Which of a block's steps fit is worked out for all eight at once,
        // without a branch on each.
        int stepCount = 0;
        for (int i = 0; i < movable_; ++i) {
            const std::size_t first = U(i) * kFieldCells;
            const std::size_t here = first + places[U(i)];
            const CellBits& own = covers_[here];
            const CellBits others = {taken[0] & ~own[0], taken[1] & ~own[1]};
            const StepCells& to = stepsTo_[here];
            unsigned fits = 0;
            for (std::size_t k = 0; k < SolverSteps.size(); ++k) {
                const CellBits& c = covers_[first + to[k]];
                fits |= static_cast<unsigned>(((c[0] & others[0]) | (c[1] & others[1])) == 0) << k;
            }
            fits &= stepsIn_[here];
            const bool alone = groupFirst_[U(i)] == groupLast_[U(i)];
            for (; fits != 0; fits &= fits - 1) {
                const auto k = U(std::countr_zero(fits));
                Step& s = expansion_[U(stepCount++)];
                s.slot = static_cast<int8_t>(i);
                s.next = static_cast<int16_t>(padOf_[places[U(i)]] + SolverSteps[k]);
                if (alone) {
                    // The key with this block's bits alone changed.
                    s.key0 = node.key0;
                    s.key1 = node.key1;
                    Repack(i, places[U(i)], to[k], s.key0, s.key1);
                } else {
                    Pack(MovedTo(places, i, to[k]), s.key0, s.key1);
                }
                s.at = SlotOf(s.key0, s.key1);
                __builtin_prefetch(&table_[s.at]);
            }
        }
        // The bound of the position taken while the table is fetched.
        boundOf(places);
        // Whether a step ends on full and empty rows: with every solved
        // field among the targets, exactly when it leaves no step to go;
        // otherwise told by the cells in each row.
        const bool rowsTell = !toFirstTarget && !targetsComplete_;
        const std::array<int, 2 * 10> rowCells = rowsTell ? RowCells(places) : fixedRowCells_;
        const auto solvedAfter = [&](const Step& s, int hNext) {
            if (!rowsTell) {
                return hNext == 0;
            }
            std::array<int, 2 * 10> childRows = rowCells;
            const int from = padOf_[places[U(s.slot)]];
            for (int off : SolverOffsets[U(slotOrientation_[U(s.slot)])]) {
                --childRows[U(SolverRow(from + off))];
                ++childRows[U(SolverRow(s.next + off))];
            }
            return Solved(childRows);
        };
        for (int k = 0; k < stepCount; ++k) {
            const uint64_t entry = table_[expansion_[U(k)].at];
            if (static_cast<uint32_t>(entry >> 32) == tableStamp_) {
                __builtin_prefetch(&nodes_[(entry & 0xffffffffu) - 1]);
            }
        }
        int cellsOf = -1; // the slot whose group's places are in `cells`
        for (int k = 0; k < stepCount; ++k) {
            const Step& s = expansion_[U(k)];
            const int i = s.slot;
            const int g = groupFirst_[U(i)];
            const int16_t* before = groupSteps.data() + U(g) * kMaxTargets;
            if (cellsOf != i) {
                std::copy(places.begin() + g, places.begin() + groupLast_[U(i)] + 1, cells.begin());
                cellsOf = i;
            }
            const auto cell = static_cast<uint8_t>(fieldOf_[U(s.next)]);
            const int made = node.moves + 1;
            // Most steps lead where the search has been as soon: those
            // are known before the bound is worked out.
            const int32_t c = FindFrom(s.at, s.key0, s.key1, n, made, 0, fresh);
            if (!fresh) {
                if (nodes_[U(c)].moves <= made) {
                    continue;
                }
                nodes_[U(c)].moves = static_cast<int16_t>(made);
                nodes_[U(c)].parent = n;
                nodes_[U(c)].expanded = 0;
            }
            int hNext = INT_MAX;
            if (groupLast_[U(i)] == g) {
                const uint8_t* d = PlaceSteps(i, cell);
                for (std::size_t t = 0; t < targets; ++t) {
                    hNext = std::min(hNext, perTarget[t] - before[t] + d[t]);
                }
            } else {
                cells[U(i - g)] = cell;
                GroupSteps(i, cells.data(), moved.data());
                cells[U(i - g)] = places[U(i)];
                for (std::size_t t = 0; t < targets; ++t) {
                    hNext = std::min(hNext, perTarget[t] - before[t] + moved[t]);
                }
            }
            if (made + hNext >= below) {
                continue; // no shorter than the way known
            }
            if (toFirstTarget ? s.key0 == goal0 && s.key1 == goal1 : solvedAfter(s, hNext)) {
                reached = c;
                break;
            }
            open.Push(priority(made, hNext), c);
        }
    }
    budget.Count(expanded_);
    if (reached < 0) {
        ended = open.Empty();
        return -1;
    }
    const int steps = nodes_[U(reached)].moves;
    PlayInto(p, reached, -1, true);
    p.JoinRuns();
    return steps;
}

} // namespace fenx
