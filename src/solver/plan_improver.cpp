#include "solver/plan_improver.h"

#include <algorithm>

namespace fenx {
namespace {

std::size_t U(int i) {
    return static_cast<std::size_t>(i);
}

// How many stops apart two moves of one block may be for joining them: the
// stops between are walked again for each try.
constexpr std::size_t kJoinWindow = 40;
// Passes over the stops: a join can open another before it.
constexpr int kJoinPasses = 3;
// Stops added to the tail solved again at each widening.
constexpr std::size_t kTailGrowth = 3;

// Every row full or empty (the blocks fill exactly H rows then).
bool EndsSolved(const Position& p) {
    for (int r = 0; r < 2 * p.height; ++r) {
        int filled = 0;
        for (int c = 0; c < p.width; ++c) {
            filled += p.grid.cells[U(SolverIndex(c, r))] != kSolverFree ? 1 : 0;
        }
        if (filled != 0 && filled != p.width) {
            return false;
        }
    }
    return true;
}

} // namespace

int PlanImprover::Steps(const Position& p) {
    int steps = 0;
    for (const PlannedMove& m : p.moves) {
        steps += std::max(0, m.last - m.first - 1);
    }
    return steps;
}

void PlanImprover::ReadStops() {
    stops_.clear();
    anchor_ = p_.startAnchor;
    for (const PlannedMove& m : p_.moves) {
        if (m.last - m.first < 2) {
            continue;
        }
        const Cell end = p_.path[U(m.last - 1)];
        const auto to = static_cast<int16_t>(SolverIndex(end.column, end.row));
        const auto b = U(m.block);
        if (!stops_.empty() && stops_.back().block == m.block) {
            stops_.back().to = to; // one walk of the same block
            if (stops_.back().from == to) {
                stops_.pop_back(); // back where it was
            }
        } else if (to != anchor_[b]) {
            stops_.push_back(Stop{m.block, anchor_[b], to, 0});
        }
        anchor_[b] = to;
    }
}

int PlanImprover::WalkOn(SolverGrid& grid, std::array<int16_t, kMaxBlocks>& anchor, Stop& s) {
    const auto b = U(s.block);
    const int o = p_.orientation[b];
    const int d = reach_.Reach(grid, anchor[b], o, static_cast<int8_t>(s.block), s.to);
    if (d < 0) {
        return -1;
    }
    grid.Write(anchor[b], o, kSolverFree);
    grid.Write(s.to, o, static_cast<int8_t>(s.block));
    s.from = anchor[b];
    anchor[b] = s.to;
    s.steps = static_cast<int16_t>(d);
    return d;
}

bool PlanImprover::MeasureStops() {
    grid_ = p_.startGrid;
    anchor_ = p_.startAnchor;
    for (Stop& s : stops_) {
        if (WalkOn(grid_, anchor_, s) < 0) {
            return false;
        }
    }
    return true;
}

bool PlanImprover::WalkStops(std::size_t count) {
    p_.Restart();
    for (std::size_t k = 0; k < count; ++k) {
        Stop& s = stops_[k];
        const int d = reach_.Reach(p_, s.block, s.to);
        if (d < 0) {
            return false;
        }
        s.from = p_.anchor[U(s.block)];
        reach_.MoveTo(p_, s.block, s.to);
        s.steps = static_cast<int16_t>(d);
    }
    return true;
}

bool PlanImprover::WalkTrial(int& steps) {
    trialGrid_ = grid_;
    trialAnchor_ = anchor_;
    steps = 0;
    for (Stop& s : trial_) {
        const int d = WalkOn(trialGrid_, trialAnchor_, s);
        if (d < 0) {
            return false;
        }
        steps += d;
    }
    return true;
}

bool PlanImprover::TryJoin(std::size_t i, std::size_t j) {
    const auto first = stops_.begin() + static_cast<std::ptrdiff_t>(i);
    const auto last = stops_.begin() + static_cast<std::ptrdiff_t>(j) + 1;
    int was = 0;
    for (auto s = first; s != last; ++s) {
        was += s->steps;
    }
    // 0: stop i dropped, the block waiting for stop j; 1: stop i going
    // straight on to stop j's anchor, the block waiting there.
    const auto build = [&](int way) {
        if (way == 0) {
            trial_.assign(first + 1, last);
        } else {
            trial_.assign(first, last - 1);
            trial_.front().to = stops_[j].to;
        }
    };
    int best = -1;
    int bestSteps = was;
    for (int way = 0; way < 2; ++way) {
        build(way);
        int steps = 0;
        if (WalkTrial(steps) && steps <= bestSteps) {
            best = way;
            bestSteps = steps;
        }
    }
    if (best < 0) {
        return false;
    }
    build(best);
    int steps = 0;
    WalkTrial(steps);
    // A stop that now goes nowhere is dropped too.
    std::erase_if(trial_, [](const Stop& s) { return s.from == s.to; });
    const auto at = stops_.erase(first, last);
    stops_.insert(at, trial_.begin(), trial_.end());
    return true;
}

bool PlanImprover::SolveTail(std::size_t from, Budget& budget, ExactSearch& exact, long positions,
                             bool& ended) {
    ended = false;
    int tail = 0;
    for (std::size_t k = from; k < stops_.size(); ++k) {
        tail += stops_[k].steps;
    }
    if (!WalkStops(from)) {
        return false;
    }
    if (exact.Shortest(p_, budget, positions, tail, ended) < 0) {
        return false;
    }
    ReadStops();
    return true;
}

void PlanImprover::Improve(Budget& budget, ExactSearch* exact, long positions) {
    const int found = Steps(p_);
    foundMoves_ = p_.moves;
    foundPath_ = p_.path;
    const auto foundAnchor = p_.anchor;
    ReadStops();
    bool sound = MeasureStops();
    for (int pass = 0; sound && pass < kJoinPasses; ++pass) {
        bool joined = false;
        grid_ = p_.startGrid;
        anchor_ = p_.startAnchor;
        for (std::size_t i = 0; i < stops_.size() && !budget.OutOfTime();) {
            std::size_t j = i + 1;
            const std::size_t end = std::min(stops_.size(), i + kJoinWindow);
            while (j < end && stops_[j].block != stops_[i].block) {
                ++j;
            }
            if (j < end && TryJoin(i, j)) {
                joined = true;
                continue; // stop i may join again
            }
            WalkOn(grid_, anchor_, stops_[i]);
            ++i;
        }
        if (!joined) {
            break;
        }
    }
    // The tail exactly, ever longer while the search still comes to an end.
    if (sound && exact != nullptr && ExactSearch::Packs(p_)) {
        for (std::size_t grown = kTailGrowth; sound && grown < stops_.size() && !budget.OutOfTime();
             grown += kTailGrowth) {
            bool ended = false;
            const bool shorter = SolveTail(stops_.size() - grown, budget, *exact, positions, ended);
            sound = MeasureStops();
            if (!shorter && !ended) {
                break; // a longer tail would not end either
            }
        }
    }
    if (sound) {
        sound = WalkStops(stops_.size()) && EndsSolved(p_) && Steps(p_) <= found;
    }
    if (!sound) {
        p_.Restart();
        p_.moves = foundMoves_;
        p_.path = foundPath_;
        p_.anchor = foundAnchor;
        p_.LayOut();
    }
}

} // namespace fenx
