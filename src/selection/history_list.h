// The history as the History dialog lists it: the lines of fenx.log parsed
// into entries, oldest first, each marked solved, not solved, or not solved
// here but solved in another line of the same stage.
//
// The file is the player's and may hold anything. Lines the game never
// writes are skipped: a status other than 0 or 1, a size that is not a stage
// size (so an impossible stage is never started), fewer than six fields, and
// a line longer than 255 characters, which is skipped whole rather than read
// in pieces whose tails would look like lines of their own. A date or time
// longer than the 14 characters of `when` is clipped. CRLF line ends, a
// missing last line end, NUL bytes and other binary junk never hide the good
// lines around them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fenx {

enum HistoryStatus : int8_t {
    HistoryUnsolved = 0,
    HistorySolved = 1,
    HistorySolvedElsewhere = 2, // not solved in this line, solved in another
};

struct HistoryEntry {
    uint16_t stageNumber = 0;
    int8_t status = HistoryUnsolved;
    int8_t width = 0;
    int8_t height = 0;
    // The date and the time of the line joined by one blank, at most 14
    // characters: "97/08/26 21:07".
    std::array<char, 15> when{};

    std::string_view whenText() const { return when.data(); }
};

// The longest line read; a longer one is skipped.
inline constexpr std::size_t kHistoryLineLimit = 255;

// Every entry of the file's text in file order, already marked.
std::vector<HistoryEntry> ParseHistory(std::string_view text);

// The mark of a status: "□", "■" or "―".
std::string_view HistoryMark(int status);

// The dialog's line for an entry: mark, when, size and number,
// "■  97/08/26 21:07  12x4  4829".
std::string HistoryListLine(const HistoryEntry& entry);

} // namespace fenx
