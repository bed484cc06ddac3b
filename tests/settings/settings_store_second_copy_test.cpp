// The settings store beside a second copy of the game, or anything else that
// shares fenx.ini or its lock: solved marks are merged, never lost; a lock
// held too long makes a write give up instead of freezing the game, and the
// value follows with the next write; a lock file someone else owns is
// worked around.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "lock_holder.h"
#include "selection/challenge_progress.h"
#include "settings/settings_store.h"
#include "support/child_process.h"
#include "temp_folder.h"

namespace fenx {
namespace {

using testing::GiveToOrdinaryUser;
using testing::InChildProcess;
using testing::RunAs;

std::string ProgressText(std::initializer_list<int> rows) {
    ChallengeProgress progress;
    for (int row : rows) {
        progress.flags[static_cast<std::size_t>(row)] = 1;
    }
    const auto text = EncodeChallengeProgress(progress);
    return {text.data(), text.size()};
}

TEST(SettingsStoreSecondCopy, MarksSolvedInEitherCopyAreKeptAndTakenByBoth) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    WriteText(path, "[FENX]\nchallenge=" + ProgressText({0}) + "\n");
    SettingsStore first(path);  // started earlier
    SettingsStore second(path); // solves row 2 first
    EXPECT_EQ(second.Merge("challenge", ProgressText({0, 2}), MergeChallengeProgress),
              ProgressText({0, 2}));
    // The first copy solves row 3 from its own memory, which lacks row 2.
    EXPECT_EQ(first.Merge("challenge", ProgressText({0, 3}), MergeChallengeProgress),
              ProgressText({0, 2, 3}));
    EXPECT_EQ(first.Read("challenge"), ProgressText({0, 2, 3}));
    EXPECT_EQ(SettingsStore(path).Read("challenge"), ProgressText({0, 2, 3}));
    // A damaged key on disk counts as nothing solved; ours replaces it.
    WriteText(path, "[FENX]\nchallenge=damaged\n");
    EXPECT_EQ(second.Merge("challenge", ProgressText({5}), MergeChallengeProgress),
              ProgressText({5}));
}

TEST(SettingsStoreSecondCopy, WhatTheOtherCopyStoredIsReadFromTheFileWithoutChangingReads) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    SettingsStore first(path);
    EXPECT_EQ(first.ReadStored("challenge"), std::nullopt); // no file yet
    SettingsStore second(path);
    ASSERT_TRUE(second.Write("challenge", ProgressText({4})));
    EXPECT_EQ(first.ReadStored("challenge"), ProgressText({4}));
    EXPECT_EQ(first.Read("challenge"), std::nullopt);
    // A file grown past the limit is not read.
    WriteText(path, "[FENX]\nchallenge=" + ProgressText({4}) + "\n" + std::string(2 << 20, ';'));
    EXPECT_EQ(first.ReadStored("challenge"), std::nullopt);
}

TEST(SettingsStoreSecondCopy, ALockHeldElsewhereMakesAWriteGiveUpAndTheValueFollowsLater) {
    TempFolder temp;
    const std::string path = temp.File("fenx.ini");
    SettingsStore store(path);
    LockHolder other(path + ".lock", 3);
    ASSERT_TRUE(other.held());
    EXPECT_FALSE(store.Write("sound", "0"));
    EXPECT_FALSE(other.Released()) << "the write waited for the lock to go";
    EXPECT_TRUE(store.pending());
    EXPECT_EQ(store.Read("sound"), "0");
    other.WaitUntilReleased();
    EXPECT_TRUE(store.Write("drag_type", "2"));
    EXPECT_FALSE(store.pending());
    EXPECT_EQ(ReadText(path), "[FENX]\nsound=0\ndrag_type=2\n");
}

TEST(SettingsStoreSecondCopy, ALockFileNoOneButItsOwnerMayOpenIsWorkedAroundAndSaidOnce) {
    TempFolder temp;
    const std::string folder = temp.File("fenx");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/fenx.ini";
    WriteText(path, "[FENX]\nsound=1\n");
    GiveToOrdinaryUser(temp.path());
    // Left by a run as root with the user's home: root's, for root alone.
    // Run by an ordinary user, the test keeps the file from itself instead.
    WriteText(path + ".lock", "");
    ASSERT_EQ(::chmod((path + ".lock").c_str(), ::geteuid() == 0 ? 0600 : 0), 0);
    EXPECT_EQ(
        InChildProcess(
            [&] {
                std::vector<std::string> reports;
                SettingsStore store(path, [&](std::string_view r) { reports.emplace_back(r); });
                if (!store.Write("sound", "0") || !store.Write("x_size", "12")) {
                    return std::string("the settings were not written");
                }
                if (ReadText(path) != "[FENX]\nsound=0\nx_size=12\n") {
                    return "the file holds " + ReadText(path);
                }
                if (reports.size() != 1 || reports[0].find("fenx.ini.lock") == std::string::npos) {
                    return std::string("not said once");
                }
                return std::string();
            },
            RunAs::OrdinaryUser),
        "");
}

} // namespace
} // namespace fenx
