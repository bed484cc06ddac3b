#include "selection/search_range.h"

#include <utility>

namespace fenx {

int ReadRangeEnd(std::optional<uint32_t> typed, int previous) {
    if (!typed) {
        return 0;
    }
    if (*typed > static_cast<uint32_t>(kHighestStageNumber)) {
        return previous;
    }
    return static_cast<int>(*typed);
}

StageRange OrderedRange(int start, int end) {
    if (end < start) {
        std::swap(start, end);
    }
    return {start, end};
}

int PercentDone(int done, int total) {
    if (total <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<int64_t>(done) * 100 / total);
}

} // namespace fenx
