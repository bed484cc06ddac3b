#include "web/web_platform.h"

#include <emscripten.h>

#include <cstdlib>

#include "settings/settings_store.h"

// The page's side of each call lives in Module.fenxPage (fenx-page.js).
// Text crosses as UTF-8 bytes with an explicit length, so NUL bytes and any
// other junk a stored text may hold arrive whole.
// clang-format off
EM_JS(void, fenx_set_title, (const char* text, int length), {
    Module.fenxPage.setTitle(Module.fenxText(text, length));
});
EM_JS(void, fenx_present, (int x, int y, int width, int height), {
    Module.fenxPage.present(x, y, width, height);
});
EM_JS(void, fenx_resize, (int width, int height), {
    Module.fenxPage.resize(width, height);
});
EM_JS(int, fenx_cursor_inside, (), {
    return Module.fenxPage.cursorInside() ? 1 : 0;
});
EM_JS(double, fenx_calendar_ms, (), {
    return Date.now();
});
EM_JS(void, fenx_local_time, (double ms, int* fields), {
    const d = new Date(ms);
    HEAP32[(fields >> 2) + 0] = d.getFullYear();
    HEAP32[(fields >> 2) + 1] = d.getMonth() + 1;
    HEAP32[(fields >> 2) + 2] = d.getDate();
    HEAP32[(fields >> 2) + 3] = d.getHours();
    HEAP32[(fields >> 2) + 4] = d.getMinutes();
});
EM_JS(void, fenx_play_sound, (int index), {
    Module.fenxPage.playSound(index);
});
EM_JS(char*, fenx_storage_read, (const char* key, int* length), {
    const text = Module.fenxPage.storageRead(UTF8ToString(key));
    if (text === null) {
        return 0;
    }
    const bytes = new TextEncoder().encode(text);
    const copy = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, copy);
    HEAP32[length >> 2] = bytes.length;
    return copy;
});
EM_JS(int, fenx_storage_write, (const char* key, const char* text, int length), {
    return Module.fenxPage.storageWrite(UTF8ToString(key), Module.fenxText(text, length)) ? 1 : 0;
});
// clang-format on

namespace fenx {

std::optional<std::string> ReadStored(const char* key) {
    int length = 0;
    char* bytes = fenx_storage_read(key, &length);
    if (bytes == nullptr) {
        return std::nullopt;
    }
    std::string text(bytes, static_cast<std::size_t>(length));
    std::free(bytes);
    return text;
}

bool WriteStored(const char* key, std::string_view text) {
    return fenx_storage_write(key, text.data(), static_cast<int>(text.size())) != 0;
}

WebPlatform::WebPlatform() {
    if (const std::optional<std::string> text = ReadStored(kStoredSettings)) {
        settings_ = IniFile::Parse(*text);
    }
}

void WebPlatform::SetWindowTitle(std::string_view title) {
    fenx_set_title(title.data(), static_cast<int>(title.size()));
}

void WebPlatform::PresentSurface(SurfaceRect area) {
    // The page copies the pixels at once, so later drawing cannot reach a
    // picture already presented.
    fenx_present(area.x, area.y, area.width, area.height);
}

void WebPlatform::ResizeClientArea(int width, int height) {
    fenx_resize(width, height);
}

bool WebPlatform::CursorInsideWindow() {
    return fenx_cursor_inside() != 0;
}

uint32_t WebPlatform::Milliseconds() {
    return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now()));
}

int64_t WebPlatform::CalendarSeconds() {
    return static_cast<int64_t>(fenx_calendar_ms() / 1000.0);
}

LocalTime WebPlatform::ToLocalTime(int64_t calendarSeconds) {
    int fields[5] = {1970, 1, 1, 0, 0};
    fenx_local_time(static_cast<double>(calendarSeconds) * 1000.0, fields);
    return LocalTime{fields[0], fields[1], fields[2], fields[3], fields[4]};
}

void WebPlatform::PlaySound(SoundId sound) {
    fenx_play_sound(static_cast<int>(SoundIndex(sound)));
}

std::optional<std::string> WebPlatform::ReadSetting(std::string_view key) {
    return settings_.Get(kSettingsSection, key);
}

void WebPlatform::WriteSettings(std::span<const SettingValue> values) {
    // Another tab of the game may have stored other changes meanwhile:
    // they are read again and kept. Stored text that is no settings text
    // still reads as a document, as a damaged file does.
    IniFile stored;
    if (const std::optional<std::string> text = ReadStored(kStoredSettings)) {
        stored = IniFile::Parse(*text);
    }
    bool changed = false;
    for (const SettingValue& v : values) {
        if (settings_.Set(kSettingsSection, v.key, v.value) &&
            stored.Get(kSettingsSection, v.key) != v.value) {
            stored.Set(kSettingsSection, v.key, v.value);
            changed = true;
        }
    }
    // A full storage keeps the old text; this run goes on with the values.
    if (changed) {
        WriteStored(kStoredSettings, stored.Serialize());
    }
}

std::string WebPlatform::MergeSetting(std::string_view key, std::string_view value,
                                      SettingMerge merge) {
    // Another tab may have solved other rows since this one read the key.
    IniFile stored;
    if (const std::optional<std::string> text = ReadStored(kStoredSettings)) {
        stored = IniFile::Parse(*text);
    }
    const std::optional<std::string> before = stored.Get(kSettingsSection, key);
    const std::string merged =
        merge(before ? std::optional<std::string_view>(*before) : std::nullopt, value);
    if (!settings_.Set(kSettingsSection, key, merged)) {
        return std::string(value);
    }
    if (before != merged) {
        stored.Set(kSettingsSection, key, merged);
        WriteStored(kStoredSettings, stored.Serialize());
    }
    return merged;
}

std::optional<std::string> WebPlatform::ReadStoredSetting(std::string_view key) {
    // What another tab may have stored since.
    const std::optional<std::string> text = ReadStored(kStoredSettings);
    return text ? IniFile::Parse(*text).Get(kSettingsSection, key) : std::nullopt;
}

void WebPlatform::AppendHistoryLine(std::string_view line) {
    std::string text = ReadStored(kStoredHistory).value_or("");
    // A last line without its end must not swallow the new record.
    if (!text.empty() && text.back() != '\n') {
        text.push_back('\n');
    }
    text.append(line);
    WriteStored(kStoredHistory, text);
}

} // namespace fenx
