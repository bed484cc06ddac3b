// The H key of the window: asks for the next move
// (next_move/next_move_worker.h), whose plan comes back from its worker
// thread through the window's event loop. Shift+H asks the same way for
// the play-out of the rest of the plan. When no thread can be started for
// the worker, the key beeps.
#pragma once

#include <QObject>

#include "next_move/next_move_worker.h"
#include "stage/game.h"

class QWidget;

namespace fenx {

class NextMoveKey : public QObject {
    Q_OBJECT
  public:
    // Binds the key to `window`.
    NextMoveKey(Game& game, QWidget* window);

    // What the keys do.
    void Press();
    void PressPlayOut();

  private:
    NextMoveWorker nextMove_;
};

} // namespace fenx
