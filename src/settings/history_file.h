// The history file fenx.log: one line per stage played, appended. Each line
// goes out in one write on a file opened for appending, so two programs
// writing at once never mix their lines and a crash never leaves half a line
// of ours.
#pragma once

#include <string>
#include <string_view>

namespace fenx {

inline constexpr std::string_view kHistoryFileName = "fenx.log";

// Creates the file when it is missing. Returns false when the file cannot be
// opened or the line was not written whole.
bool AppendLineToFile(const std::string& path, std::string_view line);

} // namespace fenx
