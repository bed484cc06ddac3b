// The record of the stage in play, kept until the stage is left and then
// written as one line of the history file fenx.log.
#pragma once

#include <cstdint>

#include "core/local_time.h"
#include "selection/history_line.h"

namespace fenx {

enum StageResult : int32_t {
    ResultNoStage = -1, // no stage has started since the program began
    ResultStarted = 0,
    ResultSolved = 1,
};

struct StageRecord {
    StageResult status = ResultNoStage;
    int64_t time = 0; // calendar seconds: the start, replaced by the solution
    int32_t width = 0;
    int32_t height = 0;
    int32_t stageNumber = 0;
    bool challenge = false; // challenge stages are never written
};

void BeginStageRecord(StageRecord& record, int32_t width, int32_t height, int32_t stageNumber,
                      bool challenge, int64_t now);
void MarkStageSolved(StageRecord& record, int64_t now);

// Whether leaving the stage writes a line: a stage has started and it is not
// a challenge.
bool HistoryLineDue(const StageRecord& record);

// The history line of the record, for a stage left at that local time.
HistoryLine RecordLine(const StageRecord& record, const LocalTime& when);

} // namespace fenx
