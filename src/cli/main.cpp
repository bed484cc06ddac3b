// fenx-cli: the puzzle engine from the command line.
//
//   fenx-cli stage W H N [--fixed A B]   dump one stage
//   fenx-cli stage W H --all             dump stages 0..65535
//   fenx-cli search W H --conditions C0,...,C18 [--range FIRST LAST] [--threads N]

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return fenx::RunCommand(args);
}
