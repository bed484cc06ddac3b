// The game's view of the desktop: the main window, the clock, the sound
// player, the settings store and the history file. The window arrives after
// the game has started up (its size comes from the game), so everything
// that needs it does nothing until then.
#pragma once

#include <QElapsedTimer>
#include <QPointer>

#include "app/main_window.h"
#include "app/sound_player.h"
#include "settings/history_file.h"
#include "settings/settings_store.h"
#include "stage/platform.h"

namespace fenx {

class QtPlatform : public Platform {
  public:
    QtPlatform(SoundPlayer& sound, SettingsStore& settings, const HistoryFile& history);

    void AttachWindow(MainWindow* window) { window_ = window; }

    void SetWindowTitle(std::string_view title) override;
    void PresentSurface(SurfaceRect area) override;
    void ResizeClientArea(int width, int height) override;
    bool CursorInsideWindow() override;

    uint32_t Milliseconds() override;
    int64_t CalendarSeconds() override;
    LocalTime ToLocalTime(int64_t calendarSeconds) override;

    void PlaySound(SoundId sound) override;

    std::optional<std::string> ReadSetting(std::string_view key) override;
    void WriteSettings(std::span<const SettingValue> values) override;
    std::string MergeSetting(std::string_view key, std::string_view value,
                             SettingMerge merge) override;
    std::optional<std::string> ReadStoredSetting(std::string_view key) override;

    void AppendHistoryLine(std::string_view line) override;

  private:
    SoundPlayer& sound_;
    SettingsStore& settings_;
    const HistoryFile& history_;
    QElapsedTimer clock_;
    QPointer<MainWindow> window_;
};

} // namespace fenx
