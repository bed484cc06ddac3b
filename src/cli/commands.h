// The commands of fenx-cli. Each returns the process exit status: 0 on
// success, 2 on a usage error (after one line on stderr).
#pragma once

#include <span>
#include <string_view>

namespace fenx {

int RunCommand(std::span<const std::string_view> args);

int RunStageCommand(std::span<const std::string_view> args);
int RunSearchCommand(std::span<const std::string_view> args);
int RunRenderCommand(std::span<const std::string_view> args);
int RunSolveCommand(std::span<const std::string_view> args);

// Prints "fenx-cli: <message>" on stderr and returns 2.
int UsageError(std::string_view message);

} // namespace fenx
