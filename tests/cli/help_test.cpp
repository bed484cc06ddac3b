// fenx-cli's own options: the help lists every command with its usage, each
// command explains itself, the version is the project's, and anything else
// is still refused with status 2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "cli/commands.h"

namespace fenx {
namespace {

using testing::RunCli;

TEST(CliHelp, ListsEveryCommandWithItsUsage) {
    const auto r = RunCli("--help");
    ASSERT_EQ(r.status, 0);
    for (const CliCommand& command : CliCommands()) {
        EXPECT_NE(r.out.find("  " + std::string(command.name) + " "), std::string::npos)
            << command.name;
        const std::string firstForm(command.usage.substr(0, command.usage.find('\n')));
        EXPECT_NE(r.out.find("fenx-cli " + firstForm + "\n"), std::string::npos) << firstForm;
    }
    EXPECT_EQ(RunCli("-h").out, r.out);
}

TEST(CliHelp, EachCommandPrintsItsOwnUsageInsteadOfRunning) {
    for (const CliCommand& command : CliCommands()) {
        const std::string name(command.name);
        // Even among otherwise valid arguments, --help wins and nothing runs.
        const auto r = RunCli(name + " 7 4 0 --help");
        ASSERT_EQ(r.status, 0) << name;
        EXPECT_EQ(r.out.rfind("Usage:\n  fenx-cli " + name + " ", 0), 0u) << r.out;
        EXPECT_EQ(r.out.find("stage 7 4 0\ndraws"), std::string::npos);
        for (const CliCommand& other : CliCommands()) {
            if (other.name != command.name) {
                EXPECT_EQ(r.out.find("fenx-cli " + std::string(other.name) + " "),
                          std::string::npos)
                    << name << " shows " << other.name;
            }
        }
    }
    // The "stage" command has two forms and shows both.
    EXPECT_NE(RunCli("stage --help").out.find("fenx-cli stage W H --all\n"), std::string::npos);
}

// The help is read in a terminal of 80 columns: no line of any help is
// wider than 79 characters.
TEST(CliHelp, EveryHelpFitsAnEightyColumnTerminal) {
    std::vector<std::string> arguments = {"--help"};
    for (const CliCommand& command : CliCommands()) {
        arguments.push_back(std::string(command.name) + " --help");
    }
    for (const std::string& argument : arguments) {
        const std::string out = RunCli(argument).out;
        ASSERT_FALSE(out.empty()) << argument;
        std::size_t begin = 0;
        for (std::size_t end; (end = out.find('\n', begin)) != std::string::npos; begin = end + 1) {
            EXPECT_LE(end - begin, 79u) << argument << ": " << out.substr(begin, end - begin);
        }
    }
}

TEST(CliHelp, VersionIsTheProjectVersion) {
    const auto r = RunCli("--version");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "fenx-cli " FENX_VERSION "\n");
}

TEST(CliHelp, MisusedOptionsAndUnknownCommandsAreUsageErrors) {
    for (const char* arguments : {"", "--version extra", "--help stage", "--verbose", "solve2",
                                  "-v", "stage --Help 7 4 0"}) {
        const auto r = RunCli(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_TRUE(r.out.empty()) << arguments;
    }
}

} // namespace
} // namespace fenx
