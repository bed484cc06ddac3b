// The history file fenx.log: one line per stage played, appended. Each line
// goes out in one write on a file opened for appending, so two programs
// writing at once never mix their lines and a crash never leaves half a line
// of ours.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fenx {

inline constexpr std::string_view kHistoryFileName = "fenx.log";

// Creates the file when it is missing. Returns false when the file cannot be
// opened or the line was not written whole.
bool AppendLineToFile(const std::string& path, std::string_view line);

// The whole text of the file, or nothing when it is missing, is not a
// regular file (a folder, a FIFO, a device: never waited on), cannot be
// read, or is larger than `limit` bytes.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t limit = std::size_t{1} << 30);

} // namespace fenx
