#include "events/game_events.h"

namespace fenx {

void GameEvents::Forward(const GameChange& change) {
    switch (change.kind) {
    case GameChange::MenuMarks:
        emit menuMarksChanged();
        break;
    case GameChange::StageNumber:
        emit stageNumberShown(change.value);
        break;
    case GameChange::StageSize:
        emit stageSizeChanged(change.value, change.value2);
        break;
    case GameChange::ChallengeSolved:
        emit challengeSolved(change.value);
        break;
    }
}

} // namespace fenx
