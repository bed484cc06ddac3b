// The zoom keys of the main window: Ctrl+Plus (or Ctrl+=) and Ctrl+Minus
// step through 1x..4x as far as the screen has room, Ctrl+0 goes back to 1x.
// They are window shortcuts, not menu items: the menu stays as it is. The
// chosen zoom is kept under its own key in fenx.ini and applied at start.
#pragma once

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "settings/settings_store.h"

namespace fenx {

// The window's zoom in fenx.ini; the game itself never reads it.
inline constexpr std::string_view kZoomKey = "zoom";
inline constexpr int32_t kDefaultZoom = 1;
inline constexpr int32_t kMaxZoom = 4;

// The zoom for a stored value: 1..4 as read by ParseSettingInt, anything
// else (missing, 0, 5, negative, no digits) is 1.
int32_t CorrectStoredZoom(const std::optional<std::string>& text);

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
