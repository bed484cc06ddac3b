#include "solver/path_clearing.h"

#include <algorithm>
#include <functional>

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

constexpr std::size_t kNodeCapacity = 1 << 16;
constexpr int kParkingChoices = 3;

// A block standing on an anchor, as a random-looking word (the mixing of
// splitmix64): a position's key is the exclusive or of its blocks' words.
uint64_t StandingKey(int block, int anchor) {
    uint64_t z = (static_cast<uint64_t>(block) << 16 | static_cast<uint16_t>(anchor)) *
                     0x9e3779b97f4a7c15ull +
                 0x632be59bd9b4e019ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

uint64_t HeapKey(int priority, int node) {
    return (static_cast<uint64_t>(priority) << 32) | static_cast<uint32_t>(node);
}

} // namespace

PathClearing::PathClearing(Position& p, const Target& t, AnchorSearch& reach, RelaxedWay& relaxed,
                           CheapestWay& cheapest, Budget& budget)
    : p_(p), t_(t), reach_(reach), relaxed_(relaxed), cheapest_(cheapest), budget_(budget) {
    nodes_.reserve(kNodeCapacity);
    frontier_.reserve(kNodeCapacity);
    chain_.reserve(kNodeCapacity);
    chainOld_.reserve(kNodeCapacity);
}

void PathClearing::GoTo(int n) {
    chain_.clear();
    for (int i = n; nodes_[U(i)].parent >= 0; i = nodes_[U(i)].parent) {
        chain_.push_back(i);
    }
    chainOld_.clear();
    for (auto it = chain_.rbegin(); it != chain_.rend(); ++it) {
        const Node& m = nodes_[U(*it)];
        chainOld_.push_back(p_.anchor[U(m.block)]);
        p_.Place(m.block, m.anchor);
    }
}

void PathClearing::GoBack() {
    for (std::size_t i = 0; i < chain_.size(); ++i) {
        const Node& m = nodes_[U(chain_[i])];
        p_.Place(m.block, chainOld_[chainOld_.size() - 1 - i]);
    }
}

bool PathClearing::Clear(int expansions) {
    nodes_.clear();
    frontier_.clear();
    reachedKeys_.Clear();
    reachedKeys_.Insert(0);
    nodes_.push_back(Node{-1, -1, -1, 0, 0, 0});
    frontier_.push_back(HeapKey(0, 0));
    int goal = -1;
    for (int expanded = 0; !frontier_.empty() && expanded < expansions && goal < 0; ++expanded) {
        if (budget_.OutOfTime() ||
            nodes_.size() + kParkingChoices * kMaxBlocks > nodes_.capacity()) {
            break;
        }
        std::pop_heap(frontier_.begin(), frontier_.end(), std::greater<>());
        const int n = static_cast<int>(frontier_.back() & 0xffffffffu);
        frontier_.pop_back();
        budget_.Count(1);
        const Node node = nodes_[U(n)];
        GoTo(n);
        const int mover = cheapest_.Find(p_, t_, relaxed_);
        const int covered = mover >= 0 ? cheapest_.Covered(p_.grid, mover) : 0;
        if (mover >= 0 && covered == 0) {
            goal = n;
        } else if (mover >= 0) {
            ExpandNear(n, node, covered);
        }
        GoBack();
    }
    if (goal <= 0) {
        return false;
    }
    // Play the moves that led there into the plan, with their paths.
    chain_.clear();
    for (int i = goal; nodes_[U(i)].parent >= 0; i = nodes_[U(i)].parent) {
        chain_.push_back(i);
    }
    for (auto it = chain_.rbegin(); it != chain_.rend(); ++it) {
        const Node& m = nodes_[U(*it)];
        reach_.Reach(p_, m.block, m.anchor);
        reach_.MoveTo(p_, m.block, m.anchor);
    }
    return true;
}

// Marks the eight cells around `cell`, and itself, as near.
void PathClearing::MarkNear(int cell) {
    for (int dy = -kSolverStride; dy <= kSolverStride; dy += kSolverStride) {
        for (int dx = -1; dx <= 1; ++dx) {
            near_.Insert(cell + dy + dx);
        }
    }
}

// Children of node n: each free block on or beside the marked way moved to
// one of the few best places it can reach, best meaning off the way, off
// open slots and near. The way's block may move too. A block near the way
// that cannot move at all brings the blocks around it near as well: they
// may have to make room for it first.
void PathClearing::ExpandNear(int n, const Node& node, int covered) {
    near_.Clear();
    for (int cell : cheapest_.MarkedCells()) {
        MarkNear(cell);
    }
    std::array<bool, kMaxBlocks> done{};
    for (bool grew = true; grew;) {
        grew = false;
        for (int b = 0; b < p_.count; ++b) {
            if (done[U(b)] || b == node.block || !t_.Free(p_, b)) {
                continue;
            }
            const auto& offsets = SolverOffsets[U(p_.orientation[U(b)])];
            int onWay = 0;
            bool close = false;
            for (int off : offsets) {
                const int cell = p_.anchor[U(b)] + off;
                onWay += cheapest_.Marked(cell) ? 1 : 0;
                close = close || near_.Contains(cell);
            }
            if (!close) {
                continue;
            }
            done[U(b)] = true;
            reach_.Reach(p_, b, -1);
            if (reach_.Found().size() > 1) {
                AddParkingMoves(n, node, b, covered - onWay);
                continue;
            }
            for (int off : offsets) {
                MarkNear(p_.anchor[U(b)] + off);
            }
            grew = true;
        }
    }
}

// Children of node n moving block b to the few best places the last
// Reach(b) found; `rest` is the way's cells covered once b has left it.
void PathClearing::AddParkingMoves(int n, const Node& node, int b, int rest) {
    const auto& offsets = SolverOffsets[U(p_.orientation[U(b)])];
    std::array<std::pair<int, int>, kParkingChoices> best{};
    int held = 0;
    for (int a : reach_.Found().subspan(1)) {
        int score = reach_.Distance(a);
        for (int off : offsets) {
            const int cell = a + off;
            score += cheapest_.Marked(cell) ? 100 : 0;
            score += t_.OnOpenSlot(cell) ? kOpenSlotPenalty : 0;
        }
        if (held < kParkingChoices) {
            best[U(held++)] = {score, a};
        } else if (score < best[U(held - 1)].first) {
            best[U(held - 1)] = {score, a};
        } else {
            continue;
        }
        for (int k = held - 1; k > 0 && best[U(k)].first < best[U(k - 1)].first; --k) {
            std::swap(best[U(k)], best[U(k - 1)]);
        }
    }
    const uint64_t leaving = node.key ^ StandingKey(b, p_.anchor[U(b)]);
    for (int k = 0; k < held; ++k) {
        const int a = best[U(k)].second;
        const uint64_t key = leaving ^ StandingKey(b, a);
        if (!reachedKeys_.Insert(key)) {
            continue;
        }
        int lands = 0;
        for (int off : offsets) {
            lands += cheapest_.Marked(a + off) ? 1 : 0;
        }
        const int estimate = std::max(0, rest + lands);
        nodes_.push_back(Node{n, static_cast<int16_t>(b), static_cast<int16_t>(a),
                              static_cast<int16_t>(node.depth + 1), static_cast<int16_t>(estimate),
                              key});
        frontier_.push_back(
            HeapKey(estimate * 8 + node.depth + 1, static_cast<int>(nodes_.size()) - 1));
        std::push_heap(frontier_.begin(), frontier_.end(), std::greater<>());
    }
}

} // namespace fenx
