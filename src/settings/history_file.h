// The history file fenx.log: one line per stage played, appended, and read
// back for the History dialog. Each line goes out in one write on a file
// opened for appending, so two programs writing at once never mix their
// lines and a crash never leaves half a line of ours.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace fenx {

inline constexpr std::string_view kHistoryFileName = "fenx.log";
// How much of a long history is read: its last 8 MiB, about 300,000 stages,
// more than anyone scrolls through, in far less memory and time than a
// history of years takes whole.
inline constexpr std::size_t kHistoryReadLimit = std::size_t{8} << 20;

class HistoryFile {
  public:
    explicit HistoryFile(std::string path) : path_(std::move(path)) {}

    // Appends one whole line (ending in '\n'), creating the file when it is
    // missing. Returns false when the file cannot be opened or the line was
    // not written whole, in which case no part of it stays in the file.
    bool Append(std::string_view line) const;

    // The file's text, from the first line that starts in its last
    // kHistoryReadLimit bytes, or nothing when it is missing, is not a
    // regular file or cannot be read. Never waits on a FIFO in its place.
    std::optional<std::string> Read() const;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace fenx
