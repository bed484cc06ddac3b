#include "settings/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <thread>
#include <utility>

namespace fenx {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename is only durable once the folder's entry is on the disk too.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string RandomTag() {
    uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        bits = static_cast<uint64_t>(now.tv_nsec) ^ (static_cast<uint64_t>(now.tv_sec) << 30) ^
               reinterpret_cast<uintptr_t>(&now);
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
    return text;
}

} // namespace

std::string TemporaryPrefix(const std::filesystem::path& target) {
    std::string prefix(1, '.');
    prefix.append(target.filename().string()).push_back('.');
    return prefix;
}

void RemoveLeftoverTemporaries(const std::string& path) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() + 4 && name.compare(0, prefix.size(), prefix) == 0 &&
            name.compare(name.size() - 4, 4, ".tmp") == 0) {
            std::error_code ignored;
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

bool LockWithin(int fd, std::chrono::milliseconds patience) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + patience;
    Clock::duration pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::min(pause, deadline - now));
        pause = std::min<Clock::duration>(pause * 2, std::chrono::milliseconds(50));
    }
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds patience) {
    // A lock needs no right to write: a file only this user may read still
    // serves.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd_ < 0 && errno == EACCES) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    lockFileError_ = fd_ < 0 ? errno : 0;
    struct stat info {};
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd_);
        fd_ = -1;
        lockFileError_ = EINVAL;
    }
    if (fd_ < 0) {
        std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (folder.empty()) {
            folder = ".";
        }
        fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    locked_ = fd_ >= 0 && LockWithin(fd_, patience);
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock
    }
}

std::optional<std::string> FollowLinks(const std::string& path,
                                       const std::function<bool(const std::string&)>& stopAt) {
    std::filesystem::path current(path);
    // As many links as the system itself follows in one path.
    for (int hops = 0; hops <= 40; ++hops) {
        if (stopAt && stopAt(current.string())) {
            return current.string();
        }
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current.string();
        }
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error) {
            return std::nullopt;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes, mode_t newFileMode) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    // Process ids repeat across PID namespaces, so the name carries random
    // bits too; O_EXCL makes sure no one else's file is ever reused.
    std::string temporaryName = TemporaryPrefix(target);
    temporaryName.append(std::to_string(::getpid()))
        .append(1, '.')
        .append(RandomTag())
        .append(".tmp");
    const std::filesystem::path temporary = folder / temporaryName;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, newFileMode);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    // Flushed to the disk before the rename, so a crash right after it
    // cannot leave an empty file in the old one's place.
    bool done = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        failure = errno;
    }
    if (done && ::rename(temporary.c_str(), path.c_str()) != 0) {
        done = false;
        failure = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        errno = failure;
        return false;
    }
    SyncFolder(folder);
    return true;
}

FileText ReadFileText(const std::string& path, std::size_t limit) {
    FileText result;
    // Opened without blocking, so a FIFO in the file's place cannot hold the
    // game up; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.state = errno == ENOENT ? FileState::Missing : FileState::Unreadable;
        return result;
    }
    result.state = FileState::Unreadable;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular && static_cast<std::size_t>(info.st_size) > limit) {
        result.state = FileState::TooLarge;
    } else if (regular) {
        result.text.reserve(static_cast<std::size_t>(info.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                result.text.clear();
                break;
            }
            if (result.text.size() + static_cast<std::size_t>(got) > limit) {
                result.text.clear();
                result.state = FileState::TooLarge; // it grew while it was read
                break;
            }
            if (got == 0) {
                result.state = FileState::Read;
                break;
            }
            result.text.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return result;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
    FileText file = ReadFileText(path, limit);
    if (file.state != FileState::Read) {
        return std::nullopt;
    }
    return std::move(file.text);
}

} // namespace fenx
