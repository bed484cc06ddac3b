// One line of the history file fenx.log, as the game writes it and reads it
// back: status (0 left unsolved, 1 solved), local date and time
// "yy/mm/dd hh:mm", width, height and stage number, separated by single
// blanks and ending in '\n'.
//
// The file is the player's and may hold anything, so reading is lenient
// where the game's own lines allow it and strict where a wrong line would
// start an impossible stage. Fields are read the way "%d %s %s %d %d %d"
// reads them: blanks between fields are skipped, a number is an optional
// sign and at least one digit, a text field runs to the next blank, and
// whatever follows the sixth field is ignored. A line is refused when it
// has fewer than six fields, a status other than 0 or 1, a size that is not
// a stage size, or more than 255 characters (a longer one is never read in
// pieces whose tails would look like lines of their own). Like a C string a
// line ends at a NUL byte. The stage number counts by its low 16 bits; a
// date or time longer than the 14 characters of `when` is clipped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/local_time.h"

namespace fenx {

// The longest line read; a longer one is refused.
inline constexpr std::size_t kHistoryLineLimit = 255;

struct HistoryLine {
    bool solved = false;
    int8_t width = 0;
    int8_t height = 0;
    uint16_t stageNumber = 0;
    // The date and the time joined by one blank, at most 14 characters:
    // "97/08/26 21:07".
    std::array<char, 15> when{};

    // A line for a stage of this size and number, left at that local time.
    HistoryLine(bool solvedStage, const LocalTime& left, int stageWidth, int stageHeight,
                int number);
    HistoryLine() = default;

    // The line without its end: a CR before the '\n' is the caller's.
    static std::optional<HistoryLine> Parse(std::string_view text);

    std::string_view whenText() const { return when.data(); }
    // The line as it is written, '\n' included.
    std::string Text() const;
};

} // namespace fenx
