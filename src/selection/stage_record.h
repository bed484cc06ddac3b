// The record of the stage in play, kept until the stage is left and then
// written as one line of the history file fenx.log.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/local_time.h"

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

// One line of fenx.log: status, local date and time "yy/mm/dd hh:mm", width,
// height and stage number, separated by single blanks, ending in '\n'.
class HistoryLine {
  public:
    HistoryLine(const StageRecord& record, const LocalTime& when);
    std::string_view view() const { return {chars_.data(), length_}; }

  private:
    std::array<char, 80> chars_{};
    std::size_t length_ = 0;
};

} // namespace fenx
