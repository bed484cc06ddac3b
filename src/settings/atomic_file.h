// Replacing a small file in one step: the new bytes go to a temporary file in
// the same folder, are flushed to the disk and then renamed over the old
// file, so a reader (or a crash) sees either the old contents or the new,
// never a half-written file.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace fenx {

// How long a write waits for a lock another program holds before it gives
// up: long enough for another copy of the game to finish its own write, short
// enough that the window never seems to hang.
inline constexpr std::chrono::milliseconds kLockPatience{1000};

// Takes the advisory lock on an open file, waiting at most `patience` for
// another holder to let go. False when the time ran out or the file cannot
// be locked at all.
bool LockWithin(int fd, std::chrono::milliseconds patience);

// Holds an advisory lock on the file at `path` (created when missing) from
// construction to destruction, so that the read-modify-write of another
// program's store waits for ours. A lock file that cannot be used (owned by
// someone else, or no regular file) is replaced by a lock on the folder it
// is in, which every copy of the game then takes alike. Without a lock
// within `patience` locked() is false.
class FileLock {
  public:
    FileLock(const std::string& path, std::chrono::milliseconds patience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool locked() const { return locked_; }
    // Why the lock file itself was not used, or 0 when it was.
    int lockFileError() const { return lockFileError_; }

  private:
    int fd_ = -1;
    bool locked_ = false;
    int lockFileError_ = 0;
};

// The file a path names once every symbolic link in its last part is
// followed, the last link's target included when nothing is there yet (a
// dangling link names the file a write would create). Relative targets
// count from their link's folder. Nothing for a loop or a link that cannot
// be read. When `stopAt` is given, the first name along the way it accepts
// is taken as it stands, link or not.
std::optional<std::string> FollowLinks(const std::string& path,
                                       const std::function<bool(const std::string&)>& stopAt = {});

// The start of the names of the temporary files made for `target`.
std::string TemporaryPrefix(const std::filesystem::path& target);
// Removes temporary files a crash left beside `path`; call under the lock.
void RemoveLeftoverTemporaries(const std::string& path);

// Keeps the permission bits of the file it replaces; a new file gets
// `newFileMode` less the umask. `path` names the file itself, not a link to
// it. Returns false on any failure with errno telling why, leaving the old
// file as it was and no temporary file behind.
bool ReplaceFileContents(const std::string& path, std::string_view bytes,
                         mode_t newFileMode = 0644);

enum class FileState {
    Read,       // the text is the whole file
    Missing,    // no file of that name
    Unreadable, // something is there but cannot be read as a file
    TooLarge,   // a regular file larger than the limit: not read
};

struct FileText {
    FileState state = FileState::Missing;
    std::string text;
};

// Reads a regular file whole. Anything else in its place (a folder, a FIFO,
// a device) is unreadable and never waited on, as is a file that cannot be
// opened or read; one larger than `limit` bytes is not read at all.
FileText ReadFileText(const std::string& path, std::size_t limit = std::size_t{1} << 30);

// The whole file, or nothing when it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t limit = std::size_t{1} << 30);

} // namespace fenx
