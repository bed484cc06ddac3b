// The zoom keys of the main window: Ctrl+Plus (or Ctrl+=) and Ctrl+Minus
// step through 1x..4x as far as the screen has room, Ctrl+0 goes back to 1x.
// They are window shortcuts, not menu items: the menu stays as it is. The
// chosen zoom is kept under its own key in fenx.ini and applied at start.
#pragma once

#include <QObject>

#include "app/main_window.h"
#include "settings/settings_store.h"

namespace fenx {

class WindowZoom : public QObject {
    Q_OBJECT
  public:
    // Applies the stored zoom to the window and installs the keys on it.
    WindowZoom(MainWindow& window, SettingsStore& settings);

    void ZoomIn();
    void ZoomOut();
    void Reset();

  private:
    void Choose(int zoom);

    MainWindow& window_;
    SettingsStore& settings_;
};

} // namespace fenx
