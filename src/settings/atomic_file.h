// Replacing a small file in one step: the new bytes go to a temporary file in
// the same folder, are flushed to the disk and then renamed over the old
// file, so a reader (or a crash) sees either the old contents or the new,
// never a half-written file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fenx {

// Creates the folder (and its parents) when needed. Keeps the permission
// bits of the file it replaces. Returns false on any failure, leaving the
// old file as it was and no temporary file behind.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

} // namespace fenx
