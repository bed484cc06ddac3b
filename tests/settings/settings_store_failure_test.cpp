// The settings store when writing fails or the file is not what the game
// wrote: a value that could not be written is kept and goes out with the
// next write, a settings file too large to be one is left alone, and a
// dangling link gets its target made.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "support/child_process.h"
#include "temp_folder.h"

namespace fenx {
namespace {

namespace fs = std::filesystem;
using testing::InChildProcess;

// Writes the value while the disk refuses every byte: a file size limit
// stands in for a full disk, the write failing with EFBIG as a full disk
// fails with ENOSPC. Whether the store reported the failure.
bool RefusedByAFullDisk(SettingsStore& store, std::string_view key, std::string_view value) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{4, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &full);
    const bool written = store.Write(key, value);
    const rlimit room{RLIM_INFINITY, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &room);
    return !written && store.pending();
}

TEST(SettingsStoreFailure, AValueTheDiskRefusedGoesOutWithTheNextWriteOrAtTheEnd) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    EXPECT_EQ(InChildProcess([&] {
                  {
                      SettingsStore store(path);
                      if (!RefusedByAFullDisk(store, "sound", "0")) {
                          return std::string("the refused write was not kept");
                      }
                      if (!store.Write("x_size", "12") ||
                          ReadText(path) != "[FENX]\nsound=0\nx_size=12\n") {
                          return "the next write left " + ReadText(path);
                      }
                      if (!RefusedByAFullDisk(store, "drag_type", "2")) {
                          return std::string("the second refused write was not kept");
                      }
                  } // the store goes, with a value still pending
                  return ReadText(path);
              }),
              "[FENX]\nsound=0\nx_size=12\ndrag_type=2\n");
    // Nothing of the failed writes is left beside the file.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"fenx.ini", "fenx.ini.lock"}));
}

TEST(SettingsStoreFailure, AFileLargerThanTheLimitIsNeitherReadNorReplacedAndSaidOnce) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    const std::string text = "[FENX]\nsound=0\n" + std::string(kSettingsFileLimit, '\n');
    WriteText(path, text);
    std::vector<std::string> reports;
    SettingsStore store(path, [&](std::string_view r) { reports.emplace_back(r); });
    EXPECT_EQ(store.Read("sound"), std::nullopt); // the defaults, at once
    EXPECT_FALSE(store.Write("sound", "1"));
    EXPECT_FALSE(store.Write("x_size", "12"));
    EXPECT_EQ(store.Read("sound"), "1");
    EXPECT_EQ(ReadText(path), text);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("1 MiB"), std::string::npos) << reports[0];
    // Just below the limit the file is still the game's.
    WriteText(path, text.substr(0, kSettingsFileLimit));
    EXPECT_EQ(SettingsStore(path).Read("sound"), "0");
}

TEST(SettingsStoreFailure, ADanglingLinkInPlaceOfTheFileGetsItsTargetMade) {
    TempFolder temp;
    fs::create_directory(temp.path() / "kept");
    const std::string link = temp.File("fenx.ini");
    fs::create_symlink("kept/real.ini", link);
    SettingsStore store(link);
    EXPECT_TRUE(store.Write("sound", "0"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(temp.File("kept/real.ini")), "[FENX]\nsound=0\n");
}

} // namespace
} // namespace fenx
