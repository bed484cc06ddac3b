#include "solver/plan_improver.h"

#include <algorithm>
#include <array>

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
// The joins after the searches may take this long even when their time
// is up (they take well under a millisecond).
constexpr int kLastJoinMs = 5;
// Stops added to the tail solved again at each widening.
constexpr std::size_t kTailGrowth = 3;
// The most single steps of a window of the plan walked again the shortest
// way between its ends.
constexpr int kWindowSteps = 16;
// The positions each such walk may expand; a small search stays in the
// processor's cache.
constexpr long kWindowPositions = 20000;
// The weights (in quarters of a step) of the steps still to go in the
// searches for a near-shortest way from the start, one after the other
// while each finds a shorter way: the first finds one soon, the later ones
// closer to the fewest.
constexpr std::array<int, 4> kNearWeights = {16, 10, 6, 4};
// The positions the first of those may expand, and each later one: where
// the way from the start is out of reach, the time goes to the windows and
// the tail instead.
constexpr long kNearPositions = 45000;
constexpr long kCloserPositions = 15000;
// Before them, a short search close to the fewest: where the bound leads
// the greedy search into a jam, such a search often walks straight
// through, and the way it finds is near the fewest already.
constexpr int kProbeWeight = 6;
constexpr long kProbePositions = 3000;
// The weight that makes the search exact (the bound never overestimates).
constexpr int kExactWeight = 4;

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

int PlanImprover::StopSteps() const {
    int steps = 0;
    for (const Stop& s : stops_) {
        steps += s.steps;
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

bool PlanImprover::WalkStop(Stop& s) {
    const int d = reach_.Reach(p_, s.block, s.to);
    if (d < 0) {
        return false;
    }
    s.from = p_.anchor[U(s.block)];
    reach_.MoveTo(p_, s.block, s.to);
    s.steps = static_cast<int16_t>(d);
    return true;
}

bool PlanImprover::WalkStops(std::size_t count) {
    p_.Restart();
    for (std::size_t k = 0; k < count; ++k) {
        if (!WalkStop(stops_[k])) {
            return false;
        }
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

bool PlanImprover::WalkStopsSolvedOnlyAtLast() {
    p_.Restart();
    for (std::size_t k = 0; k < stops_.size(); ++k) {
        if (k > 0 && EndsSolved(p_)) {
            return false; // the game would end the stage there
        }
        if (!WalkStop(stops_[k])) {
            return false;
        }
    }
    return !stops_.empty() && EndsSolved(p_);
}

bool PlanImprover::SearchFromStart(Budget& budget, ExactSearch& exact, long positions, int weight,
                                   bool& sound) {
    p_.Restart();
    bool ended = false;
    // None found, or the stage starts solved and takes a move still.
    if (exact.NearShortest(p_, budget, positions, StopSteps(), weight, ended) <= 0) {
        return false;
    }
    ReadStops();
    sound = MeasureStops();
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
    // From the start, none (a stage that starts on full rows) is no plan.
    const int steps = exact.NearShortest(p_, budget, positions, tail, kExactWeight, ended);
    if (steps < 0 || (steps == 0 && from == 0)) {
        return false;
    }
    ReadStops();
    return true;
}

bool PlanImprover::ShortenWindow(std::size_t i, Budget& budget, ExactSearch& exact, long positions,
                                 bool& sound) {
    std::size_t j = i;
    int steps = 0;
    while (j < stops_.size() && (j == i || steps + stops_[j].steps <= kWindowSteps)) {
        steps += stops_[j++].steps;
    }
    if (j - i < 2) {
        return false;
    }
    if (!WalkStops(i)) {
        sound = false;
        return false;
    }
    auto to = p_.anchor;
    for (std::size_t k = i; k < j; ++k) {
        to[U(stops_[k].block)] = stops_[k].to;
    }
    bool ended = false;
    if (exact.NearWay(p_, to, budget, std::min(positions, kWindowPositions), steps, ended) < 0) {
        return false;
    }
    // Blocks of one orientation may have traded places: the stops after
    // the window go with whichever block stands where theirs would.
    std::array<int16_t, kMaxBlocks> standsFor{};
    for (int b = 0; b < p_.count; ++b) {
        standsFor[U(b)] = static_cast<int16_t>(b);
        for (int c = 0; c < p_.count; ++c) {
            if (p_.anchor[U(c)] == to[U(b)] && p_.orientation[U(c)] == p_.orientation[U(b)]) {
                standsFor[U(b)] = static_cast<int16_t>(c);
            }
        }
    }
    for (std::size_t k = j; k < stops_.size(); ++k) {
        const int b = standsFor[U(stops_[k].block)];
        if (reach_.Reach(p_, b, stops_[k].to) < 0) {
            sound = false;
            return false;
        }
        reach_.MoveTo(p_, b, stops_[k].to);
    }
    ReadStops();
    sound = MeasureStops();
    return sound;
}

void PlanImprover::JoinStops(Budget& budget) {
    for (int pass = 0; pass < kJoinPasses; ++pass) {
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
            return;
        }
    }
}

void PlanImprover::Improve(Budget& budget, const Budget& whole, ExactSearch* exact,
                           long positions) {
    const int found = Steps(p_);
    foundMoves_ = p_.moves;
    foundPath_ = p_.path;
    const auto foundAnchor = p_.anchor;
    ReadStops();
    bool sound = MeasureStops();
    if (sound) {
        JoinStops(budget);
    }
    // The whole plan again, near the fewest steps: the short search close
    // to them, then from the greedy search on (past those no closer than
    // it, when it found a way) while each finds a shorter way.
    if (sound && exact != nullptr && ExactSearch::Packs(p_)) {
        const bool probed = SearchFromStart(budget, *exact, std::min(positions, kProbePositions),
                                            kProbeWeight, sound);
        for (const int weight : kNearWeights) {
            if (probed && weight >= kProbeWeight) {
                continue;
            }
            // Only the greedy search, when it comes first, has the most.
            const long most =
                !probed && weight == kNearWeights.front() ? kNearPositions : kCloserPositions;
            if (!sound || budget.OutOfTime() ||
                !SearchFromStart(budget, *exact, std::min(positions, most), weight, sound)) {
                break;
            }
        }
    }
    // Windows of the plan, the shortest way between their ends, again
    // while a pass makes it shorter.
    for (bool shorter = true; shorter && sound && exact != nullptr && ExactSearch::Packs(p_);) {
        shorter = false;
        for (std::size_t i = 0; sound && i + 1 < stops_.size() && !budget.OutOfTime(); ++i) {
            shorter = ShortenWindow(i, budget, *exact, positions, sound) || shorter;
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
    // Moves of one block the searches split up, joined where the steps do
    // not grow.
    if (sound) {
        Budget last;
        last.StartPart(whole, kLastJoinMs);
        JoinStops(last);
        sound = WalkStopsSolvedOnlyAtLast() && Steps(p_) <= found;
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
