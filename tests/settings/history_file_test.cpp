// Appending history lines: each call adds exactly its line at the end, the
// file is created when missing, and a place that cannot hold a file fails
// without harm.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "lock_holder.h"
#include "settings/atomic_file.h"
#include "settings/history_file.h"
#include "support/child_process.h"
#include "temp_folder.h"

namespace fenx {
namespace {

TEST(HistoryFile, CreatesThenAppendsWholeLines) {
    TempFolder temp;
    const std::string path = temp.File("fenx.log");
    EXPECT_TRUE(HistoryFile(path).Append("0 97/08/26 21:07 7 4 4829\n"));
    EXPECT_TRUE(HistoryFile(path).Append("1 97/08/26 21:09 12 4 100\n"));
    EXPECT_EQ(ReadText(path), "0 97/08/26 21:07 7 4 4829\n1 97/08/26 21:09 12 4 100\n");
}

TEST(HistoryFile, AppendsAfterWhateverTheFileHeldOnALineOfItsOwn) {
    TempFolder temp;
    const std::string path = temp.File("fenx.log");
    WriteText(path, "old line without end");
    EXPECT_TRUE(HistoryFile(path).Append("1 24/01/02 03:04 7 8 65535\n"));
    EXPECT_EQ(ReadText(path), "old line without end\n1 24/01/02 03:04 7 8 65535\n");
}

TEST(HistoryFile, FailsWhereNoFileCanBe) {
    TempFolder temp;
    EXPECT_FALSE(HistoryFile(temp.File("no/such/folder/fenx.log")).Append("x\n"));
    EXPECT_FALSE(HistoryFile(temp.path().string()).Append("x\n"));
    // A FIFO with nobody reading it: refused at once instead of waiting.
    const std::string fifo = temp.File("fifo.log");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(HistoryFile(fifo).Append("x\n"));
}

TEST(HistoryFile, LinesFromManyWritersNeverInterleave) {
    TempFolder temp;
    const std::string path = temp.File("fenx.log");
    constexpr int kWriters = 4;
    constexpr int kLines = 1000;
    for (int w = 0; w < kWriters; ++w) {
        if (::fork() == 0) {
            const std::string line = std::string(300, static_cast<char>('a' + w)) + "\n";
            for (int i = 0; i < kLines; ++i) {
                HistoryFile(path).Append(line);
            }
            ::_exit(0);
        }
    }
    for (int w = 0; w < kWriters; ++w) {
        int status = 0;
        ::wait(&status);
    }
    const std::string text = ReadText(path);
    ASSERT_EQ(text.size(), std::size_t{kWriters * kLines * 301});
    for (std::size_t at = 0; at < text.size(); at += 301) {
        const char c = text[at];
        ASSERT_EQ(text.substr(at, 301), std::string(300, c) + "\n") << "at " << at;
    }
}

TEST(HistoryFile, ReadsOnlyRegularFilesAndNeverWaits) {
    TempFolder temp;
    const std::string path = temp.File("fenx.log");
    EXPECT_FALSE(HistoryFile(path).Read().has_value()); // missing
    WriteText(path, "1 97/08/26 21:07 12 4 4829\n");
    EXPECT_EQ(HistoryFile(path).Read(), "1 97/08/26 21:07 12 4 4829\n");
    EXPECT_FALSE(ReadWholeFile(path, 10).has_value()); // larger than allowed

    EXPECT_FALSE(HistoryFile(temp.path().string()).Read().has_value()); // a folder
    const std::string fifo = temp.File("fifo.log");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(HistoryFile(fifo).Read().has_value()); // a FIFO with no writer: no hang
    EXPECT_FALSE(HistoryFile("/dev/zero").Read().has_value());
}

TEST(HistoryFile, ALineCutShortByAFullDiskIsTakenBackWhole) {
    TempFolder temp;
    const std::string path = temp.File("fenx.log");
    const std::string before = "1 26/12/09 16:40 7 4 4829\n";
    WriteText(path, before);
    // A file size limit a few bytes past the end stands in for a full disk:
    // only "0 26/" of the next line would fit.
    EXPECT_EQ(testing::InChildProcess([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit full{before.size() + 5, RLIM_INFINITY};
                  ::setrlimit(RLIMIT_FSIZE, &full);
                  return HistoryFile(path).Append("0 26/12/09 16:42 7 4 28490\n")
                             ? std::string("a cut-short line counted as written")
                             : std::string();
              }),
              "");
    EXPECT_EQ(ReadText(path), before);
    EXPECT_TRUE(HistoryFile(path).Append("0 26/12/09 16:42 7 4 28490\n"));
    EXPECT_EQ(ReadText(path), before + "0 26/12/09 16:42 7 4 28490\n");
}

TEST(HistoryFile, ALockHeldElsewhereDelaysTheLineOnlyForAMoment) {
    TempFolder temp;
    const std::string path = temp.File("fenx.log");
    WriteText(path, "1 26/12/09 16:40 7 4 4829\n");
    LockHolder other(path, 3);
    ASSERT_TRUE(other.held());
    EXPECT_TRUE(HistoryFile(path).Append("0 26/12/09 16:42 7 4 28490\n"));
    EXPECT_FALSE(other.Released()) << "the line waited for the lock to go";
    other.WaitUntilReleased();
    EXPECT_EQ(ReadText(path), "1 26/12/09 16:40 7 4 4829\n0 26/12/09 16:42 7 4 28490\n");
}

TEST(HistoryFile, OfAHugeLogOnlyTheLinesInItsLastPartAreRead) {
    TempFolder temp;
    const std::string path = temp.File("fenx.log");
    // Years of play, or a sparse file of a gigabyte: read in a moment and in
    // a few megabytes all the same.
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{1} << 30), 0);
        ::close(fd);
    }
    const std::string last = "0 26/12/09 16:40 7 4 1\n1 26/12/09 16:42 12 4 2\n";
    ASSERT_TRUE(HistoryFile(path).Append(last));
    const auto text = HistoryFile(path).Read();
    ASSERT_TRUE(text.has_value());
    EXPECT_LE(text->size(), kHistoryReadLimit);
    EXPECT_EQ(text->substr(text->size() - last.size()), last);

    // Where the part starts on a line of its own, that line is read whole;
    // of a line begun before the part, nothing is. (The texts are compared
    // as a whole: a failure would not print megabytes.)
    const std::string part = std::string(kHistoryReadLimit - 1, 'a') + "\n";
    WriteText(path, std::string(100, 'z') + "\n" + part);
    EXPECT_TRUE(HistoryFile(path).Read() == part);
    const std::string line = "0 26/12/09 16:40 7 4 9\n";
    WriteText(path, std::string(100, 'z') + "\n" + line + part.substr(line.size() - 5));
    EXPECT_TRUE(HistoryFile(path).Read() == part.substr(line.size() - 5));
}

} // namespace
} // namespace fenx
