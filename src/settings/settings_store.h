// The game's settings: the [FENX] section of fenx.ini. The file is read once
// when the store is made; every change is written at once, so nothing needs
// saving at exit. The store keeps text only: the game reads and checks the
// values itself.
//
// Another copy of the game may write the same file at any time, the disk may
// be full, and the file or its lock may be anything a user can leave there:
// - every write reads the file again under a lock, so lines another program
//   changed meanwhile are kept; a key that only ever grows is merged with
//   what is on disk rather than overwritten;
// - a write waits at most kLockPatience for the lock; a value that could
//   not be written (no lock in time, a full disk) stays pending and goes out
//   with the next write that succeeds, or when the store is destroyed;
// - a file larger than kSettingsFileLimit is treated like one that cannot
//   be read: the game runs on its defaults and the file is never replaced;
// - a symbolic link stays a link: its target (made when it is missing)
//   takes the new text.
// Each problem worth the player's attention is reported once.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/setting_value.h"
#include "settings/ini_file.h"

namespace fenx {

inline constexpr std::string_view kSettingsSection = "FENX";
inline constexpr std::string_view kSettingsFileName = "fenx.ini";
// The largest settings file read: far more than any the game writes.
inline constexpr std::size_t kSettingsFileLimit = std::size_t{1} << 20;

// $XDG_CONFIG_HOME/fenx/fenx.ini when that variable holds an absolute path,
// else <home>/.config/fenx/fenx.ini. Either argument may be null.
std::string SettingsFilePath(const char* xdgConfigHome, const char* home);
// The same for this process's environment (home from the password database
// when HOME is unset).
std::string DefaultSettingsFilePath();

// Prints one line about a problem with the settings file on stderr.
void ReportOnStandardError(std::string_view problem);

class SettingsStore {
  public:
    using Report = std::function<void(std::string_view problem)>;

    explicit SettingsStore(std::string path, Report report = ReportOnStandardError);
    // Tries once more to write what is still pending.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    std::optional<std::string> Read(std::string_view key) const;
    // What the file holds under the key now, which another copy of the game
    // may have written since this one read it; nothing when the key is
    // absent or the file cannot be read. Neither reads nor writes change.
    std::optional<std::string> ReadStored(std::string_view key) const;

    // Stores the values for later reads and writes them to the file, all in
    // one replacement. Returns whether the file now holds them (and every
    // value still pending); the caller may ignore a failure, since reads
    // keep seeing the values and the next write tries again.
    bool Write(std::span<const SettingValue> values);
    bool Write(std::string_view key, std::string_view value);

    // Stores `value` under `key` and writes the merge of it with what the
    // file holds; from then on reads give the merged text, which is also
    // returned (just `value` when the file could not be read).
    std::string Merge(std::string_view key, std::string_view value, SettingMerge merge);

    // Whether some value has not reached the file yet.
    bool pending() const { return !pending_.empty(); }
    const std::string& path() const { return path_; }

  private:
    struct PendingKey {
        std::string key;
        SettingMerge merge; // null: the value replaces what is stored
    };

    bool Set(std::string_view key, std::string_view value, SettingMerge merge);
    // Writes every pending value under the lock; true when none is left.
    bool Flush();
    void ReportOnce(bool& reported, const std::string& problem);

    std::string path_;
    Report report_;
    IniFile contents_;
    std::vector<PendingKey> pending_;
    // False once the file was found too large: it is left as it is.
    bool usable_ = true;
    bool reportedLock_ = false;
};

} // namespace fenx
