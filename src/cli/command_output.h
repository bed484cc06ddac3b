// Where fenx-cli's results go: standard output, or the file a command line
// names, and the status of a command whose result could not be written.
#pragma once

#include <string>
#include <string_view>

namespace fenx {

// The exit status of a command whose output could not be written (a full
// disk, a closed pipe, a file that cannot be made), after one line on
// stderr; 2 stays with bad arguments.
inline constexpr int kOutputFailed = 3;

// Writes the text on standard output and flushes it: 0, or kOutputFailed
// after one line saying why.
int WriteStandardOutput(std::string_view text);

// Prints "fenx-cli: <message>" on stderr and returns kOutputFailed.
int OutputFailed(std::string_view message);

// Writes `bytes` to the file a command line names. The name decides, not
// what it points to:
// - "-", /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N are this
//   process's descriptors: the bytes go straight into the descriptor;
// - a device, a FIFO or a socket takes the bytes as they come and is never
//   replaced, renamed or removed;
// - a regular file, or a name with nothing there yet, is replaced whole: a
//   new file beside it is written, flushed to the disk and renamed over it,
//   so a failure (a full disk) keeps the old file and leaves nothing behind;
// - a symbolic link is followed to its target, which the rules above take;
//   the link stays a link;
// - a folder is refused, and no file is ever made in /dev.
// On failure returns false with a one-line reason in `error`.
bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string& error);

} // namespace fenx
