// The game's settings: the [FENX] section of fenx.ini. The file is read once
// when the store is made; every change is written at once, so nothing needs
// saving at exit. The store keeps text only: the game reads and checks the
// values itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace fenx {

inline constexpr std::string_view kSettingsSection = "FENX";
inline constexpr std::string_view kSettingsFileName = "fenx.ini";

// $XDG_CONFIG_HOME/fenx/fenx.ini when that variable holds an absolute path,
// else <home>/.config/fenx/fenx.ini. Either argument may be null.
std::string SettingsFilePath(const char* xdgConfigHome, const char* home);
// The same for this process's environment (home from the password database
// when HOME is unset).
std::string DefaultSettingsFilePath();

class SettingsStore {
  public:
    explicit SettingsStore(std::string path);

    std::optional<std::string> Read(std::string_view key) const;

    // Stores the value for later reads and writes it to the file. The file
    // is read again first, so lines another program changed meanwhile are
    // kept. Returns whether the file was written; the caller may ignore a
    // failure, since reads keep seeing the value.
    bool Write(std::string_view key, std::string_view value);

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    IniFile contents_;
};

} // namespace fenx
