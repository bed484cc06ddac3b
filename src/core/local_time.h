// A moment in local time, as the calendar and the wall clock show it.
#pragma once

namespace fenx {

struct LocalTime {
    int year;   // e.g. 1997
    int month;  // 1..12
    int day;    // 1..31
    int hour;   // 0..23
    int minute; // 0..59
    bool operator==(const LocalTime&) const = default;
};

} // namespace fenx
