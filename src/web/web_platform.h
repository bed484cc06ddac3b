// The game's view of the browser: the page's canvas and title, the clock,
// Web Audio, and the browser's local storage, which keeps the settings as
// the text of fenx.ini and the history as the lines of fenx.log. The page
// (fenx-page.js) answers the calls this platform makes into it.
#pragma once

#include <string>

#include "settings/ini_file.h"
#include "stage/platform.h"

namespace fenx {

// The storage keys: the same names and the same text as the desktop files.
inline constexpr const char* kStoredSettings = "fenx.ini";
inline constexpr const char* kStoredHistory = "fenx.log";

class WebPlatform : public Platform {
  public:
    // Reads the stored settings once, as the desktop reads its file.
    WebPlatform();

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
    IniFile settings_;
};

// The text stored under a key, or nothing when the key is absent or the
// storage cannot be used.
std::optional<std::string> ReadStored(const char* key);
// Stores the text; false when the browser refuses (storage full or off).
bool WriteStored(const char* key, std::string_view text);

} // namespace fenx
