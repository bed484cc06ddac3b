// The fenx program against what a user's files and limits can do to it: a
// settings file far too large, a file size limit below its files, a lock
// another program holds. The game comes up and ends cleanly every time.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QByteArray>
#include <QFileInfo>

#include "app/program_run.h"
#include "support/child_process.h"

namespace fenx {
namespace {

// Ends a run with SIGTERM and expects the ordinary end.
void EndsCleanly(ProgramRun& run) {
    run.Send(SIGTERM);
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.process().exitCode(), 0);
}

TEST(ProgramLimits, ASettingsFileOverTheLimitStartsOnDefaultsSaidOnceAndIsLeftAlone) {
    // Read whole, two megabytes of blank lines took a few hundred
    // megabytes; the game now starts at once without reading them.
    const QByteArray settings = "[FENX]\nx_size=12\n" + QByteArray(2 << 20, '\n');
    ProgramRun run(settings);
    ASSERT_TRUE(run.StartedAndRunning()) << run.process().readAllStandardError().toStdString();
    EndsCleanly(run);
    EXPECT_TRUE(run.Settings() == settings);
    const QByteArray error = run.process().readAllStandardError();
    EXPECT_EQ(error.count("1 MiB"), 1) << error.toStdString();
}

TEST(ProgramLimits, AFileSizeLimitBelowTheSettingsFileFailsTheWriteAndNothingElse) {
    // The stored size is corrected at start, and the write of the file
    // runs into the limit.
    const QByteArray settings = "[FENX]\nx_size=40\ny_size=4\n; " + QByteArray(8000, 'x') + "\n";
    ProgramRun run(settings);
    run.BeforeStart([] {
        const rlimit limit{4096, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    ASSERT_TRUE(run.StartedAndRunning()) << "ended with " << run.process().exitCode();
    EndsCleanly(run);
    EXPECT_TRUE(run.Settings() == settings);
}

TEST(ProgramLimits, ALockHeldElsewhereNeitherKeepsTheWindowAwayNorTheEnd) {
    ProgramRun run;
    const QByteArray lockPath = (run.SettingsPath() + ".lock").toLocal8Bit();
    const int lock = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    // Started while the lock is held, and ended while it still is: a game
    // that waited for the lock on its window's thread would not end.
    ASSERT_TRUE(run.StartedAndRunning());
    EndsCleanly(run);
    ::close(lock);
}

TEST(ProgramLimits, WithNoThreadToSpareTheWindowStillPaintsAndTheGameEndsOnItsSignal) {
    // A process limit the user is already at: no thread of any kind can
    // start. The painter used to hand the conversion of the large 38 x 10
    // picture to threads that never came, and wait for them with the
    // window frozen, deaf to SIGTERM.
    ProgramRun run("[FENX]\nx_size=38\ny_size=10\n");
    testing::GiveToOrdinaryUser(QFileInfo(run.ConfigPath()).path().toStdString());
    run.WithoutLeakChecker();
    run.BeforeStart([] {
        if (!testing::BecomeOrdinaryUser()) {
            ::_exit(125);
        }
        const rlimit none{1, 1};
        ::setrlimit(RLIMIT_NPROC, &none);
    });
    ASSERT_TRUE(run.StartedAndRunning()) << run.process().readAllStandardError().toStdString();
    EndsCleanly(run);
}

} // namespace
} // namespace fenx
