// Replacing a small file in one step: the new bytes go to a temporary file in
// the same folder, are flushed to the disk and then renamed over the old
// file, so a reader (or a crash) sees either the old contents or the new,
// never a half-written file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fenx {

// Holds an advisory lock on the file at `path` (created when missing) from
// construction to destruction, so that the read-modify-write of another
// program's store waits for ours. Without a lock (the file cannot be made)
// locked() is false.
class FileLock {
  public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool locked() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

// The start of the names of the temporary files made for `target`.
std::string TemporaryPrefix(const std::filesystem::path& target);
// Removes temporary files a crash left beside `path`; call under the lock.
void RemoveLeftoverTemporaries(const std::string& path);

// Creates the folder (and its parents) when needed. Keeps the permission
// bits of the file it replaces. Returns false on any failure, leaving the
// old file as it was and no temporary file behind.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

enum class FileState {
    Read,       // the text is the whole file
    Missing,    // no file of that name
    Unreadable, // something is there but cannot be read as a file
};

struct FileText {
    FileState state = FileState::Missing;
    std::string text;
};

// Reads a regular file whole. Anything else in its place (a folder, a FIFO,
// a device) is unreadable and never waited on, as is a file that cannot be
// opened or read, or one larger than `limit` bytes.
FileText ReadFileText(const std::string& path, std::size_t limit = std::size_t{1} << 30);

// The whole file, or nothing when it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t limit = std::size_t{1} << 30);

} // namespace fenx
