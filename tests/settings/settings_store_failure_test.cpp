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

TEST(SettingsStoreFailure, AValueTheDiskRefusedGoesOutWithTheNextWrite) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    // A file size limit stands in for a full disk: the write fails with
    // EFBIG, as a full disk fails with ENOSPC.
    EXPECT_EQ(InChildProcess([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  SettingsStore store(path);
                  rlimit full{4, RLIM_INFINITY};
                  ::setrlimit(RLIMIT_FSIZE, &full);
                  if (store.Write("sound", "0") || !store.pending()) {
                      return std::string("the refused write was not kept");
                  }
                  rlimit room{RLIM_INFINITY, RLIM_INFINITY};
                  ::setrlimit(RLIMIT_FSIZE, &room);
                  if (!store.Write("x_size", "12")) {
                      return std::string("the write after it failed");
                  }
                  return ReadText(path);
              }),
              "[FENX]\nsound=0\nx_size=12\n");
    // Nothing of the failed write is left beside the file.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"fenx.ini", "fenx.ini.lock"}));
}

TEST(SettingsStoreFailure, AValueStillPendingIsWrittenWhenTheStoreGoes) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    EXPECT_EQ(InChildProcess([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  SettingsStore store(path);
                  rlimit full{4, RLIM_INFINITY};
                  ::setrlimit(RLIMIT_FSIZE, &full);
                  store.Write("sound", "0");
                  rlimit room{RLIM_INFINITY, RLIM_INFINITY};
                  ::setrlimit(RLIMIT_FSIZE, &room);
                  return std::string();
              }),
              "");
    EXPECT_EQ(ReadText(path), "[FENX]\nsound=0\n");
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
