// SPDX-License-Identifier: MIT
// fenx-cli: the puzzle engine from the command line. The commands, their
// usage and their help are in the table of cli/commands.cpp.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return fenx::RunCommand(args);
}
