#include "solver/planner.h"

#include <algorithm>
#include <bit>
#include <iterator>

#include "solver/planner_work.h"

namespace fenx {
namespace {

constexpr std::size_t kPathCapacity = 1 << 18;
constexpr std::size_t kMoveCapacity = 1 << 14;
constexpr std::size_t kNodeCapacity = 1 << 16;
// Fields up to 32 target cells (7 x 4, 8 x 4).
constexpr int kSmallestField = 32;

// How deep evictions may nest, varied from one attempt to the next: a
// jam that one depth walks into, another gets around.
int EvictionDepth(int variant) {
    static constexpr int kDepths[] = {4, 3, 6, 5, 2};
    return kDepths[variant % 5];
}

// Weights and budgets of the slot-by-slot searches, tried in turn.
struct SlotSearch {
    int moveWeight;
    long budget;
};
constexpr SlotSearch kSlotSearches[] = {{8, 100000},  {16, 100000}, {24, 100000},
                                        {12, 200000}, {16, 200000}, {4, 200000}};

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

void PlannerWork::Load(const BlockList& blocks, int w, int h) {
    width = w;
    height = h;
    count = blocks.count;
    startGrid.Reset(w, 2 * h);
    for (int b = 0; b < count; ++b) {
        const Block& block = blocks[b];
        orientation[U(b)] = block.orientation;
        startAnchor[U(b)] = static_cast<int16_t>(SolverIndex(block.column, block.row));
        tilingAnchor[U(b)] =
            static_cast<int16_t>(SolverIndex(block.solutionColumn, block.solutionRow));
        fixed[U(b)] = block.fixed != 0 ? 1 : 0;
        startGrid.Write(startAnchor[U(b)], block.orientation, static_cast<int8_t>(b));
    }
}

bool PlannerWork::OutOfTime() {
    if (stopped) {
        return true;
    }
    if ((cancel != nullptr && cancel->load(std::memory_order_relaxed)) ||
        std::chrono::steady_clock::now() > deadline) {
        stopped = true;
    }
    return stopped;
}

void PlannerWork::Restart() {
    grid = startGrid;
    anchor = startAnchor;
    moves.clear();
    path.clear();
}

// A few random moves from the position planned so far, each a random free
// block walked to a random place it can reach: a fresh start for a filling
// that the position itself keeps leading into the same jam.
void PlannerWork::Shake(int moveCount) {
    for (int i = 0; i < moveCount; ++i) {
        const int b = static_cast<int>(NextRandom() % static_cast<uint32_t>(count));
        if (fixed[U(b)] != 0) {
            continue;
        }
        Reach(b, -1);
        if (queued > 1) {
            MoveAlongSearch(
                b,
                queue[U(1 + static_cast<int>(NextRandom() % static_cast<uint32_t>(queued - 1)))]);
        }
    }
}

// Breadth-first over block b's anchors with every other block held still.
// Stops early once `stopAt` is reached; returns its distance, or -1. Only
// anchors nearer than `within` are sure to be found.
int PlannerWork::Reach(int b, int stopAt, int within) {
    if (++stamp == 0) {
        seen.fill(0);
        stamp = 1;
    }
    const int o = orientation[U(b)];
    const auto self = static_cast<int8_t>(b);
    const int start = anchor[U(b)];
    seen[U(start)] = stamp;
    parent[U(start)] = -1;
    distance[U(start)] = 0;
    queue[0] = static_cast<int16_t>(start);
    queued = 1;
    if (start == stopAt) {
        return 0;
    }
    for (int head = 0; head < queued; ++head) {
        const int at = queue[U(head)];
        if (distance[U(at)] + 1 >= within) {
            break;
        }
        for (int step : SolverSteps) {
            const int next = at + step;
            if (seen[U(next)] == stamp || !grid.Fits(next, o, self)) {
                continue;
            }
            seen[U(next)] = stamp;
            parent[U(next)] = static_cast<int16_t>(at);
            distance[U(next)] = static_cast<int16_t>(distance[U(at)] + 1);
            queue[U(queued++)] = static_cast<int16_t>(next);
            if (next == stopAt) {
                return distance[U(next)];
            }
        }
    }
    return -1;
}

// Moves block b to `to`, which the last Reach(b, ...) found, and writes the
// path into the plan.
void PlannerWork::MoveAlongSearch(int b, int to) {
    const int begin = static_cast<int>(path.size());
    for (int at = to; at >= 0; at = parent[U(at)]) {
        path.push_back(Cell{SolverColumn(at), SolverRow(at)});
    }
    std::reverse(path.begin() + begin, path.end());
    moves.push_back(PlannedMove{static_cast<int16_t>(b), begin, static_cast<int32_t>(path.size())});
    const int o = orientation[U(b)];
    grid.Write(anchor[U(b)], o, kSolverFree);
    grid.Write(to, o, static_cast<int8_t>(b));
    anchor[U(b)] = static_cast<int16_t>(to);
}

void PlannerWork::KeepIfFurthest() {
    const int n = std::popcount(filled[0]) + std::popcount(filled[1]);
    if (n > bestFilled) {
        bestFilled = n;
        bestAnchor = anchor;
        bestMoves = moves;
        bestPath = path;
    }
}

void PlannerWork::BackToFurthest() {
    if (bestFilled < 0) {
        Restart();
        return;
    }
    anchor = bestAnchor;
    moves = bestMoves;
    path = bestPath;
    grid.Reset(width, 2 * height);
    for (int b = 0; b < count; ++b) {
        grid.Write(anchor[U(b)], orientation[U(b)], static_cast<int8_t>(b));
    }
}

// Covers of every set of rows that may end the stage, filled slot by slot
// in the reverse order of taking them apart, with the search over
// positions where no block can walk to a slot.
bool PlannerWork::FillSlotBySlot(long budget, int moveWeight) {
    escapeOrder = true;
    for (int k = 0; k < rowSetCount; ++k) {
        if (OutOfTime()) {
            break;
        }
        random = static_cast<uint32_t>(1 + k * 7919);
        if (BuildCoverTarget(rowSets[U(k)], true, 40000)) {
            Restart();
            if (exact->FillTarget(*this, budget, moveWeight)) {
                escapeOrder = false;
                return true;
            }
            KeepIfFurthest();
        }
    }
    escapeOrder = false;
    return false;
}

Planner::Planner() : work_(std::make_unique<PlannerWork>()) {
    work_->path.reserve(kPathCapacity);
    work_->moves.reserve(kMoveCapacity);
    work_->bestPath.reserve(kPathCapacity);
    work_->bestMoves.reserve(kMoveCapacity);
    work_->nodes.reserve(kNodeCapacity);
    for (auto& bucket : work_->buckets) {
        bucket.reserve(kSolverCells);
    }
    work_->frontier.reserve(kNodeCapacity);
    work_->chain.reserve(kNodeCapacity);
    work_->chainOld.reserve(kNodeCapacity);
}

Planner::~Planner() = default;

bool Planner::Plan(const BlockList& blocks, int width, int height, const PlanLimits& limits) {
    PlannerWork& w = *work_;
    w.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.budgetMs);
    w.cancel = limits.cancel;
    w.stopped = false;
    w.expansions = 0;
    w.bestFilled = -1;
    w.escapeOrder = false;
    w.Load(blocks, width, height);
    // A portfolio: cheap targets with small clearing searches first, then
    // the same again with more patience, then covers found by search.
    static constexpr TargetKind kKinds[] = {TargetKind::TilingLower, TargetKind::TilingUpper,
                                            TargetKind::CoverLower, TargetKind::CoverUpper};
    static constexpr int kBudgets[] = {30, 300, 3000};
    static constexpr long kExactBudgets[] = {0, 100000, 1000000};
    static constexpr int kShakenCoversFirst = 400;
    // Where it helps, the search over whole positions takes over where the
    // slot filling runs into a dead end: on the smallest fields from the
    // start, with fixed blocks from where the filling got furthest, where
    // most blocks are in place and few moves are missing. Elsewhere the
    // filling from a few random moves away gets out of a jam far sooner.
    const bool packs = ExactSearch::Packs(w);
    const bool smallest = packs && width * height <= kSmallestField;
    // The rows a cover may fill: first the two halves; with fixed blocks,
    // or once the halves have failed, every set of rows that may end the
    // stage.
    const RowSet fixedRows = w.FixedRows();
    const bool exactHelps = packs && (smallest || fixedRows != 0);
    if (exactHelps && (!w.exact || w.exact->CapacityBits() != limits.searchBits)) {
        w.exact = std::make_unique<ExactSearch>(limits.searchBits);
    }
    const RowSet upperHalf = (RowSet{1} << height) - 1;
    bool allSets = fixedRows != 0;
    if (allSets) {
        w.rowSetCount = CollectRowSets(width, height, fixedRows, w.rowSets);
    } else {
        w.rowSets[0] = upperHalf << height;
        w.rowSets[1] = upperHalf;
        w.rowSetCount = 2;
    }
    // The search over whole positions goes on from the filling that got
    // furthest; without fixed blocks it aims at the halves, so only
    // fillings of a half from its own wall count.
    const auto tryTarget = [&](bool built, int budget) {
        if (!built) {
            return false;
        }
        w.Restart();
        if (w.Fill(budget)) {
            return true;
        }
        const bool ownWall = w.targetRows == (w.fromFloor ? upperHalf << height : upperHalf);
        if (fixedRows != 0 || (!w.escapeOrder && ownWall)) {
            w.KeepIfFurthest();
        }
        return false;
    };
    // Ever new covers, each filled from a few random moves away from the
    // start (none for some): `tries` of them, or while the time lasts.
    uint32_t seed = 1000003;
    const auto shakenCovers = [&](int tries) {
        for (; tries != 0; --tries, seed += 7919) {
            if (w.OutOfTime() || w.rowSetCount == 0) {
                return false; // with no row sets, the fixed blocks lie where
                              // no solved field has them
            }
            w.random = seed;
            w.evictionDepth = EvictionDepth(static_cast<int>(seed % 5));
            const bool floor = (seed & 1) != 0;
            const int k = static_cast<int>((seed >> 1) % U(w.rowSetCount));
            w.escapeOrder = (seed >> 2 & 1) != 0;
            if (!w.BuildCoverTarget(w.rowSets[U(k)], floor, 80000)) {
                continue;
            }
            w.Restart();
            w.Shake(static_cast<int>((seed >> 3) % 7));
            if (w.Fill(kBudgets[1])) {
                return true;
            }
        }
        return false;
    };
    for (int round = 0; round < 3; ++round) {
        // Where the search over whole positions does not help, covers from
        // a few random moves away come before the last round's patience:
        // a filling that keeps running into the same jam gets out sooner.
        if (round == 2 && !exactHelps && shakenCovers(kShakenCoversFirst)) {
            return true;
        }
        // Where the halves keep failing on a small field, any rows.
        if (round == 2 && packs && !allSets) {
            w.rowSetCount = CollectRowSets(width, height, 0, w.rowSets);
            allSets = true;
        }
        for (TargetKind kind : kKinds) {
            if (w.OutOfTime()) {
                return false;
            }
            if (kind == TargetKind::TilingLower || kind == TargetKind::TilingUpper) {
                w.evictionDepth = EvictionDepth(round + static_cast<int>(kind));
                if (tryTarget(w.BuildTilingTarget(kind == TargetKind::TilingLower),
                              kBudgets[round])) {
                    return true;
                }
                continue;
            }
            // Covers fill from the floor or from the ceiling (on the halves
            // each direction has its own half); after the first round, or
            // with fixed blocks, first in the reverse order of taking them
            // apart, which is the same for both directions when every set
            // of rows is tried.
            const bool floor = kind == TargetKind::CoverLower;
            const int orders = allSets ? (floor ? 2 : 1) : (round > 0 ? 2 : 1);
            for (int attempt = 0; attempt < 1 + round * 2; ++attempt) {
                for (int k = 0; k < w.rowSetCount; ++k) {
                    if (!allSets && k != (floor ? 0 : 1)) {
                        continue;
                    }
                    // Without fixed blocks, rows other than the halves are
                    // cleared with less patience.
                    const int budget = fixedRows == 0 && k >= 2 ? kBudgets[1] : kBudgets[round];
                    for (int order = 0; order < orders; ++order) {
                        if (w.OutOfTime()) {
                            return false;
                        }
                        w.escapeOrder = orders == 2 && order == 0;
                        w.random = static_cast<uint32_t>(1 + attempt * 7919 + round * 104729);
                        w.evictionDepth =
                            EvictionDepth(round + attempt + k + order + static_cast<int>(kind));
                        if (tryTarget(w.BuildCoverTarget(w.rowSets[U(k)], floor, 20000L << round),
                                      budget)) {
                            return true;
                        }
                    }
                }
            }
            w.escapeOrder = false;
        }
        // Fixed blocks may leave the filling no room to clear a way; then
        // each slot that nothing can walk to is reached by a search over
        // the positions of the blocks not yet placed: once in the second
        // round, then with other weights and more patience in the last,
        // each time before the search over whole positions.
        if (packs && fixedRows != 0 && round >= 1) {
            const std::size_t first = round == 2 ? 1 : 0;
            const std::size_t end = round == 2 ? std::size(kSlotSearches) : 1;
            for (std::size_t k = first; k < end; ++k) {
                if (w.FillSlotBySlot(kSlotSearches[k].budget, kSlotSearches[k].moveWeight)) {
                    return true;
                }
                if (w.OutOfTime()) {
                    return false;
                }
            }
        }
        if (exactHelps && round >= (smallest ? 1 : 2)) {
            // Past fixed blocks on the larger fields, a while of shaken
            // covers first: the search from the furthest filling can take
            // seconds.
            if (!smallest && shakenCovers(kShakenCoversFirst)) {
                return true;
            }
            if (!smallest) {
                w.BackToFurthest();
            }
            if (w.exact->Run(w, kExactBudgets[round], !smallest)) {
                return true;
            }
        }
    }
    if (exactHelps && w.exact->Run(w, kExactBudgets[2], false, fixedRows != 0)) {
        return true;
    }
    return shakenCovers(-1);
}

std::span<const PlannedMove> Planner::Moves() const {
    return work_->moves;
}

std::span<const Cell> Planner::Path(const PlannedMove& move) const {
    return std::span<const Cell>(work_->path)
        .subspan(static_cast<std::size_t>(move.first),
                 static_cast<std::size_t>(move.last - move.first));
}

long Planner::Expansions() const {
    return work_->expansions;
}

} // namespace fenx
