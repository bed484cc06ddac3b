// The commands of fenx-cli. Each returns the process exit status: 0 on
// success, 1 when solve finds no plan in time, 2 on a usage error, 3 when
// the output could not be written (2 and 3 after one line on stderr).
#pragma once

#include <span>
#include <string_view>

namespace fenx {

// fenx-cli's whole command line (without the program name): --help,
// --version, or a command with its arguments. A command given --help
// prints its usage on stdout instead of running.
int RunCommand(std::span<const std::string_view> args);

int RunStageCommand(std::span<const std::string_view> args);
int RunSearchCommand(std::span<const std::string_view> args);
int RunRenderCommand(std::span<const std::string_view> args);
int RunSolveCommand(std::span<const std::string_view> args);

// One command of fenx-cli: its name, its usage lines (one form of the
// command each, without the program name; a line beginning with a blank
// goes on the form above it), one line on what it does, what
// more its own help says (lines of at most 79 characters, or empty), and the
// function that runs it.
struct CliCommand {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    std::string_view details;
    int (*run)(std::span<const std::string_view> args);
};

// Every command, in the order the help lists them.
std::span<const CliCommand> CliCommands();

// Prints "fenx-cli: <message>" on stderr and returns 2.
int UsageError(std::string_view message);

} // namespace fenx
