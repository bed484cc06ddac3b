// While the game plays a solution out (Shift+H), the first key or mouse
// press anywhere in the program only stops it: the press goes no further,
// so it neither moves a block, nor opens a menu, nor runs a shortcut. The
// key's auto-repeat and the button's release that follow go with it.
#pragma once

#include <QObject>

#include <optional>

#include "stage/game.h"

class QEvent;

namespace fenx {

class PlayOutStop : public QObject {
    Q_OBJECT
  public:
    // Watches every event of the application for `game`.
    explicit PlayOutStop(Game& game, QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool KeyEvent(QEvent* event);
    bool MouseEvent(QEvent* event);

    Game& game_;
    std::optional<int> key_;    // the key that stopped it, until let go
    bool keyPressDue_ = false;  // its shortcut check seen, its press not yet
    std::optional<int> button_; // the button that stopped it, until let go
};

} // namespace fenx
