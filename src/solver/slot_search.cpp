// Filling a target slot by slot where fixed blocks leave the plain filling
// no room: a slot that no block can walk to is reached by a search over the
// positions of the blocks not yet placed, those on their slots held still.
// Positions are judged by the cheapest way of a fitting block to the slot,
// cells of other blocks on it counting extra, so moves that clear the way
// come first.
#include <algorithm>
#include <functional>

#include "solver/exact_search.h"
#include "solver/slot_filling.h"

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

bool ExactSearch::FillTarget(Target& t, Position& p, Budget& budget, long nodeBudget,
                             int moveWeight) {
    expanded_ = 0;
    if (!Packs(p) || !t.AssignFixed(p)) {
        return false;
    }
    const std::size_t moveLimit = static_cast<std::size_t>(60 * p.count + 100);
    for (;;) {
        t.AssignStanding(p);
        int open = 0;
        for (int s = 0; s < t.slotCount; ++s) {
            open += t.slotBlock[U(s)] < 0 ? 1 : 0;
        }
        if (open == 0) {
            return true;
        }
        if (budget.OutOfTime() || p.moves.size() > moveLimit) {
            return false;
        }
        // The nearest block that can walk to a ready slot as things stand;
        // it is assigned when the loop comes round.
        int block = -1;
        if (MoveNearestToReadySlot(p, t, reach_, block) >= 0) {
            continue;
        }
        // Else a search for the first ready slot it can fill.
        int32_t reached = -1;
        for (int s = 0; s < t.slotCount && reached < 0; ++s) {
            if (t.SlotReady(s)) {
                reached = SearchSlot(t, p, budget, s, nodeBudget, moveWeight);
            }
        }
        if (reached < 0) {
            return false;
        }
        PlayInto(p, reached, -1, true);
    }
}

int32_t ExactSearch::SearchSlot(const Target& t, const Position& p, Budget& budget, int slot,
                                long nodeBudget, int moveWeight) {
    ClearArena();
    Prepare(p, &t);
    const int o = t.slotOrientation[U(slot)];
    const int goal = t.slotAnchor[U(slot)];
    int first = -1;
    int last = -1;
    for (int i = 0; i < movable_; ++i) {
        if (slotOrientation_[U(i)] == o) {
            first = groupFirst_[U(i)];
            last = groupLast_[U(i)];
            break;
        }
    }
    if (first < 0) {
        return -1;
    }
    Places places{};
    for (int i = 0; i < movable_; ++i) {
        places[U(i)] = static_cast<uint8_t>(fieldOf_[U(p.anchor[U(slotBlock_[U(i)])])]);
    }
    for (int i = 0; i < movable_; ++i) {
        std::sort(places.begin() + groupFirst_[U(i)], places.begin() + groupLast_[U(i)] + 1);
    }
    uint64_t key0 = 0;
    uint64_t key1 = 0;
    Pack(places, key0, key1);
    bool fresh = false;
    Find(key0, key1, -1, 0, 0, fresh);
    std::vector<uint64_t>& open = open_[0];
    open.push_back(HeapKey(0, 0));
    SolverGrid grid;
    int32_t found = -1;
    while (found < 0 && expanded_ < nodeBudget && !open.empty()) {
        if ((expanded_ & 15) == 0 && budget.OutOfTime()) {
            break;
        }
        const int32_t n = TakeBest(open, places, grid);
        const Node node = nodes_[U(n)];
        int traveller = -1;
        int crowded = 0;
        const int waySteps = RelaxedWay(grid, places, o, goal, first, last, traveller, crowded);
        if (waySteps < 0) {
            continue; // no way even through other blocks
        }
        const int wayCost = waySteps + kCrowded * crowded;
        for (int i = 0; i < movable_ && found < 0; ++i) {
            if (nodes_.size() + 128 > room_) {
                open.clear(); // out of room
                break;
            }
            const int bo = slotOrientation_[U(i)];
            const int start = padOf_[places[U(i)]];
            const auto self = static_cast<int8_t>(i);
            reach_.Walk(grid, start, bo, self, [&](int next) {
                const auto cell = static_cast<uint8_t>(fieldOf_[U(next)]);
                Pack(MovedTo(places, i, cell), key0, key1);
                const int32_t c = Find(key0, key1, n, node.moves + 1, 0, fresh);
                if (!fresh) {
                    return true;
                }
                if (bo == o && next == goal) {
                    found = c;
                    return false;
                }
                // Judged by the way of the parent position: its steps
                // and the cells of others on it, as this move changes
                // them.
                int judged = wayCost;
                if (i == traveller) {
                    const bool reached = wayVisit_[U(next)] + 1 >= visitStamp_;
                    judged = reached ? std::min<int>(judged, wayCost_[U(next)]) : judged + 1;
                } else {
                    int onWay = crowded;
                    for (int off : SolverOffsets[U(bo)]) {
                        onWay -= wayMark_.Contains(start + off) ? 1 : 0;
                        onWay += wayMark_.Contains(next + off) ? 1 : 0;
                    }
                    judged = waySteps + kCrowded * onWay;
                }
                open.push_back(HeapKey(moveWeight * (node.moves + 1) + 2 * judged, c));
                std::push_heap(open.begin(), open.end(), std::greater<>());
                return true;
            });
        }
    }
    budget.Count(expanded_);
    expanded_ = 0;
    return found;
}

int ExactSearch::RelaxedWay(const SolverGrid& grid, const Places& places, int o, int goal,
                            int first, int last, int& traveller, int& crowded) {
    // Best first from the goal over anchors; a place of the orientation
    // ends it.
    if (visitStamp_ >= 0xfffffff0u) {
        wayVisit_.fill(0);
        visitStamp_ = 0;
    }
    const uint32_t visit = ++visitStamp_;
    const uint32_t done = ++visitStamp_;
    // Cells of the blocks to move cost kCrowded more, those held still are
    // closed.
    wayPrices_.Price(grid, width_, rows_,
                     [](int v) { return v == kOtherBlock ? kClosedCellPrice : kCrowded; });
    const auto& offsets = SolverOffsets[U(o)];
    std::size_t heap = 0;
    wayCost_[U(goal)] = 0;
    waySteps_[U(goal)] = 0;
    wayParent_[U(goal)] = -1;
    wayVisit_[U(goal)] = visit;
    wayHeap_[heap++] = static_cast<uint64_t>(goal);
    int end = -1;
    while (heap > 0) {
        std::pop_heap(wayHeap_.begin(), wayHeap_.begin() + static_cast<std::ptrdiff_t>(heap),
                      std::greater<>());
        const uint64_t top = wayHeap_[--heap];
        const int at = static_cast<int>(top & 0xffff);
        if (wayVisit_[U(at)] == done || static_cast<int>(top >> 16) != wayCost_[U(at)]) {
            continue;
        }
        wayVisit_[U(at)] = done;
        const int cell = fieldOf_[U(at)];
        for (int j = first; j <= last && end < 0; ++j) {
            if (places[U(j)] == cell) {
                end = at;
                traveller = j;
            }
        }
        if (end >= 0) {
            break;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            const int price = wayPrices_.Step(next, offsets);
            if (wayVisit_[U(next)] == done || price >= kClosedCellPrice) {
                continue;
            }
            const int cost = wayCost_[U(at)] + price;
            if (wayVisit_[U(next)] != visit || cost < wayCost_[U(next)]) {
                wayVisit_[U(next)] = visit;
                wayCost_[U(next)] = static_cast<int16_t>(cost);
                waySteps_[U(next)] = static_cast<int16_t>(waySteps_[U(at)] + 1);
                wayParent_[U(next)] = static_cast<int16_t>(at);
                if (heap < wayHeap_.size()) {
                    wayHeap_[heap++] =
                        static_cast<uint64_t>(cost) << 16 | static_cast<uint64_t>(next);
                    std::push_heap(wayHeap_.begin(),
                                   wayHeap_.begin() + static_cast<std::ptrdiff_t>(heap),
                                   std::greater<>());
                }
            }
        }
    }
    if (end < 0) {
        return -1;
    }
    // The costs stay for judging the traveller's own moves; the marks now
    // tell the cells on the way.
    const int steps = waySteps_[U(end)];
    wayMark_.Clear();
    crowded = 0;
    const auto self = static_cast<int8_t>(traveller);
    for (int at = end; at >= 0; at = wayParent_[U(at)]) {
        for (int off : SolverOffsets[U(o)]) {
            const int c = at + off;
            if (!wayMark_.Contains(c)) {
                wayMark_.Insert(c);
                const int8_t v = grid.cells[U(c)];
                crowded += v >= 0 && v != self && v != static_cast<int8_t>(kOtherBlock) ? 1 : 0;
            }
        }
    }
    return steps;
}

} // namespace fenx
