#include "settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
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

} // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return false;
    }

    std::string temporaryName(1, '.');
    temporaryName.append(target.filename().string())
        .append(1, '.')
        .append(std::to_string(::getpid()))
        .append(".tmp");
    const std::filesystem::path temporary = folder / temporaryName;
    ::unlink(temporary.c_str()); // a leftover of an earlier run with the same id
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
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
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= limit) {
        result.text.reserve(static_cast<std::size_t>(info.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0 || result.text.size() + static_cast<std::size_t>(got) > limit) {
                result.text.clear();
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
