#include "cli/command_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/arguments.h"
#include "settings/atomic_file.h"

namespace fenx {
namespace {

// The descriptor of this process a name stands for, if it is one.
std::optional<int> DescriptorNamed(std::string_view name) {
    if (name == "-" || name == "/dev/stdout") {
        return 1;
    }
    if (name == "/dev/stderr") {
        return 2;
    }
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (name.starts_with(folder)) {
            const auto fd = ParseInteger(name.substr(folder.size()), 0, 1 << 30);
            return fd ? std::optional<int>(static_cast<int>(*fd)) : std::nullopt;
        }
    }
    return std::nullopt;
}

bool WriteAllTo(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A device, a FIFO or a socket: opened as it is and written into.
bool WriteIntoSpecialFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAllTo(fd, bytes);
    const int failure = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) {
        errno = failure;
    }
    return written && closed;
}

} // namespace

int OutputFailed(std::string_view message) {
    std::fprintf(stderr, "fenx-cli: %.*s\n", static_cast<int>(message.size()), message.data());
    return kOutputFailed;
}

int WriteStandardOutput(std::string_view text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) == 0 && written) {
        return 0;
    }
    const int failure = errno != 0 ? errno : EIO;
    return OutputFailed(std::string("cannot write to standard output: ") + std::strerror(failure));
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string& error) {
    const auto fail = [&](const std::string& why) {
        error = "cannot write '" + path + "': " + why;
        return false;
    };
    std::optional<int> descriptor;
    const std::optional<std::string> target = FollowLinks(path, [&](const std::string& name) {
        descriptor = DescriptorNamed(name);
        return descriptor.has_value();
    });
    if (descriptor) {
        return WriteAllTo(*descriptor, bytes) || fail(std::strerror(errno));
    }
    if (!target) {
        return fail("its symbolic links lead nowhere");
    }
    struct stat info {};
    if (::lstat(target->c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return fail("it is a folder");
        }
        if (!S_ISREG(info.st_mode)) {
            return WriteIntoSpecialFile(*target, bytes) || fail(std::strerror(errno));
        }
    } else if (errno != ENOENT) {
        return fail(std::strerror(errno));
    }
    std::error_code unused;
    const std::filesystem::path where =
        std::filesystem::absolute(*target, unused).lexically_normal().parent_path();
    if (where == "/dev") {
        return fail("no file is made in /dev");
    }
    return ReplaceFileContents(*target, bytes, 0666) || fail(std::strerror(errno));
}

} // namespace fenx
