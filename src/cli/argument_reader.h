// How every command that works on a stage reads its command line: W and H,
// then N and an output file where the command takes them, then options,
// each a name with a fixed number of values. Every error is one message for
// a usage error (status 2), and every option is taken at most once.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/layout.h"

namespace fenx {

// What follows the command's name before its options.
struct CommandShape {
    std::string_view usage; // the message when the arguments are too few
    bool number = true;     // N follows W H
    bool output = false;    // an output file name follows N
};

struct StageArguments {
    int width = 0;
    int height = 0;
    int number = 0;
    std::string_view output;
    std::span<const std::string_view> options; // everything after the preamble
};

// Reads W H (N) (OUT); on failure returns nullopt and sets `error`.
std::optional<StageArguments> ReadStageArguments(std::span<const std::string_view> args,
                                                 const CommandShape& shape, std::string& error);

// One option of a command: its name, how many values follow it, the message
// for values that are missing or refused, and what takes the values (false:
// refused).
struct CliOption {
    std::string_view name;
    std::size_t values;
    std::string refusal;
    std::function<bool(std::span<const std::string_view>)> take;
};

// Reads options until the end; on an unknown option or a word that is none,
// an option given twice, or values missing or refused, returns false and
// sets `error`.
bool ReadOptions(std::span<const std::string_view> args, std::span<const CliOption> options,
                 std::string& error);

// --fixed A B, into `fixed`: each one of the stage's blocks, or -1 for none.
CliOption FixedBlocksOption(FixedBlocks& fixed, const StageArguments& stage);

} // namespace fenx
