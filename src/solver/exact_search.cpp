#include "solver/exact_search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <functional>
#include <new>

#include "solver/row_sets.h"

namespace fenx {
namespace {

// A search with a bound on the positions it expands stores about three
// new positions for each (most steps lead where it has been), so it is
// given room for four, and never less than the table's least front.
constexpr long kNodesPerExpansion = 4;
constexpr int kLeastRoomBits = 12;
constexpr int kBitsPerSlot = 7;
constexpr int kSlotsPerWord = 9;
constexpr int kMaxSlots = 2 * kSlotsPerWord;
// A block still to bring to its place weighs as much as this many moves
// made, and each step still to go this many quarters of a move: the search
// leans hard toward progress rather than short plans (the plan improver
// shortens them after), which finds a way through the few stages with a
// deep jam several times sooner.
constexpr int kMisplacedWeight = 8;
constexpr int kStepWeight = 3;

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

template <typename Counts, typename Bits>
void AddBits(Counts& counts, const Bits& bits, int by) {
    for (std::size_t word = 0; word < bits.size(); ++word) {
        for (uint64_t m = bits[word]; m != 0; m &= m - 1) {
            counts[word * 64 + static_cast<std::size_t>(std::countr_zero(m))] +=
                static_cast<int16_t>(by);
        }
    }
}

} // namespace

ExactSearch::ExactSearch(int capacityBits)
    : capacity_(std::size_t{1} << capacityBits), tableBits_(capacityBits + 1), room_(capacity_),
      roomBits_(tableBits_) {}

bool ExactSearch::Packs(const Position& p) {
    int movable = 0;
    for (int b = 0; b < p.count; ++b) {
        movable += p.Movable(b) ? 1 : 0;
    }
    return U(p.width * 2 * p.height) <= kFieldCells && movable <= kMaxSlots;
}

void ExactSearch::Prepare(const Position& p, const Target* placedOn) {
    const auto still = [&p, placedOn](int b) {
        return !p.Movable(b) || (placedOn != nullptr && placedOn->blockSlot[U(b)] >= 0);
    };
    width_ = p.width;
    rows_ = 2 * p.height;
    movable_ = 0;
    total_ = 4 * p.count;
    for (int o = 0; o < kOrientationCount; ++o) {
        for (int b = 0; b < p.count; ++b) {
            if (!still(b) && p.orientation[U(b)] == o) {
                slotBlock_[U(movable_)] = static_cast<int16_t>(b);
                slotOrientation_[U(movable_)] = static_cast<int16_t>(o);
                ++movable_;
            }
        }
    }
    for (int i = 0; i < movable_; ++i) {
        groupFirst_[U(i)] = static_cast<int8_t>(
            i > 0 && slotOrientation_[U(i - 1)] == slotOrientation_[U(i)] ? groupFirst_[U(i - 1)]
                                                                          : i);
    }
    for (int i = movable_ - 1; i >= 0; --i) {
        groupLast_[U(i)] = static_cast<int8_t>(i + 1 < movable_ && slotOrientation_[U(i + 1)] ==
                                                                       slotOrientation_[U(i)]
                                                   ? groupLast_[U(i + 1)]
                                                   : i);
    }
    fieldOf_.fill(-1);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < width_; ++c) {
            padOf_[U(r * width_ + c)] = static_cast<int16_t>(SolverIndex(c, r));
            fieldOf_[U(SolverIndex(c, r))] = static_cast<int16_t>(r * width_ + c);
        }
    }
    base_.Reset(width_, rows_);
    fixedRowCells_.fill(0);
    int fixedTop = rows_;
    int fixedBottom = -1;
    for (int b = 0; b < p.count; ++b) {
        if (!still(b)) {
            continue;
        }
        const int o = p.orientation[U(b)];
        base_.Write(p.anchor[U(b)], o, static_cast<int8_t>(kOtherBlock));
        for (int off : SolverOffsets[U(o)]) {
            const int r = SolverRow(p.anchor[U(b)] + off);
            ++fixedRowCells_[U(r)];
            fixedTop = std::min(fixedTop, r);
            fixedBottom = std::max(fixedBottom, r);
        }
    }
    fixedRows_ = 0;
    for (int r = fixedTop; r <= fixedBottom; ++r) {
        fixedRows_ |= fixedRowCells_[U(r)] != 0 ? uint32_t{1} << r : 0;
    }
    rowSetCount_ =
        placedOn != nullptr ? 0 : CollectRowSets(width_, rows_ / 2, fixedRows_, rowSets_);
}

void ExactSearch::Pack(const Places& places, uint64_t& key0, uint64_t& key1) const {
    key0 = 0;
    key1 = 0;
    for (int i = 0; i < movable_; ++i) {
        Repack(i, 0, places[U(i)], key0, key1);
    }
}

void ExactSearch::Repack(int i, uint8_t from, uint8_t to, uint64_t& key0, uint64_t& key1) {
    const uint64_t change = static_cast<uint64_t>(from ^ to);
    if (i < kSlotsPerWord) {
        key0 ^= change << (i * kBitsPerSlot);
    } else {
        key1 ^= change << ((i - kSlotsPerWord) * kBitsPerSlot);
    }
}

void ExactSearch::Unpack(uint64_t key0, uint64_t key1, Places& places) const {
    constexpr uint64_t mask = (1u << kBitsPerSlot) - 1;
    for (int i = 0; i < movable_; ++i) {
        const uint64_t v = i < kSlotsPerWord ? key0 >> (i * kBitsPerSlot)
                                             : key1 >> ((i - kSlotsPerWord) * kBitsPerSlot);
        places[U(i)] = static_cast<uint8_t>(v & mask);
    }
}

// Takes the best position off `open`, counts it expanded and lays it out in
// `grid`; returns its node.
int32_t ExactSearch::TakeBest(std::vector<uint64_t>& open, Places& places, SolverGrid& grid) {
    std::pop_heap(open.begin(), open.end(), std::greater<>());
    const int32_t n = HeapNode(open.back());
    open.pop_back();
    ++expanded_;
    Unpack(nodes_[U(n)].key0, nodes_[U(n)].key1, places);
    grid = base_;
    for (int i = 0; i < movable_; ++i) {
        grid.Write(padOf_[places[U(i)]], slotOrientation_[U(i)], static_cast<int8_t>(i));
    }
    return n;
}

ExactSearch::Places ExactSearch::MovedTo(const Places& places, int i, uint8_t cell) const {
    // Slot i keeps its group (its orientation) sorted: it slides past its
    // neighbours to where the new cell belongs.
    Places moved = places;
    int k = i;
    while (k > groupFirst_[U(i)] && moved[U(k - 1)] > cell) {
        moved[U(k)] = moved[U(k - 1)];
        --k;
    }
    while (k < groupLast_[U(i)] && moved[U(k + 1)] < cell) {
        moved[U(k)] = moved[U(k + 1)];
        ++k;
    }
    moved[U(k)] = cell;
    return moved;
}

int32_t ExactSearch::FindFrom(std::size_t at, uint64_t key0, uint64_t key1, int32_t parent,
                              int moves, int side, bool& fresh) {
    const std::size_t mask = (std::size_t{1} << roomBits_) - 1;
    for (;; at = (at + 1) & mask) {
        const uint64_t entry = table_[at];
        if (static_cast<uint32_t>(entry >> 32) != tableStamp_) {
            break;
        }
        const int32_t n = static_cast<int32_t>(entry & 0xffffffffu) - 1;
        if (nodes_[U(n)].key0 == key0 && nodes_[U(n)].key1 == key1) {
            fresh = false;
            return n;
        }
    }
    fresh = true;
    const auto n = static_cast<int32_t>(nodes_.size());
    nodes_.push_back(
        Node{key0, key1, parent, static_cast<int16_t>(moves), static_cast<int8_t>(side), 0});
    table_[at] = (static_cast<uint64_t>(tableStamp_) << 32) | static_cast<uint32_t>(n + 1);
    return n;
}

void ExactSearch::ClearArena(long nodeBudget) {
    if (nodes_.capacity() == 0) {
        nodes_.reserve(capacity_);
        chain_.reserve(std::size_t{1} << 16); // far longer than any plan
        open_[0].reserve(capacity_);
        open_[1].reserve(capacity_);
        // Zeroed by the system page by page as the searches first touch
        // them: a small search never waits for the whole table.
        table_.reset(
            static_cast<uint64_t*>(std::calloc(std::size_t{1} << tableBits_, sizeof(uint64_t))));
        if (!table_) {
            throw std::bad_alloc();
        }
    }
    if (++tableStamp_ == 0) {
        std::fill_n(table_.get(), std::size_t{1} << tableBits_, uint64_t{0});
        tableStamp_ = 1;
    }
    // The front that holds kNodesPerExpansion new positions for each one
    // the search may expand, or the whole table.
    roomBits_ = tableBits_;
    room_ = capacity_;
    while (nodeBudget > 0 && roomBits_ > kLeastRoomBits &&
           static_cast<long>(room_ / 2) >= kNodesPerExpansion * nodeBudget) {
        --roomBits_;
        room_ /= 2;
    }
    nodes_.clear();
    open_[0].clear();
    open_[1].clear();
}

bool ExactSearch::Run(Position& p, Budget& budget, long nodeBudget, bool fromCurrent,
                      bool allRowSets) {
    expanded_ = 0;
    if (!Packs(p)) {
        return false;
    }
    ClearArena();
    Prepare(p, nullptr);
    const auto& from = fromCurrent ? p.anchor : p.startAnchor;
    lying_.fill(-1);
    for (int i = 0; i < movable_; ++i) {
        lying_[U(from[U(slotBlock_[U(i)])])] = static_cast<int8_t>(slotOrientation_[U(i)]);
    }
    CollectTargets(p, allRowSets);

    Places places{};
    for (int i = 0; i < movable_; ++i) {
        places[U(i)] = static_cast<uint8_t>(fieldOf_[U(from[U(slotBlock_[U(i)])])]);
        targetBits_[U(slotOrientation_[U(i)])][places[U(i)]][kStartTarget / 64] |=
            uint64_t{1} << (kStartTarget % 64);
    }
    for (int i = 0; i < movable_; ++i) {
        std::sort(places.begin() + groupFirst_[U(i)], places.begin() + groupLast_[U(i)] + 1);
    }
    MeasureSteps();
    uint64_t key0 = 0;
    uint64_t key1 = 0;
    Pack(places, key0, key1);
    bool fresh = false;
    Find(key0, key1, -1, 0, 0, fresh);
    open_[0].push_back(HeapKey(0, 0));
    // The second search starts from every target at once.
    for (int t = 0; t < targetCount_; ++t) {
        Pack(targetPlaces_[U(t)], key0, key1);
        const int32_t r = Find(key0, key1, -1, 0, 1, fresh);
        if (fresh) {
            open_[1].push_back(HeapKey(0, r));
        }
    }

    SolverGrid grid;
    std::array<int, 2 * 10> rowCells{};
    int32_t forward = -1;
    int32_t backward = -1;
    int side = 1;
    while (forward < 0 && expanded_ < nodeBudget) {
        if ((expanded_ & 15) == 0 && budget.OutOfTime()) {
            break;
        }
        side = open_[U(1 - side)].empty() ? side : 1 - side;
        std::vector<uint64_t>& open = open_[U(side)];
        if (open.empty()) {
            break;
        }
        const int32_t n = TakeBest(open, places, grid);
        const Node node = nodes_[U(n)];
        rowCells = RowCells(places);
        if (n == 0 && Solved(rowCells)) {
            forward = 0;
            break;
        }
        int stepsLeft = 0;
        for (int i = 0; i < movable_; ++i) {
            stepsLeft += steps_[U(side)][U(slotOrientation_[U(i)])][places[U(i)]];
        }
        // For each target, how many of its places hold a block already.
        std::array<int16_t, kMaxTargets> held{};
        for (int i = 0; i < movable_; ++i) {
            AddBits(held, targetBits_[U(slotOrientation_[U(i)])][places[U(i)]], 1);
        }
        const int firstTarget = side == 0 ? 0 : kStartTarget;
        const int endTarget = side == 0 ? targetCount_ : kStartTarget + 1;
        for (int i = 0; i < movable_ && forward < 0; ++i) {
            if (nodes_.size() + 128 > room_) {
                open_[0].clear(); // out of room
                open_[1].clear();
                break;
            }
            const int o = slotOrientation_[U(i)];
            const int start = padOf_[places[U(i)]];
            const auto self = static_cast<int8_t>(i);
            for (int off : SolverOffsets[U(o)]) {
                --rowCells[U(SolverRow(start + off))];
            }
            // The best target without block i where it stands.
            const TargetBits& leaving = targetBits_[U(o)][places[U(i)]];
            AddBits(held, leaving, -1);
            int bestWithout = 0;
            for (int t = firstTarget; t < endTarget; ++t) {
                bestWithout = std::max<int>(bestWithout, held[U(t)]);
            }
            reach_.Walk(grid, start, o, self, [&](int next) {
                const auto cell = static_cast<uint8_t>(fieldOf_[U(next)]);
                Pack(MovedTo(places, i, cell), key0, key1);
                const int32_t c = Find(key0, key1, n, node.moves + 1, side, fresh);
                if (!fresh) {
                    if (nodes_[U(c)].side != side) {
                        // The two searches meet.
                        forward = side == 0 ? n : c;
                        backward = side == 0 ? c : n;
                        return false;
                    }
                    return true;
                }
                std::array<int, 2 * 10> childRows = rowCells;
                for (int off : SolverOffsets[U(o)]) {
                    ++childRows[U(SolverRow(next + off))];
                }
                if (side == 0 && Solved(childRows)) {
                    forward = c;
                    return false;
                }
                int best = bestWithout;
                const TargetBits& bits = targetBits_[U(o)][cell];
                for (std::size_t word = 0; word < bits.size(); ++word) {
                    for (uint64_t m = bits[word]; m != 0; m &= m - 1) {
                        const int t = static_cast<int>(word * 64) + std::countr_zero(m);
                        if (t >= firstTarget && t < endTarget) {
                            best = std::max(best, held[U(t)] + 1);
                        }
                    }
                }
                const int misplaced =
                    side == 1 || targetCount_ > 0 ? movable_ - best : Outside(childRows);
                const int childSteps =
                    stepsLeft - steps_[U(side)][U(o)][places[U(i)]] + steps_[U(side)][U(o)][cell];
                open.push_back(HeapKey(4 * (node.moves + 1 + kMisplacedWeight * misplaced) +
                                           kStepWeight * childSteps,
                                       c));
                std::push_heap(open.begin(), open.end(), std::greater<>());
                return true;
            });
            for (int off : SolverOffsets[U(o)]) {
                ++rowCells[U(SolverRow(start + off))];
            }
            AddBits(held, leaving, 1);
        }
    }
    budget.Count(expanded_);
    if (forward < 0) {
        return false;
    }
    PlayInto(p, forward, backward, fromCurrent);
    return true;
}

// Replays the positions from the search's start to `goal` as block moves
// with their single-step paths.
void ExactSearch::PlayInto(Position& p, int32_t forward, int32_t backward, bool fromCurrent) {
    // The positions in order, last first: the target, then the way back
    // from it to `backward`, then `forward` and its way to the start.
    std::vector<int32_t>& chain = chain_;
    chain.clear();
    for (int32_t n = backward; n >= 0; n = nodes_[U(n)].parent) {
        chain.push_back(n);
    }
    std::reverse(chain.begin(), chain.end());
    for (int32_t n = forward; n >= 0; n = nodes_[U(n)].parent) {
        chain.push_back(n);
    }
    if (!fromCurrent) {
        p.Restart();
    }
    Places before{};
    Places after{};
    for (std::size_t k = chain.size() - 1; k > 0; --k) {
        const Node& from = nodes_[U(chain[k])];
        const Node& to = nodes_[U(chain[k - 1])];
        Unpack(from.key0, from.key1, before);
        Unpack(to.key0, to.key1, after);
        // Within the one group that changed, the place left and the place
        // taken.
        int left = -1;
        int taken = -1;
        int group = -1;
        for (int i = 0; i < movable_ && group < 0; ++i) {
            if (before[U(i)] != after[U(i)]) {
                group = groupFirst_[U(i)];
            }
        }
        const uint8_t* afterFirst = after.data() + group;
        const uint8_t* afterEnd = after.data() + groupLast_[U(group)] + 1;
        const uint8_t* beforeFirst = before.data() + group;
        const uint8_t* beforeEnd = before.data() + groupLast_[U(group)] + 1;
        for (int i = group; i <= groupLast_[U(group)]; ++i) {
            if (std::find(afterFirst, afterEnd, before[U(i)]) == afterEnd) {
                left = before[U(i)];
            }
            if (std::find(beforeFirst, beforeEnd, after[U(i)]) == beforeEnd) {
                taken = after[U(i)];
            }
        }
        const int o = slotOrientation_[U(group)];
        for (int b = 0; b < p.count; ++b) {
            if (p.Movable(b) && p.orientation[U(b)] == o && p.anchor[U(b)] == padOf_[U(left)]) {
                reach_.Reach(p, b, padOf_[U(taken)]);
                reach_.MoveTo(p, b, padOf_[U(taken)]);
                break;
            }
        }
    }
}

} // namespace fenx
