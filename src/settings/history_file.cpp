#include "settings/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fenx {

bool AppendLineToFile(const std::string& path, std::string_view line) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    ssize_t written;
    do {
        written = ::write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    const bool closed = ::close(fd) == 0;
    return closed && written == static_cast<ssize_t>(line.size());
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
    // Opened without blocking, so a FIFO in the file's place cannot hold
    // the game up; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= limit) {
        text.emplace();
        text->reserve(static_cast<std::size_t>(info.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0 || text->size() + static_cast<std::size_t>(got) > limit) {
                text.reset();
                break;
            }
            if (got == 0) {
                break;
            }
            text->append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return text;
}

} // namespace fenx
