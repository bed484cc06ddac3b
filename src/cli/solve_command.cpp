// fenx-cli solve W H N [--fixed A B] [--budget-ms T]: plans the stage from
// its start and prints the drags a player would make, in client pixels.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/stage_number_argument.h"
#include "cli/stage_size_argument.h"
#include "core/geometry.h"
#include "core/stage_build.h"
#include "solver/drag_plan.h"
#include "solver/planner.h"

namespace fenx {
namespace {

constexpr long kMaxBudgetMs = 3600000;

} // namespace

int RunSolveCommand(std::span<const std::string_view> args) {
    if (args.size() < 3) {
        return UsageError("usage: fenx-cli solve W H N [--fixed A B] [--budget-ms T]");
    }
    std::string error;
    const auto size = ParseStageSize(args[0], args[1], error);
    if (!size) {
        return UsageError(error);
    }
    const auto number = ParseStageNumber(args[2], error);
    if (!number) {
        return UsageError(error);
    }
    FixedBlocks fixed;
    PlanLimits limits;
    // A command may take more room than the game's hint: challenge stages
    // can need millions of positions.
    limits.searchBits = 23;
    for (auto rest = args.subspan(3); !rest.empty();) {
        if (rest[0] == "--fixed") {
            if (rest.size() < 3) {
                return UsageError("--fixed takes exactly two block indices");
            }
            const auto pair = ParseFixedBlocks(rest[1], rest[2]);
            if (!pair) {
                return UsageError("fixed block indices must be whole numbers (-1 for none)");
            }
            fixed = *pair;
            rest = rest.subspan(3);
        } else if (rest[0] == "--budget-ms") {
            const auto t = rest.size() < 2 ? std::nullopt : ParseInteger(rest[1], 1, kMaxBudgetMs);
            if (!t) {
                return UsageError("--budget-ms takes a whole number of milliseconds from 1 to "
                                  "3600000");
            }
            limits.budgetMs = static_cast<int>(*t);
            rest = rest.subspan(2);
        } else {
            return UsageError("unknown option '" + std::string(rest[0]) + "'");
        }
    }
    const auto stage = BuildStage(size->width, size->height, static_cast<int>(*number), fixed);
    auto planner = std::make_unique<Planner>();
    DragPlan plan;
    if (planner->Plan(stage->blocks, size->width, size->height, limits)) {
        BuildDragPlan(stage->blocks, size->width, size->height, *planner, plan);
    }
    if (!plan.solved) {
        std::puts("unsolved");
        return 1;
    }
    std::string out;
    for (const SolverDrag& drag : plan.drags) {
        out += "drag";
        for (int32_t i = drag.first; i < drag.last; ++i) {
            const Cell c = plan.cells[static_cast<std::size_t>(i)];
            out += ' ' + std::to_string(CellCentrePixel(c.column)) + ' ' +
                   std::to_string(CellCentrePixel(c.row));
        }
        out += '\n';
    }
    out += "solved " + std::to_string(plan.drags.size()) + ' ' + std::to_string(plan.steps) + '\n';
    const bool written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace fenx
