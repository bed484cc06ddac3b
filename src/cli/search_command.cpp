#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/stage_size_argument.h"
#include "core/stage_number.h"
#include "selection/parallel_search.h"

namespace fenx {

int RunSearchCommand(std::span<const std::string_view> args) {
    if (args.size() < 2) {
        return UsageError("usage: fenx-cli search W H --conditions C0,...,C18 "
                          "[--range FIRST LAST] [--threads N]");
    }
    std::string error;
    const auto size = ParseStageSize(args[0], args[1], error);
    if (!size) {
        return UsageError(error);
    }
    std::optional<ConditionSet> conditions;
    long first = 0;
    long last = kHighestStageNumber;
    long threads = 0;
    bool haveRange = false;
    bool haveThreads = false;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string_view option = args[i];
        const size_t left = args.size() - i - 1;
        if (option == "--conditions" && left >= 1 && !conditions) {
            conditions = ParseConditions(args[++i]);
            if (!conditions) {
                return UsageError("--conditions takes 19 comma-separated values from 0 to 9");
            }
        } else if (option == "--range" && left >= 2 && !haveRange) {
            const auto a = ParseInteger(args[i + 1], 0, kHighestStageNumber);
            const auto b = ParseInteger(args[i + 2], 0, kHighestStageNumber);
            if (!a || !b || *b < *a) {
                return UsageError("--range takes FIRST and LAST from 0 to 65535, LAST >= FIRST");
            }
            first = *a;
            last = *b;
            haveRange = true;
            i += 2;
        } else if (option == "--threads" && left >= 1 && !haveThreads) {
            const auto n = ParseInteger(args[++i], 1, 1024);
            if (!n) {
                return UsageError("--threads takes a whole number from 1 to 1024");
            }
            threads = *n;
            haveThreads = true;
        } else {
            return UsageError("unexpected argument '" + std::string(option) + "'");
        }
    }
    if (!conditions) {
        return UsageError("--conditions is required");
    }
    if (!canSearch(*conditions, size->width, size->height)) {
        return UsageError("these conditions cannot be searched: they are all 'any', all "
                          "'exactly 0', or demand more blocks than the stage has");
    }
    const auto found =
        SearchStageNumbers(*conditions, size->width, size->height, static_cast<int>(first),
                           static_cast<int>(last), static_cast<int>(threads));
    std::string out;
    for (int n : found) {
        out += std::to_string(n);
        out += '\n';
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
    return ok && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace fenx
