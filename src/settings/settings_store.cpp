#include "settings/settings_store.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "settings/atomic_file.h"

namespace fenx {
namespace {

std::string HomeFromPasswordDatabase() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir) {
        return found->pw_dir;
    }
    return {};
}

} // namespace

std::string SettingsFilePath(const char* xdgConfigHome, const char* home) {
    const std::string folder = "/fenx/" + std::string(kSettingsFileName);
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        return xdgConfigHome + folder;
    }
    const std::string homeText = home && home[0] != '\0' ? home : ".";
    return homeText + "/.config" + folder;
}

std::string DefaultSettingsFilePath() {
    const char* home = std::getenv("HOME");
    std::string fallback;
    if (!home || home[0] == '\0') {
        fallback = HomeFromPasswordDatabase();
        home = fallback.empty() ? nullptr : fallback.c_str();
    }
    return SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), home);
}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {
    if (const auto text = ReadWholeFile(path_)) {
        contents_ = IniFile::Parse(*text);
    }
}

std::optional<std::string> SettingsStore::Read(std::string_view key) const {
    return contents_.Get(kSettingsSection, key);
}

bool SettingsStore::Write(std::string_view key, std::string_view value) {
    if (!contents_.Set(kSettingsSection, key, value)) {
        return false;
    }
    // Two games open at once must not lose each other's changes: the read,
    // the change and the write happen under one lock.
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), made);
    const FileLock lock(path_ + ".lock");
    if (!lock.locked()) {
        return false;
    }
    RemoveLeftoverTemporaries(path_);
    const FileText file = ReadFileText(path_);
    if (file.state == FileState::Unreadable) {
        // Whatever is stored there cannot be kept, so nothing replaces it.
        return false;
    }
    IniFile onDisk;
    if (file.state == FileState::Read) {
        onDisk = IniFile::Parse(file.text);
        if (onDisk.Get(kSettingsSection, key) == value) {
            return true; // already stored: the file stays untouched
        }
    }
    onDisk.Set(kSettingsSection, key, value);
    // A linked settings file stays a link: its target takes the new text.
    struct stat link {};
    if (::lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        std::error_code error;
        const std::filesystem::path target = std::filesystem::canonical(path_, error);
        return !error && ReplaceFileContents(target.string(), onDisk.Serialize());
    }
    return ReplaceFileContents(path_, onDisk.Serialize());
}

} // namespace fenx
