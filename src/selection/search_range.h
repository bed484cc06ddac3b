// The range of stage numbers the search dialog reads from its two edits,
// and the per cent figure its progress dialog shows.
#pragma once

#include <cstdint>
#include <optional>

#include "core/stage_number.h"

namespace fenx {

// One end of the range from its edit: no number reads as 0; a number above
// the last stage number leaves the end as it was.
int ReadRangeEnd(std::optional<uint32_t> typed, int previous);

struct StageRange {
    int first = 0;
    int last = kHighestStageNumber;
    bool operator==(const StageRange&) const = default;
};

// A range given end first is searched from its lower end.
StageRange OrderedRange(int start, int end);

// done * 100 / total, truncated; 0 for an empty range.
int PercentDone(int done, int total);

} // namespace fenx
