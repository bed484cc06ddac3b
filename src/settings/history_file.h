// The history file fenx.log: one line per stage played, appended, and read
// back for the History dialog. Each line goes out in one write on a file
// opened for appending, so two programs writing at once never mix their
// lines and a crash never leaves half a line of ours.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace fenx {

inline constexpr std::string_view kHistoryFileName = "fenx.log";

class HistoryFile {
  public:
    explicit HistoryFile(std::string path) : path_(std::move(path)) {}

    // Appends one whole line (ending in '\n'), creating the file when it is
    // missing. Returns false when the file cannot be opened or the line was
    // not written whole.
    bool Append(std::string_view line) const;

    // The file's text, or nothing when it is missing, is not a regular file
    // or cannot be read. Never waits on a FIFO in the file's place.
    std::optional<std::string> Read() const;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace fenx
