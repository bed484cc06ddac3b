// What the game needs from the world outside it: a window to show its
// picture in, a clock, sounds, a settings store, and the history file. The game reaches the outside
// only through this interface; the application implements it with Qt, the tests with a recording
// fake.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/geometry.h"
#include "core/local_time.h"
#include "core/setting_value.h"
#include "presentation/sound_table.h"

namespace fenx {

class Platform {
  public:
    virtual ~Platform() = default;

    // --- The main window -------------------------------------------------
    // Title bar text, UTF-8.
    virtual void SetWindowTitle(std::string_view title) = 0;
    // Copy this rectangle of the off-screen surface to the same place in the
    // window. The surface may change right after the call; the window must
    // show the picture as it was at the call (or any later one).
    virtual void PresentSurface(SurfaceRect area) = 0;
    // Give the window a client area of this size, keeping its top-left
    // corner where it is. Called after a change of stage size.
    virtual void ResizeClientArea(int width, int height) = 0;
    // Whether the mouse cursor lies inside the main window's bounds
    // (caption and border included).
    virtual bool CursorInsideWindow() = 0;

    // --- Time ------------------------------------------------------------
    // A monotonic millisecond clock; wraps around like a 32-bit counter.
    virtual uint32_t Milliseconds() = 0;
    // Calendar time: whole seconds since 1970-01-01 00:00 UTC.
    virtual int64_t CalendarSeconds() = 0;
    // That calendar time in the user's local time zone.
    virtual LocalTime ToLocalTime(int64_t calendarSeconds) = 0;

    // --- Sound -----------------------------------------------------------
    // Start a sound, replacing any sound still playing. The game has already
    // checked that sound is switched on.
    virtual void PlaySound(SoundId sound) = 0;

    // --- Settings (the [FENX] section of fenx.ini) ---------------------------
    // The raw text stored under the key, or nothing when the key is absent.
    virtual std::optional<std::string> ReadSetting(std::string_view key) = 0;
    // Store the texts under their keys now, in one write, so that a crash
    // never keeps some of them without the others; every other key and line
    // stays.
    virtual void WriteSettings(std::span<const SettingValue> values) = 0;
    void WriteSetting(std::string_view key, std::string_view value) {
        const SettingValue one{key, value};
        WriteSettings({&one, 1});
    }
    // Store the text under the key now, merged with whatever another copy
    // of the game stored there meanwhile. Returns the merged text, which
    // later reads give too.
    virtual std::string MergeSetting(std::string_view key, std::string_view value,
                                     SettingMerge merge) = 0;

    // What is stored under the key now: another copy of the game may have
    // stored something since this one read it. Changes nothing.
    virtual std::optional<std::string> ReadStoredSetting(std::string_view key) = 0;

    // --- History -----------------------------------------------------------
    // Append one whole line (ending in '\n') to the history file fenx.log.
    virtual void AppendHistoryLine(std::string_view line) = 0;
};

} // namespace fenx
