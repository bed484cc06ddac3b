// The fenx program itself, without a screen: it writes the corrected stage
// size at start, and ends cleanly on SIGTERM and Ctrl+C (exit code 0, not
// killed by the signal).
#include <gtest/gtest.h>

#include <signal.h>

#include <QDir>
#include <QFile>

#include "app/program_run.h"

namespace fenx {
namespace {

TEST(Program, EndsCleanlyOnSigterm) {
    ProgramRun run;
    ASSERT_TRUE(run.StartedAndRunning()) << run.process().readAllStandardError().toStdString();
    EXPECT_EQ(run.Settings(), QByteArray("[FENX]\nx_size=7\ny_size=4\n"));
    run.Send(SIGTERM);
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.process().exitCode(), 0);
    EXPECT_FALSE(run.HistoryExists()); // no stage was started
}

TEST(Program, EndsCleanlyOnCtrlCAndCorrectsTheStoredSize) {
    ProgramRun run("; hand-written\n[FENX]\nx_size=40\ny_size=12\nsound=0\n");
    ASSERT_TRUE(run.StartedAndRunning());
    EXPECT_EQ(run.Settings(),
              QByteArray("; hand-written\n[FENX]\nx_size=38\ny_size=10\nsound=0\n"));
    run.Send(SIGINT);
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.process().exitCode(), 0);
}

TEST(Program, EndsCleanlyWhenItsTerminalCloses) {
    ProgramRun run;
    ASSERT_TRUE(run.StartedAndRunning());
    run.Send(SIGHUP);
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.process().exitCode(), 0);
}

TEST(Program, RunsWithAnUnwritableSettingsFolder) {
    ProgramRun run;
    // The configuration folder is a file: every write fails, the game goes on.
    QDir(run.ConfigPath()).removeRecursively();
    QFile blocker(run.ConfigPath());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(run.StartedAndRunning());
    run.Send(SIGTERM);
    ASSERT_TRUE(run.Finished());
    EXPECT_EQ(run.process().exitCode(), 0);
}

TEST(Program, AnswersHelpAndVersionWithoutOpeningAWindow) {
    for (const bool display : {true, false}) {
        ProgramRun version;
        ProgramRun help;
        if (!display) {
            version.WithoutDisplay();
            help.WithoutDisplay();
        }
        ASSERT_TRUE(version.RanToEnd({"--version"}));
        EXPECT_EQ(version.process().exitCode(), 0);
        EXPECT_EQ(version.process().readAllStandardOutput(), QByteArray("fenx " FENX_VERSION "\n"));
        ASSERT_TRUE(help.RanToEnd({"--help"}));
        EXPECT_EQ(help.process().exitCode(), 0);
        const QByteArray text = help.process().readAllStandardOutput();
        EXPECT_TRUE(text.startsWith("Usage: ")) << text.toStdString();
        EXPECT_TRUE(text.contains("--version")) << text.toStdString();
        // Answering does not start the game: no settings are written.
        EXPECT_TRUE(version.Settings().isEmpty());
        EXPECT_TRUE(help.Settings().isEmpty());
    }
}

TEST(Program, RefusesUnknownOptionsAndArgumentsWithStatusTwo) {
    for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"-x"},
                                         QStringList{"stage.ini"}, QStringList{"--version=3"}}) {
        ProgramRun run;
        ASSERT_TRUE(run.RanToEnd(arguments)) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.process().exitCode(), 2) << arguments.join(' ').toStdString();
        const QByteArray error = run.process().readAllStandardError();
        EXPECT_TRUE(error.startsWith("fenx: ")) << error.toStdString();
        EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
        EXPECT_TRUE(run.Settings().isEmpty());
    }
}

TEST(Program, WithoutADisplaySaysSoInOneLineAndEndsWithStatusTwo) {
    ProgramRun run;
    run.WithoutDisplay();
    ASSERT_TRUE(run.RanToEnd({}));
    EXPECT_EQ(run.process().exitCode(), 2);
    const QByteArray error = run.process().readAllStandardError();
    EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
    EXPECT_TRUE(error.contains("DISPLAY")) << error.toStdString();
    EXPECT_TRUE(run.Settings().isEmpty());
}

} // namespace
} // namespace fenx
