// Runs the built fenx-cli and captures what it prints.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace fenx::testing {

struct CliResult {
    int status = -1;
    std::string out;
};

// Runs a shell command line and captures what it prints on stdout.
inline CliResult RunShell(const std::string& line) {
    CliResult result;
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// `arguments` is passed to the shell as it stands; stderr is discarded.
inline CliResult RunCli(const std::string& arguments) {
    return RunShell(std::string(FENX_CLI_PATH) + " " + arguments + " 2>/dev/null");
}

// Runs `command` in the shell with fenx-cli standing for the program's path
// (as in "ulimit -f 1; fenx-cli render ..."), capturing its stderr; stdout
// goes where the command sends it, else nowhere.
inline CliResult RunCliErrors(const std::string& command) {
    std::string line = command;
    const std::string program = FENX_CLI_PATH; // itself ends in "fenx-cli"
    for (std::size_t at = line.find("fenx-cli"); at != std::string::npos;
         at = line.find("fenx-cli", at + program.size())) {
        line.replace(at, 8, program);
    }
    return RunShell("exec 3>&1; { " + line + " ; } 2>&3 >/dev/null");
}

} // namespace fenx::testing
