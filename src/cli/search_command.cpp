#include <cstdio>
#include <string>

#include "cli/argument_reader.h"
#include "cli/arguments.h"
#include "cli/command_output.h"
#include "cli/commands.h"
#include "core/stage_number.h"
#include "selection/parallel_search.h"

namespace fenx {

int RunSearchCommand(std::span<const std::string_view> args) {
    std::string error;
    const auto read = ReadStageArguments(args,
                                         {"usage: fenx-cli search W H --conditions C0,...,C18 "
                                          "[--range FIRST LAST] [--threads N]",
                                          false},
                                         error);
    if (!read) {
        return UsageError(error);
    }
    std::optional<ConditionSet> conditions;
    long first = 0;
    long last = kHighestStageNumber;
    long threads = 0;
    const CliOption options[] = {
        {"--conditions", 1, "--conditions takes 19 comma-separated values from 0 to 9",
         [&conditions](std::span<const std::string_view> values) {
             conditions = ParseConditions(values[0]);
             return conditions.has_value();
         }},
        {"--range", 2, "--range takes FIRST and LAST from 0 to 65535, LAST >= FIRST",
         [&first, &last](std::span<const std::string_view> values) {
             const auto a = ParseInteger(values[0], 0, kHighestStageNumber);
             const auto b = ParseInteger(values[1], 0, kHighestStageNumber);
             if (!a || !b || *b < *a) {
                 return false;
             }
             first = *a;
             last = *b;
             return true;
         }},
        {"--threads", 1, "--threads takes a whole number from 1 to 1024",
         [&threads](std::span<const std::string_view> values) {
             const auto n = ParseInteger(values[0], 1, 1024);
             threads = n.value_or(0);
             return n.has_value();
         }},
    };
    if (!ReadOptions(read->options, options, error)) {
        return UsageError(error);
    }
    const int width = read->width;
    const int height = read->height;
    if (!conditions) {
        return UsageError("--conditions is required");
    }
    if (!canSearch(*conditions, width, height)) {
        return UsageError("these conditions cannot be searched: they are all 'any', all "
                          "'exactly 0', or demand more blocks than the stage has");
    }
    const auto found = SearchStageNumbers(*conditions, width, height, static_cast<int>(first),
                                          static_cast<int>(last), static_cast<int>(threads));
    std::string out;
    for (int n : found) {
        out += std::to_string(n);
        out += '\n';
    }
    return WriteStandardOutput(out);
}

} // namespace fenx
