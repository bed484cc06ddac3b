#include "settings/history_file.h"

#include <fcntl.h>
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

} // namespace fenx
