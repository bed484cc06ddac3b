// Where fenx-cli render puts its picture: through a symbolic link into the
// link's target, straight into standard output, a device or a pipe, and
// never half a file; a failure to write is a status of its own with one
// line on stderr.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/child_process.h"

namespace fenx {
namespace {

namespace fs = std::filesystem;
using testing::RunCli;
using testing::RunCliErrors;

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            bytes.append(buffer, n);
        }
        std::fclose(file);
    }
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class RenderOutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/fenx-render-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        ASSERT_EQ(RunCli("render 7 4 1 " + File("plain.png") + " --hour 3").status, 0);
        picture_ = ReadBytes(File("plain.png"));
        ASSERT_GT(picture_.size(), 1000u);
        fs::remove(File("plain.png"));
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string File(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
    std::string picture_; // stage 7 4 1 at 3 o'clock, as a plain file takes it
};

TEST_F(RenderOutputTest, ALinkStaysALinkAndItsTargetTakesThePicture) {
    fs::create_directory(folder_ / "kept");
    WriteBytes(File("kept/target.png"), "old bytes");
    fs::create_symlink("kept/target.png", File("link.png"));
    ASSERT_EQ(RunCli("render 7 4 1 " + File("link.png") + " --hour 3").status, 0);
    EXPECT_TRUE(fs::is_symlink(File("link.png")));
    EXPECT_TRUE(ReadBytes(File("kept/target.png")) == picture_);
    // A dangling link: its target is made, beside it nothing else.
    fs::create_symlink("kept/new.png", File("dangling.png"));
    ASSERT_EQ(RunCli("render 7 4 1 " + File("dangling.png") + " --hour 3").status, 0);
    EXPECT_TRUE(fs::is_symlink(File("dangling.png")));
    EXPECT_TRUE(ReadBytes(File("kept/new.png")) == picture_);
    EXPECT_EQ(Names(folder_ / "kept"), (std::vector<std::string>{"new.png", "target.png"}));
}

TEST_F(RenderOutputTest, StandardOutputByAnyOfItsNamesIsWrittenStraightIn) {
    // As an ordinary user, so a fault never touches /dev: root could
    // replace /dev/stdout itself.
    for (const char* name : {"/dev/stdout", "-", "/dev/fd/1", "/proc/self/fd/1"}) {
        const std::string out = File("out.png");
        FILE* file = std::fopen(out.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const int status =
            testing::RunProgram({FENX_CLI_PATH, "render", "7", "4", "1", name, "--hour", "3"},
                                ::fileno(file), testing::RunAs::OrdinaryUser);
        std::fclose(file);
        EXPECT_EQ(status, 0) << name;
        EXPECT_TRUE(ReadBytes(out) == picture_) << name;
    }
    struct stat link {};
    ASSERT_EQ(::lstat("/dev/stdout", &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
}

TEST_F(RenderOutputTest, AFailedWriteIsStatusThreeInOneLineAndKeepsTheOldFile) {
    const auto full = RunCliErrors("fenx-cli render 7 4 1 /dev/full");
    EXPECT_EQ(full.status, 3);
    EXPECT_EQ(std::count(full.out.begin(), full.out.end(), '\n'), 1) << full.out;
    const auto closed = RunCliErrors("fenx-cli stage 7 4 0 >/dev/full");
    EXPECT_EQ(closed.status, 3);
    EXPECT_EQ(std::count(closed.out.begin(), closed.out.end(), '\n'), 1) << closed.out;

    // Under a file size limit below the picture's size: the write fails
    // (it does not end the program), the old picture stays, nothing else.
    WriteBytes(File("kept.png"), "old picture");
    const auto limited = RunCliErrors("ulimit -f 1; fenx-cli render 7 4 1 " + File("kept.png"));
    EXPECT_EQ(limited.status, 3);
    EXPECT_EQ(std::count(limited.out.begin(), limited.out.end(), '\n'), 1) << limited.out;
    EXPECT_EQ(ReadBytes(File("kept.png")), "old picture");
    EXPECT_EQ(Names(folder_), std::vector<std::string>{"kept.png"});
}

} // namespace
} // namespace fenx
