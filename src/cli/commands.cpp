#include "cli/commands.h"

#include <cstdio>
#include <string>

namespace fenx {

int UsageError(std::string_view message) {
    std::fprintf(stderr, "fenx-cli: %.*s\n", static_cast<int>(message.size()), message.data());
    return 2;
}

int RunCommand(std::span<const std::string_view> args) {
    if (args.empty()) {
        return UsageError("expected a command: stage, search or render");
    }
    const std::string_view command = args.front();
    const auto rest = args.subspan(1);
    if (command == "stage") {
        return RunStageCommand(rest);
    }
    if (command == "search") {
        return RunSearchCommand(rest);
    }
    if (command == "render") {
        return RunRenderCommand(rest);
    }
    if (command == "solve") {
        return RunSolveCommand(rest);
    }
    return UsageError("unknown command '" + std::string(command) + "'");
}

} // namespace fenx
