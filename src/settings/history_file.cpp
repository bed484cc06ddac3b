#include "settings/history_file.h"

#include <fcntl.h>
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
    // swallow the new record. Other games append under the same lock, so the
    // last byte seen is the last byte of a whole line of theirs; the size is
    // taken again under the lock, as they may have written since. A lock held
    // longer than a game ever holds it is waited on for a moment only: then
    // the line goes out all the same, since one write on a file opened for
    // appending never mixes with another's.
    LockWithin(fd, kLockPatience);
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
    const bool whole = written == static_cast<ssize_t>(record.size());
    if (!whole && written > 0) {
        // Cut short (a full disk, a file size limit): the piece would read
        // as a stage never played, its number cut to its first digits. The
        // file goes back to its size before, unless someone wrote after it.
        const off_t end = ::lseek(fd, 0, SEEK_CUR);
        if (end >= written && ::fstat(fd, &info) == 0 && info.st_size == end) {
            [[maybe_unused]] const int cut = ::ftruncate(fd, end - written);
        }
    }
    const bool closed = ::close(fd) == 0;
    return closed && whole;
}

std::optional<std::string> HistoryFile::Read() const {
    // Opened without blocking, so a FIFO in the file's place cannot hold the
    // game up; only a regular file is read.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Of a longer file, the lines that start in its last part; one byte more
    // is read before that part to see whether a line starts right there.
    const auto size = static_cast<std::size_t>(info.st_size);
    const std::size_t start = size > kHistoryReadLimit ? size - kHistoryReadLimit - 1 : 0;
    const std::size_t most = size - start; // the file may grow meanwhile
    std::string text;
    text.resize(most);
    std::size_t got = 0;
    while (got < most) {
        const ssize_t n =
            ::pread(fd, text.data() + got, most - got, static_cast<off_t>(start + got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(got);
    if (start > 0) {
        const std::size_t newline = text.find('\n');
        text.erase(0, newline == std::string::npos ? text.size() : newline + 1);
    }
    return text;
}

} // namespace fenx
