// SPDX-License-Identifier: MIT
// fenx-cli: the puzzle engine from the command line. The commands, their
// usage and their help are in the table of cli/commands.cpp.

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) makes a write too large fail like a full
    // disk instead of ending the program half-way through a file.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return fenx::RunCommand(args);
}
