#include "selection/stage_record.h"

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

HistoryLine RecordLine(const StageRecord& record, const LocalTime& when) {
    return {record.status == ResultSolved, when, record.width, record.height, record.stageNumber};
}

} // namespace fenx
