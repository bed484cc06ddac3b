#include "cli/argument_reader.h"

#include <algorithm>
#include <vector>

#include "cli/arguments.h"
#include "cli/stage_number_argument.h"
#include "cli/stage_size_argument.h"
#include "core/stage_size.h"

namespace fenx {

std::optional<StageArguments> ReadStageArguments(std::span<const std::string_view> args,
                                                 const CommandShape& shape, std::string& error) {
    const std::size_t count = 2 + (shape.number ? 1 : 0) + (shape.output ? 1 : 0);
    if (args.size() < count) {
        error = shape.usage;
        return std::nullopt;
    }
    const auto size = ParseStageSize(args[0], args[1], error);
    if (!size) {
        return std::nullopt;
    }
    StageArguments read;
    read.width = size->width;
    read.height = size->height;
    if (shape.number) {
        const auto number = ParseStageNumber(args[2], error);
        if (!number) {
            return std::nullopt;
        }
        read.number = *number;
    }
    if (shape.output) {
        read.output = args[3];
        if (read.output.empty()) {
            error = "the output file name is empty";
            return std::nullopt;
        }
    }
    read.options = args.subspan(count);
    return read;
}

bool ReadOptions(std::span<const std::string_view> args, std::span<const CliOption> options,
                 std::string& error) {
    std::vector<bool> seen(options.size(), false);
    while (!args.empty()) {
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const CliOption& o) { return o.name == args[0]; });
        if (option == options.end()) {
            const bool named = args[0].starts_with('-');
            error =
                (named ? "unknown option '" : "unexpected argument '") + std::string(args[0]) + "'";
            return false;
        }
        const auto index = static_cast<std::size_t>(option - options.begin());
        if (seen[index]) {
            error = std::string(option->name) + " given twice";
            return false;
        }
        seen[index] = true;
        if (args.size() <= option->values || !option->take(args.subspan(1, option->values))) {
            error = option->refusal;
            return false;
        }
        args = args.subspan(1 + option->values);
    }
    return true;
}

CliOption FixedBlocksOption(FixedBlocks& fixed, const StageArguments& stage) {
    const int blockCount = BlockCount(stage.width, stage.height);
    return {"--fixed", 2,
            "--fixed takes two block indices from -1 to " + std::to_string(blockCount - 1) +
                " (-1 for none)",
            [&fixed, blockCount](std::span<const std::string_view> values) {
                const auto a = ParseInteger(values[0], -1, blockCount - 1);
                const auto b = ParseInteger(values[1], -1, blockCount - 1);
                if (a && b) {
                    fixed = {static_cast<int16_t>(*a), static_cast<int16_t>(*b)};
                }
                return a && b;
            }};
}

} // namespace fenx
