// The settings store on a real disk: where fenx.ini lives, that it is read
// once, that each write replaces the file in one step and keeps what others
// wrote, and that failures leave the game running.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/atomic_file.h"
#include "settings/settings_store.h"
#include "support/child_process.h"
#include "temp_folder.h"

namespace fenx {
namespace {

namespace fs = std::filesystem;

TEST(SettingsFilePath, FollowsXdgConfigHomeThenHome) {
    EXPECT_EQ(SettingsFilePath("/x/cfg", "/home/u"), "/x/cfg/fenx/fenx.ini");
    EXPECT_EQ(SettingsFilePath(nullptr, "/home/u"), "/home/u/.config/fenx/fenx.ini");
    // An empty or relative XDG_CONFIG_HOME is to be ignored.
    EXPECT_EQ(SettingsFilePath("", "/home/u"), "/home/u/.config/fenx/fenx.ini");
    EXPECT_EQ(SettingsFilePath("cfg", "/home/u"), "/home/u/.config/fenx/fenx.ini");
    EXPECT_EQ(SettingsFilePath(nullptr, nullptr), "./.config/fenx/fenx.ini");
}

TEST(SettingsStore, MissingFileReadsNothingAndFirstWriteCreatesFolderAndFile) {
    TempFolder temp;
    const std::string path = temp.File("deep/er/fenx/fenx.ini");
    SettingsStore store(path);
    EXPECT_EQ(store.Read("x_size"), std::nullopt);
    EXPECT_TRUE(store.Write("x_size", "7"));
    EXPECT_TRUE(store.Write("y_size", "4"));
    EXPECT_EQ(ReadText(path), "[FENX]\nx_size=7\ny_size=4\n");
    EXPECT_EQ(store.Read("x_size"), "7");
    // Nothing but the file and its lock file is left: no temporary file.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"fenx.ini", "fenx.ini.lock"}));
}

TEST(SettingsStore, ReadsOnceAndKeepsLinesOthersWroteSince) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    WriteText(path, "# mine\r\n[FENX]\r\nx_size=12\r\ny_size=4\r\nsound=5\r\n");
    SettingsStore store(path);
    EXPECT_EQ(store.Read("sound"), "5");

    // Another program changes the file while the game runs.
    WriteText(path, "# mine\r\n[FENX]\r\nx_size=12\r\ny_size=4\r\nsound=5\r\nextra=1\r\n");
    EXPECT_EQ(store.Read("extra"), std::nullopt); // read at start only
    EXPECT_TRUE(store.Write("sound", "0"));
    EXPECT_EQ(ReadText(path),
              "# mine\r\n[FENX]\r\nx_size=12\r\ny_size=4\r\nsound=0\r\nextra=1\r\n");
    EXPECT_EQ(store.Read("sound"), "0");
}

TEST(SettingsStore, CorruptFileStillServesAndSurvivesAWrite) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    std::string garbage(100000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919) % 251);
    }
    WriteText(path, garbage);
    SettingsStore store(path);
    EXPECT_TRUE(store.Write("x_size", "38"));
    const std::string after = ReadText(path);
    EXPECT_EQ(after.compare(0, garbage.size(), garbage), 0);
    EXPECT_EQ(SettingsStore(path).Read("x_size"), "38");
}

TEST(SettingsStore, KeepsThePermissionsOfTheFileItReplaces) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    WriteText(path, "[FENX]\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    SettingsStore store(path);
    ASSERT_TRUE(store.Write("sound", "1"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SettingsStore, AFailedWriteIsReportedButTheValueIsKept) {
    TempFolder temp;
    // The folder the file should go into is a plain file: nothing can be
    // created there, whoever runs the test.
    WriteText(temp.File("blocker"), "not a folder");
    SettingsStore store(temp.File("blocker/fenx/fenx.ini"));
    EXPECT_FALSE(store.Write("drag_type", "2"));
    EXPECT_EQ(store.Read("drag_type"), "2");
    EXPECT_EQ(ReadText(temp.File("blocker")), "not a folder");
}

TEST(SettingsStore, AFolderInPlaceOfTheFileIsLeftAlone) {
    TempFolder temp;
    fs::create_directories(temp.path() / "fenx.ini" / "inside");
    SettingsStore store(temp.File("fenx.ini"));
    EXPECT_EQ(store.Read("x_size"), std::nullopt);
    EXPECT_FALSE(store.Write("x_size", "7"));
    EXPECT_TRUE(fs::is_directory(temp.path() / "fenx.ini" / "inside"));
}

TEST(ReplaceFileContents, ReplacesWholeFilesOnly) {
    TempFolder temp;
    const std::string path = temp.File("f.txt");
    WriteText(path, std::string(5000, 'a'));
    ASSERT_TRUE(ReplaceFileContents(path, "short"));
    EXPECT_EQ(ReadText(path), "short");
    ASSERT_TRUE(ReplaceFileContents(path, std::string("\0\n\0", 3)));
    EXPECT_EQ(ReadWholeFile(path), std::string("\0\n\0", 3));
    EXPECT_EQ(ReadWholeFile(temp.File("missing")), std::nullopt);
}

TEST(SettingsStore, AFileThatExistsButCannotBeReadIsNeverReplaced) {
    // Root reads a file of mode 000 all the same: the check runs as an
    // ordinary user.
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    WriteText(path, "[FENX]\nchallenge=abc\nsound=0\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    testing::GiveToOrdinaryUser(temp.path());
    EXPECT_EQ(testing::InChildProcess(
                  [&] {
                      SettingsStore store(path);
                      if (store.Write("x_size", "12")) {
                          return std::string("the unreadable file was replaced");
                      }
                      // The game goes on with the new value.
                      return store.Read("x_size") == "12" ? std::string() : "the value was lost";
                  },
                  testing::RunAs::OrdinaryUser),
              "");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadText(path), "[FENX]\nchallenge=abc\nsound=0\n");
}

TEST(SettingsStore, AnythingButARegularFileIsLeftAloneAndNeverWaitedOn) {
    TempFolder temp;
    const std::string fifo = temp.File("fenx.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    SettingsStore store(fifo); // a FIFO with no writer: the read must not block
    EXPECT_EQ(store.Read("x_size"), std::nullopt);
    EXPECT_FALSE(store.Write("x_size", "12"));
    EXPECT_TRUE(fs::is_fifo(fifo));

    const std::string folder = temp.File("folder.ini");
    fs::create_directory(folder);
    SettingsStore inFolder(folder);
    EXPECT_FALSE(inFolder.Write("x_size", "12"));
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST(SettingsStore, AnUnchangedValueLeavesTheFileUntouchedAndALinkStaysALink) {
    TempFolder temp;
    const std::string real = temp.File("real.ini");
    const std::string link = temp.File("fenx.ini");
    WriteText(real, "; mine\n[FENX]\nx_size=7\n");
    fs::create_symlink(real, link);
    SettingsStore store(link);
    const auto before = fs::last_write_time(real);
    const auto inode = fs::status(real).type();
    EXPECT_TRUE(store.Write("x_size", "7"));
    EXPECT_EQ(fs::last_write_time(real), before);
    EXPECT_EQ(fs::status(real).type(), inode);

    EXPECT_TRUE(store.Write("y_size", "4"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(real), "; mine\n[FENX]\nx_size=7\ny_size=4\n");
}

std::string KeyName(int writer, int key) {
    char name[32];
    std::snprintf(name, sizeof name, "w%d_%d", writer, key);
    return name;
}

TEST(SettingsStore, TwoGamesWritingAtOnceLoseNothing) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    constexpr int kWriters = 4;
    constexpr int kKeys = 60;
    for (int w = 0; w < kWriters; ++w) {
        if (::fork() == 0) {
            SettingsStore store(path);
            bool all = true;
            for (int k = 0; k < kKeys; ++k) {
                all = store.Write(KeyName(w, k), "1") && all;
            }
            ::_exit(all ? 0 : 1);
        }
    }
    for (int w = 0; w < kWriters; ++w) {
        int status = 0;
        ::wait(&status);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const SettingsStore reread(path);
    int missing = 0;
    for (int w = 0; w < kWriters; ++w) {
        for (int k = 0; k < kKeys; ++k) {
            missing += reread.Read(KeyName(w, k)) ? 0 : 1;
        }
    }
    EXPECT_EQ(missing, 0);
}

TEST(SettingsStore, ATemporaryFileLeftByACrashGoesAtTheNextWrite) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    const std::string leftover = temp.File(".fenx.ini.123.deadbeef.tmp");
    const std::string unrelated = temp.File(".other.ini.123.tmp");
    WriteText(leftover, "[FENX]\nhalf");
    WriteText(unrelated, "not ours");
    SettingsStore store(path);
    EXPECT_TRUE(store.Write("sound", "0"));
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(unrelated));
}

} // namespace
} // namespace fenx
