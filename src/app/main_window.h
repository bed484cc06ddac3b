// The main window: a fixed-size frame around the game's picture with the
// menu bar on top. It can be minimised and closed but neither resized nor
// maximised; its client area always has the size of the game's surface,
// times the zoom the player chose (as far as the screen has room).
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
    // The zoom the player asks for (1..4); the window shows the largest
    // zoom up to it that fits the screen, now and after size changes.
    void SetZoom(int zoom);
    // The zoom shown now.
    int zoom() const { return surface_->zoom(); }
    // Whether the window at this zoom would fit the screen.
    bool ZoomFits(int zoom) const;

  signals:
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The keys of play go to the game (play_keys.h), the pick-up key's
    // auto-repeat ignored; others on as before.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Applies the wanted zoom, as far as it fits, to the current surface.
    void ApplyZoom();
    // Keeps the top-left corner, but keeps the window on its screen too.
    void MoveInsideScreen(QPoint topLeft);

    Game& game_;
    SurfaceWidget* surface_;
    int wantedZoom_ = 1;
    GameMenu* menu_;
};

} // namespace fenx
