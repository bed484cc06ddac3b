// fenx-cli solve W H N [--fixed A B] [--budget-ms T]: plans the stage from
// its start and prints the drags a player would make, in client pixels.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/argument_reader.h"
#include "cli/arguments.h"
#include "cli/command_output.h"
#include "cli/commands.h"
#include "core/geometry.h"
#include "core/stage_build.h"
#include "solver/drag_plan.h"
#include "solver/planner.h"

namespace fenx {
namespace {

constexpr long kMaxBudgetMs = 3600000;

} // namespace

int RunSolveCommand(std::span<const std::string_view> args) {
    std::string error;
    const auto read = ReadStageArguments(
        args, {"usage: fenx-cli solve W H N [--fixed A B] [--budget-ms T]"}, error);
    if (!read) {
        return UsageError(error);
    }
    FixedBlocks fixed;
    PlanLimits limits;
    // A command may take more room than the game's hint: challenge stages
    // can need millions of positions.
    limits.searchBits = 23;
    const CliOption options[] = {
        FixedBlocksOption(fixed, *read),
        {"--budget-ms", 1, "--budget-ms takes a whole number of milliseconds from 1 to 3600000",
         [&limits](std::span<const std::string_view> values) {
             const auto t = ParseInteger(values[0], 1, kMaxBudgetMs);
             limits.budgetMs = static_cast<int>(t.value_or(0));
             return t.has_value();
         }},
    };
    if (!ReadOptions(read->options, options, error)) {
        return UsageError(error);
    }
    const int width = read->width;
    const int height = read->height;
    const auto stage = BuildStage(width, height, read->number, fixed);
    auto planner = std::make_unique<Planner>();
    DragPlan plan;
    if (planner->Plan(stage->blocks, width, height, limits)) {
        BuildDragPlan(stage->blocks, width, height, *planner, plan);
    }
    if (!plan.solved) {
        const int status = WriteStandardOutput("unsolved\n");
        return status != 0 ? status : 1;
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
    return WriteStandardOutput(out);
}

} // namespace fenx
