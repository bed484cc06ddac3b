#include "settings/settings_store.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

void ReportOnStandardError(std::string_view problem) {
    std::fprintf(stderr, "fenx: %.*s\n", static_cast<int>(problem.size()), problem.data());
}

SettingsStore::SettingsStore(std::string path, Report report)
    : path_(std::move(path)), report_(std::move(report)) {
    FileText file = ReadFileText(path_, kSettingsFileLimit);
    if (file.state == FileState::Read) {
        contents_ = IniFile::Parse(file.text);
    } else if (file.state == FileState::TooLarge) {
        usable_ = false;
        if (report_) {
            report_(path_ + " is larger than 1 MiB: the game plays on its default settings, "
                            "keeps no change and leaves the file as it is");
        }
    }
}

SettingsStore::~SettingsStore() {
    if (!pending_.empty()) {
        Flush();
    }
}

std::optional<std::string> SettingsStore::Read(std::string_view key) const {
    return contents_.Get(kSettingsSection, key);
}

std::optional<std::string> SettingsStore::ReadStored(std::string_view key) const {
    if (!usable_) {
        return std::nullopt;
    }
    // Files are replaced whole, so a read without the lock sees one copy's
    // write or the other's, never half of one.
    const FileText file = ReadFileText(path_, kSettingsFileLimit);
    if (file.state != FileState::Read) {
        return std::nullopt;
    }
    return IniFile::Parse(file.text).Get(kSettingsSection, key);
}

bool SettingsStore::Set(std::string_view key, std::string_view value, SettingMerge merge) {
    if (!contents_.Set(kSettingsSection, key, value)) {
        return false;
    }
    const auto same = [key](const PendingKey& p) { return p.key == key; };
    std::erase_if(pending_, same);
    pending_.push_back({std::string(key), merge});
    return true;
}

bool SettingsStore::Write(std::span<const SettingValue> values) {
    bool stored = true;
    for (const SettingValue& v : values) {
        stored = Set(v.key, v.value, nullptr) && stored;
    }
    return Flush() && stored;
}

bool SettingsStore::Write(std::string_view key, std::string_view value) {
    const SettingValue one{key, value};
    return Write({&one, 1});
}

std::string SettingsStore::Merge(std::string_view key, std::string_view value, SettingMerge merge) {
    if (!Set(key, value, merge)) {
        return std::string(value);
    }
    Flush();
    return Read(key).value_or(std::string(value));
}

bool SettingsStore::Flush() {
    if (!usable_) {
        return false;
    }
    // Two games open at once must not lose each other's changes: the read,
    // the change and the write happen under one lock.
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), made);
    const FileLock lock(path_ + ".lock", kLockPatience);
    if (lock.lockFileError() != 0) {
        ReportOnce(reportedLock_, path_ + ".lock cannot be used (" +
                                      std::strerror(lock.lockFileError()) +
                                      "): the settings folder is locked instead");
    }
    // A linked settings file stays a link: its target takes the new text.
    const std::optional<std::string> target = FollowLinks(path_);
    if (!lock.locked() || !target) {
        return false;
    }
    RemoveLeftoverTemporaries(*target);
    const FileText file = ReadFileText(*target, kSettingsFileLimit);
    if (file.state == FileState::Unreadable || file.state == FileState::TooLarge) {
        // Whatever is stored there cannot be kept, so nothing replaces it.
        return false;
    }
    IniFile onDisk;
    if (file.state == FileState::Read) {
        onDisk = IniFile::Parse(file.text);
    }
    bool changed = false;
    for (const PendingKey& p : pending_) {
        std::string value = contents_.Get(kSettingsSection, p.key).value_or("");
        const std::optional<std::string> stored = onDisk.Get(kSettingsSection, p.key);
        if (p.merge) {
            value =
                p.merge(stored ? std::optional<std::string_view>(*stored) : std::nullopt, value);
            contents_.Set(kSettingsSection, p.key, value);
        }
        if (stored != value) {
            onDisk.Set(kSettingsSection, p.key, value);
            changed = true;
        }
    }
    // Values already stored leave the file untouched.
    if (changed && !ReplaceFileContents(*target, onDisk.Serialize())) {
        return false;
    }
    pending_.clear();
    return true;
}

void SettingsStore::ReportOnce(bool& reported, const std::string& problem) {
    if (!reported && report_) {
        report_(problem);
    }
    reported = true;
}

} // namespace fenx
