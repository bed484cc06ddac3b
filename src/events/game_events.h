// The game's change notifications as Qt signals, for the menu and the
// dialogs. The shell owns one and hands it to every dialog it opens.
#pragma once

#include <QObject>

#include "stage/game_change.h"

namespace fenx {

class GameEvents : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Emits the signal that matches the change.
    void Forward(const GameChange& change);

  signals:
    void menuMarksChanged();
    void stageNumberShown(int stageNumber);
    void stageSizeChanged(int width, int height);
    void challengeSolved(int row);
};

} // namespace fenx
