#include "selection/stage_record.h"

#include <cstdio>

namespace fenx {

void BeginStageRecord(StageRecord& record, int32_t width, int32_t height, int32_t stageNumber,
                      bool challenge, int64_t now) {
    record.status = ResultStarted;
    record.time = now;
    record.width = width;
    record.height = height;
    record.stageNumber = stageNumber;
    record.challenge = challenge;
}

void MarkStageSolved(StageRecord& record, int64_t now) {
    record.time = now;
    record.status = ResultSolved;
}

bool HistoryLineDue(const StageRecord& record) {
    return record.status != ResultNoStage && !record.challenge;
}

HistoryLine::HistoryLine(const StageRecord& record, const LocalTime& when) {
    std::array<char, 20> stamp{};
    std::snprintf(stamp.data(), stamp.size(), "%02d/%02d/%02d %02d:%02d",
                  (when.year % 100 + 100) % 100, when.month, when.day, when.hour, when.minute);
    const int n =
        std::snprintf(chars_.data(), chars_.size(), "%d %s %d %d %d\n",
                      static_cast<int>(record.status), stamp.data(), static_cast<int>(record.width),
                      static_cast<int>(record.height), static_cast<int>(record.stageNumber));
    length_ = n > 0 ? static_cast<std::size_t>(n) : 0;
}

} // namespace fenx
