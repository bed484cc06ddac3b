// A Platform that records everything the game asks of the world, and what
// it notifies, with a
// clock, a calendar, a cursor and a settings store that tests set by hand.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "stage/game_change.h"
#include "stage/platform.h"

namespace fenx::testing {

class FakePlatform : public Platform {
  public:
    // --- Set by tests ---
    uint32_t milliseconds = 1000;
    int64_t calendarSeconds = 0;
    bool cursorInside = true;
    std::map<std::string, std::string, std::less<>> settings; // what the file holds

    // --- Recorded ---
    std::vector<std::string> titles;
    std::vector<SurfaceRect> presented;
    std::vector<SoundId> sounds;
    std::vector<std::pair<std::string, std::string>> writes;
    int settingWrites = 0;
    std::vector<std::string> history;
    std::vector<std::pair<int, int>> resizes;
    std::vector<int> stageNumbersShown;
    std::vector<std::pair<int, int>> sizesShown;
    std::vector<int> challengesMarked;
    int menuChanges = 0;
    // Every call above in order, as short text: "title  4464 面",
    // "write x_size=12", "resize 224x160", "menu", "size 12x4", ...
    std::vector<std::string> events;

    void SetWindowTitle(std::string_view title) override {
        titles.emplace_back(title);
        events.push_back("title " + std::string(title));
    }
    void PresentSurface(SurfaceRect area) override { presented.push_back(area); }
    void ResizeClientArea(int width, int height) override {
        resizes.emplace_back(width, height);
        events.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
    }
    bool CursorInsideWindow() override { return cursorInside; }
    uint32_t Milliseconds() override { return milliseconds; }
    int64_t CalendarSeconds() override { return calendarSeconds; }
    // Local time is UTC in this fake.
    LocalTime ToLocalTime(int64_t seconds) override {
        int64_t days = seconds / 86400;
        int64_t rest = seconds % 86400;
        if (rest < 0) {
            rest += 86400;
            --days;
        }
        // Civil date from days since 1970-01-01 (proleptic Gregorian).
        const int64_t z = days + 719468;
        const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
        const int64_t doe = z - era * 146097;
        const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
        const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
        const int64_t mp = (5 * doy + 2) / 153;
        const int64_t day = doy - (153 * mp + 2) / 5 + 1;
        const int64_t month = mp < 10 ? mp + 3 : mp - 9;
        const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
        return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day),
                static_cast<int>(rest / 3600), static_cast<int>(rest % 3600 / 60)};
    }
    void PlaySound(SoundId sound) override {
        sounds.push_back(sound);
        events.push_back("sound " + std::to_string(static_cast<int>(sound)));
    }
    std::optional<std::string> ReadSetting(std::string_view key) override {
        const auto it = settings.find(key);
        if (it == settings.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    // Each value of a write is recorded on its own; settingWrites counts
    // the writes, so values written together show as one.
    void WriteSettings(std::span<const SettingValue> values) override {
        ++settingWrites;
        for (const SettingValue& v : values) {
            Store(v.key, v.value);
        }
    }
    std::string MergeSetting(std::string_view key, std::string_view value,
                             SettingMerge merge) override {
        ++settingWrites;
        const auto it = settings.find(key);
        const std::string merged =
            merge(it == settings.end() ? std::nullopt : std::optional<std::string_view>(it->second),
                  value);
        Store(key, merged);
        return merged;
    }
    // The settings map stands for the file: what another copy stores is
    // put straight into it.
    std::optional<std::string> ReadStoredSetting(std::string_view key) override {
        return ReadSetting(key);
    }
    void AppendHistoryLine(std::string_view line) override { history.emplace_back(line); }
    // What the game notified (the harness listens on the fake's behalf).
    void RecordChange(const GameChange& change) {
        switch (change.kind) {
        case GameChange::MenuMarks:
            ++menuChanges;
            events.emplace_back("menu");
            break;
        case GameChange::StageNumber:
            stageNumbersShown.push_back(change.value);
            break;
        case GameChange::StageSize:
            sizesShown.emplace_back(change.value, change.value2);
            events.push_back("size " + std::to_string(change.value) + "x" +
                             std::to_string(change.value2));
            break;
        case GameChange::ChallengeSolved:
            challengesMarked.push_back(change.value);
            break;
        }
    }

    void Store(std::string_view key, std::string_view value) {
        settings[std::string(key)] = std::string(value);
        writes.emplace_back(key, value);
        events.push_back("write " + std::string(key) + "=" + std::string(value));
    }

    // Seconds of a UTC date and time, for calendarSeconds.
    static int64_t At(int year, int month, int day, int hour, int minute) {
        const int64_t y = month <= 2 ? year - 1 : year;
        const int64_t era = (y >= 0 ? y : y - 399) / 400;
        const int64_t yoe = y - era * 400;
        const int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
        const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        const int64_t days = era * 146097 + doe - 719468;
        return days * 86400 + hour * 3600 + minute * 60;
    }
};

} // namespace fenx::testing
