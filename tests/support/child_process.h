// Checks that must run in a process of their own: under lowered resource
// limits, or as an ordinary user where root's rights would hide the fault.
// The suite often runs as root (CI does), so such a check drops to the
// unprivileged user nobody instead of being skipped.
//
// The check runs in a forked child and returns what went wrong, or nothing
// when all was well; the text comes back to the test through a pipe.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace fenx::testing {

enum class RunAs { ThisUser, OrdinaryUser };

// The user and group ids of nobody, the ordinary user checks drop to.
inline uid_t OrdinaryUserId() {
    const passwd* user = ::getpwnam("nobody");
    return user ? user->pw_uid : 65534;
}
inline gid_t OrdinaryGroupId() {
    const passwd* user = ::getpwnam("nobody");
    return user ? user->pw_gid : 65534;
}

// Hands a file or folder, with everything in it, to the ordinary user when
// the suite runs as root, so that a check run as that user can work there.
inline void GiveToOrdinaryUser(const std::filesystem::path& path) {
    if (::geteuid() != 0) {
        return;
    }
    [[maybe_unused]] const int owned = ::chown(path.c_str(), OrdinaryUserId(), OrdinaryGroupId());
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error)) {
            [[maybe_unused]] const int inner =
                ::lchown(entry.path().c_str(), OrdinaryUserId(), OrdinaryGroupId());
        }
    }
}

// Drops to the ordinary user, in a child, when the suite runs as root.
inline bool BecomeOrdinaryUser() {
    return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(OrdinaryGroupId()) == 0 &&
                                ::setuid(OrdinaryUserId()) == 0 && ::geteuid() != 0);
}

// Runs `check` in a child process (as the ordinary user when asked and the
// suite runs as root) and returns what it returned, or how the child ended
// when it did not return.
inline std::string InChildProcess(const std::function<std::string()>& check,
                                  RunAs as = RunAs::ThisUser) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return "no pipe to a child";
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return "no child process";
    }
    if (child == 0) {
        ::close(pipe[0]);
        const std::string result = as == RunAs::OrdinaryUser && !BecomeOrdinaryUser()
                                       ? "cannot become an ordinary user"
                                       : check();
        std::size_t sent = 0;
        while (sent < result.size()) {
            const ssize_t n = ::write(pipe[1], result.data() + sent, result.size() - sent);
            if (n <= 0) {
                break;
            }
            sent += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        result += "the child was killed by signal " + std::to_string(WTERMSIG(status));
    }
    return result;
}

// The leak checker of a sanitizer build needs a thread of its own when a
// program ends; under a process limit that allows none it cannot run and
// fails the program. A program started under such a limit goes without it:
// these are the sanitizer options for that program.
inline std::string OptionsWithoutLeakChecker() {
    const char* options = std::getenv("ASAN_OPTIONS");
    return std::string(options ? options : "") + ":detect_leaks=0";
}

// Called in a child just before it starts a program under such a limit.
inline void WithoutLeakChecker() {
    ::setenv("ASAN_OPTIONS", OptionsWithoutLeakChecker().c_str(), 1);
}

// Runs a program with its standard output into `output` and `prepare`
// (lowered limits) applied just before it starts; returns its exit status,
// or 128 plus the signal that ended it.
inline int RunProgram(const std::vector<std::string>& arguments, int output, RunAs as,
                      const std::function<void()>& prepare = {}) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        if (::dup2(output, 1) < 0 || (as == RunAs::OrdinaryUser && !BecomeOrdinaryUser())) {
            ::_exit(125);
        }
        if (prepare) {
            prepare();
        }
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace fenx::testing
