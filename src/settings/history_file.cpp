#include "settings/history_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "settings/atomic_file.h"

namespace fenx {

bool HistoryFile::Append(std::string_view line) const {
    // Without blocking, and only into a regular file: a FIFO or a device in
    // the log's place must not hold the game up at exit.
    const int fd =
        ::open(path_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // A last line without its end (written by hand, or cut short) must not
    // swallow the new record. Other games appending meanwhile hold the lock,
    // so the last byte seen is the last byte of a whole line of theirs; the
    // size is taken again under the lock, as they may have written since.
    ::flock(fd, LOCK_EX);
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return false;
    }
    std::string record;
    char last = '\n';
    if (info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n') {
        record.push_back('\n');
    }
    record.append(line);
    ssize_t written;
    do {
        written = ::write(fd, record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    const bool closed = ::close(fd) == 0;
    return closed && written == static_cast<ssize_t>(record.size());
}

std::optional<std::string> HistoryFile::Read() const {
    return ReadWholeFile(path_);
}

} // namespace fenx
