#include "solver/planner.h"

#include <algorithm>
#include <chrono>
#include <variant>

#include "solver/planner_parts.h"

namespace fenx {
namespace {

// Fields up to 32 target cells (7 x 4, 8 x 4).
constexpr int kSmallestField = 32;
// The positions each exact search of a plan's tail may expand.
constexpr long kTailPositions = 200000;
// However long finding took, shortening may take this long.
constexpr int kLeastShortenMs = 2;

} // namespace

Planner::Planner() : parts_(std::make_unique<PlannerParts>()) {}

Planner::~Planner() = default;

bool Planner::Plan(const BlockList& blocks, int width, int height, const PlanLimits& limits) {
    PlannerParts& w = *parts_;
    const auto started = std::chrono::steady_clock::now();
    w.budget.Start(limits.budgetMs, limits.cancel);
    w.position.Load(blocks, width, height);
    const bool packs = ExactSearch::Packs(w.position);
    const StageKind kind =
        KindOf(packs, packs && width * height <= kSmallestField, w.position.FixedRows() != 0);
    if (NeedsWholeSearch(kind) && (!w.exact || w.exact->CapacityBits() != limits.searchBits)) {
        w.exact = std::make_unique<ExactSearch>(limits.searchBits);
    }
    w.BeginSchedule();
    for (const ScheduleStep& step : PlanSchedule()) {
        if (!step.TakenBy(kind)) {
            continue;
        }
        if (w.budget.OutOfTime()) {
            return false;
        }
        if (std::visit([&w](const auto& attempt) { return w.Try(attempt); }, step.attempt)) {
            if (limits.shortenMs > 0) {
                Budget part;
                const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - started);
                part.StartPart(
                    w.budget,
                    std::max(kLeastShortenMs, limits.shortenMs - static_cast<int>(spent.count())));
                w.improver.Improve(part, w.budget, w.exact.get(), kTailPositions);
                w.budget.Count(part.Expansions());
            }
            return true;
        }
    }
    return false;
}

std::span<const PlannedMove> Planner::Moves() const {
    return parts_->position.moves;
}

std::span<const Cell> Planner::Path(const PlannedMove& move) const {
    return std::span<const Cell>(parts_->position.path)
        .subspan(static_cast<std::size_t>(move.first),
                 static_cast<std::size_t>(move.last - move.first));
}

long Planner::Expansions() const {
    return parts_->budget.Expansions();
}

} // namespace fenx
