// The H key: plans the next move from the position in play on a worker
// thread and hands the first drag to the game, which shows it if the
// position has not changed meanwhile. The window never waits for the plan.
// While the player makes the moves shown, the plan is followed instead of
// made again; pressed while a move shows, the key shows the one after it.
#pragma once

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

#include "solver/drag_plan.h"
#include "solver/plan_follower.h"
#include "solver/planner.h"
#include "stage/game.h"

class QWidget;

namespace fenx {

class NextMoveHint : public QObject {
    Q_OBJECT
  public:
    // Binds the key to `window`.
    NextMoveHint(Game& game, QWidget* window);
    ~NextMoveHint() override;

    // What the key does: a hint showing ends, and the next one is planned.
    void Request();

  private:
    void Stop();
    void Show(uint32_t position, int drag);

    Game& game_;
    std::unique_ptr<Planner> planner_ = std::make_unique<Planner>();
    DragPlan plan_;         // the worker's
    PlanFollower follower_; // the window thread's
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

} // namespace fenx
