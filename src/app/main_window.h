// The main window: a fixed-size frame around the game's picture with the
// menu bar on top. It can be minimised and closed but neither resized nor
// maximised; its client area always has the size of the game's surface.
#pragma once

#include <QMainWindow>

#include "app/game_menu.h"
#include "app/surface_widget.h"
#include "stage/game.h"

namespace fenx {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Game& game, QWidget* parent = nullptr);

    SurfaceWidget& surface() { return *surface_; }
    GameMenu& menu() { return *menu_; }

    // A new client size, keeping the window's top-left corner in place.
    void ResizeClientArea(PixelSize size);
    // Places the window in the middle of the primary screen.
    void CentreOnScreen();

  signals:
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    SurfaceWidget* surface_;
    GameMenu* menu_;
};

} // namespace fenx
