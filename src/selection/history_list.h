// The history as the History dialog lists it: the lines of fenx.log read
// into entries, oldest first, each marked solved, not solved, or not solved
// here but solved in another line of the same stage.
//
// Lines the game never writes are skipped (see history_line.h for which).
// CRLF line ends, a missing last line end, NUL bytes and other binary junk
// never hide the good lines around them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "selection/history_line.h"

namespace fenx {

enum HistoryStatus : int8_t {
    HistoryUnsolved = 0,
    HistorySolved = 1,
    HistorySolvedElsewhere = 2, // not solved in this line, solved in another
};

struct HistoryEntry {
    HistoryLine line;
    HistoryStatus status = HistoryUnsolved;
};

// Every entry of the file's text in file order, already marked.
std::vector<HistoryEntry> ParseHistory(std::string_view text);

// The mark of a status: "□", "■" or "―".
std::string_view HistoryMark(int status);

// The dialog's line for an entry: mark, when, size and number,
// "■  97/08/26 21:07  12x4  4829".
std::string HistoryListLine(const HistoryEntry& entry);

} // namespace fenx
