// The fenx program on a real X server (Xvfb), clicked with xdotool, for what
// only a display shows: a stage started by a click, a display that goes
// away, a generator path the processor cannot run.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <optional>

#include "app/program_run.h"

namespace fenx {
namespace {

// An X server of its own on the first free display.
class XServer {
  public:
    XServer() {
        // Xvfb writes the display it chose on the descriptor it is given.
        server_.start(QStringLiteral("Xvfb"),
                      {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        if (server_.waitForStarted(5000) && server_.waitForReadyRead(10000)) {
            display_ = QStringLiteral(":") + QString::fromLatin1(server_.readLine().trimmed());
        }
    }
    ~XServer() { Stop(); }
    // Empty when no server came up.
    const QString& display() const { return display_; }
    void Stop() {
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }

  private:
    QProcess server_;
    QString display_;
};

class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            << "Xvfb is missing: scripts/install-deps.sh test installs it";
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            << "xdotool is missing: scripts/install-deps.sh test installs it";
        ASSERT_FALSE(server_.display().isEmpty()) << "Xvfb did not start";
        run_.SetEnvironment(QStringLiteral("QT_QPA_PLATFORM"), {});
        run_.SetEnvironment(QStringLiteral("DISPLAY"), server_.display());
    }

    QString Xdotool(const QStringList& arguments) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), server_.display());
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    // Starts the game, clicks its title screen and returns the number of
    // the stage that starts, once the window's title shows it.
    std::optional<int> StartAStage() {
        if (!run_.StartedAndRunning()) {
            return std::nullopt;
        }
        const QString pid = QString::number(run_.process().processId());
        const QString window =
            Xdotool({"search", "--sync", "--pid", pid, "--name", "ＤＯＤＩ"}).split('\n').value(0);
        Xdotool({"mousemove", "--window", window, "72", "100", "click", "1"});
        // " 4464 面", its leading blank trimmed.
        static const QRegularExpression numbered(QStringLiteral("^(\\d+) 面$"));
        for (int attempt = 0; attempt < 50; ++attempt) {
            const auto match = numbered.match(Xdotool({"getwindowname", window}));
            if (match.hasMatch()) {
                return match.captured(1).toInt();
            }
            QThread::msleep(100);
        }
        return std::nullopt;
    }

    XServer server_;
    ProgramRun run_;
};

TEST_F(DisplayTest, ALostDisplayEndsTheGameWithTheStagesHistoryLine) {
    const std::optional<int> stage = StartAStage();
    ASSERT_TRUE(stage.has_value());
    server_.Stop();
    ASSERT_TRUE(run_.Finished());
    const QRegularExpression line(
        QStringLiteral("^0 \\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d 7 4 %1\\n$").arg(*stage));
    EXPECT_TRUE(line.match(QString::fromLatin1(run_.History())).hasMatch())
        << run_.History().toStdString();
}

TEST_F(DisplayTest, AGeneratorPathTheProcessorCannotRunIsSaidAndTheGamePlaysOn) {
    run_.SetEnvironment(QStringLiteral("FENX_GENERATOR_PATH"), QStringLiteral("no-such-path"));
    ASSERT_TRUE(StartAStage().has_value());
    EXPECT_FALSE(run_.process().waitForFinished(1000)) << "the game ended at its first stage";
    run_.Send(SIGTERM);
    ASSERT_TRUE(run_.Finished());
    EXPECT_EQ(run_.process().exitCode(), 0);
    const QByteArray error = run_.process().readAllStandardError();
    EXPECT_EQ(error.count("FENX_GENERATOR_PATH=no-such-path"), 1) << error.toStdString();
}

} // namespace
} // namespace fenx
