#include "cli/commands.h"

#include "cli/command_output.h"

#include <array>
#include <cstdio>
#include <string>

#ifndef FENX_VERSION
#error "FENX_VERSION must hold the program's version"
#endif

namespace fenx {
namespace {

// A new command is one more entry here; the help, the per-command help and
// the dispatch all read this table.
constexpr std::array kCommands = {
    CliCommand{"stage",
               "stage W H N [--fixed A B]\n"
               "stage W H --all",
               "Everything stage N decides, as text (--all: stages 0..65535)", "", RunStageCommand},
    CliCommand{"search",
               "search W H --conditions C0,...,C18\n"
               " [--range FIRST LAST] [--threads N]",
               "The stage numbers whose blocks meet the conditions, one per line", "",
               RunSearchCommand},
    CliCommand{"render",
               "render W H N OUT.png [--hour 0..23]\n"
               " [--view start|title|solution] [--fixed A B]",
               "The game's picture of a stage as a PNG file", "", RunRenderCommand},
    CliCommand{"solve", "solve W H N [--fixed A B] [--budget-ms T]",
               "The drags that solve stage N, as the game's mouse positions",
               "Each line \"drag X1 Y1 X2 Y2\" is a press at X1 Y1 and a release at X2 Y2, in\n"
               "pixels of the game's surface from its top-left corner, frame included; the\n"
               "last line \"solved DRAGS STEPS\" counts the drags and their single steps.\n"
               "Exit status 1 when no plan is found within T ms.\n",
               RunSolveCommand},
};

constexpr std::string_view kArgumentNotes =
    "W is 7..38, H is 3..10 and W x H a multiple of 4; N is a whole number\n"
    "from 0 to 2147483647 and counts by its low 16 bits. A search condition\n"
    "per orientation is 0 any, 1..5 exactly 0..4 blocks, 6..9 at least 1..4.\n"
    "Bad arguments print one line on stderr and exit with status 2; output that\n"
    "cannot be written (a full disk, a closed pipe) prints one line and exits\n"
    "with status 3. OUT.png may be - for standard output; a link stays a link.\n";

// The help texts are gathered and written in one go.
void Print(std::string& out, std::string_view text) {
    out.append(text);
}

// Each usage line of a command, prefixed with "fenx-cli " and `indent`; a
// line that begins with a blank goes on the form above it, further in.
void PrintUsage(std::string& out, const CliCommand& command, std::string_view indent) {
    std::string_view rest = command.usage;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        Print(out, indent);
        Print(out, rest.front() == ' ' ? "        " : "fenx-cli ");
        Print(out, rest.substr(0, end));
        Print(out, "\n");
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
}

int PrintHelp() {
    std::string out;
    Print(out, "Usage: fenx-cli COMMAND ARGUMENTS...\n"
               "       fenx-cli COMMAND --help | --help | --version\n"
               "\n"
               "The FENX puzzle engine from the command line.\n"
               "\n"
               "Commands:\n");
    for (const CliCommand& command : kCommands) {
        Print(out, "  ");
        Print(out, command.name);
        Print(out, std::string(command.name.size() < 8 ? 8 - command.name.size() : 1, ' '));
        Print(out, command.summary);
        Print(out, "\n");
    }
    Print(out, "\n");
    for (const CliCommand& command : kCommands) {
        PrintUsage(out, command, "  ");
    }
    Print(out, "\n");
    Print(out, kArgumentNotes);
    return WriteStandardOutput(out);
}

int PrintCommandHelp(const CliCommand& command) {
    std::string out;
    Print(out, "Usage:\n");
    PrintUsage(out, command, "  ");
    Print(out, "\n");
    Print(out, command.summary);
    Print(out, ".\n");
    if (!command.details.empty()) {
        Print(out, command.details);
    }
    Print(out, "\n");
    Print(out, kArgumentNotes);
    return WriteStandardOutput(out);
}

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

std::string CommandNames() {
    std::string names;
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        names += i == 0 ? "" : (i + 1 == kCommands.size() ? " or " : ", ");
        names += kCommands[i].name;
    }
    return names;
}

} // namespace

std::span<const CliCommand> CliCommands() {
    return kCommands;
}

int UsageError(std::string_view message) {
    std::fprintf(stderr, "fenx-cli: %.*s\n", static_cast<int>(message.size()), message.data());
    return 2;
}

int RunCommand(std::span<const std::string_view> args) {
    if (args.empty()) {
        return UsageError("expected a command: " + CommandNames() + " (see fenx-cli --help)");
    }
    const std::string_view first = args.front();
    if (IsHelp(first)) {
        return args.size() == 1 ? PrintHelp() : UsageError("--help takes no arguments");
    }
    if (first == "--version") {
        if (args.size() != 1) {
            return UsageError("--version takes no arguments");
        }
        return WriteStandardOutput("fenx-cli " FENX_VERSION "\n");
    }
    const auto rest = args.subspan(1);
    for (const CliCommand& command : kCommands) {
        if (command.name != first) {
            continue;
        }
        // "--help" anywhere asks for the usage: no argument of a command
        // can be that text.
        for (const std::string_view arg : rest) {
            if (IsHelp(arg)) {
                return PrintCommandHelp(command);
            }
        }
        return command.run(rest);
    }
    return UsageError("unknown command '" + std::string(first) + "' (see fenx-cli --help)");
}

} // namespace fenx
