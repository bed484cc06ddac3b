#include "shell_fixture.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdlib>
#include <filesystem>

#include "settings/settings_store.h"

namespace fenx {
namespace {

const SpriteSheet& Sheet() {
    static const std::optional<SpriteSheet> sheet = EmbeddedSpriteSheet();
    return *sheet;
}

std::string ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

} // namespace

void ShellTest::SetUp() {
    ASSERT_TRUE(EmbeddedSpriteSheet().has_value()) << "the build holds no sprite sheet";
    ASSERT_TRUE(folder_.isValid());
    oldFolder_ = std::filesystem::current_path().string();
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        oldConfigHome_ = old;
    }
    setenv("XDG_CONFIG_HOME", (folder_.path() + "/config").toLocal8Bit().constData(), 1);
    ASSERT_EQ(::chdir(folder_.path().toLocal8Bit().constData()), 0);
}

void ShellTest::TearDown() {
    if (shell_) {
        shell_->ShutDown();
        shell_.reset();
    }
    if (oldConfigHome_) {
        setenv("XDG_CONFIG_HOME", oldConfigHome_->c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    EXPECT_EQ(::chdir(oldFolder_.c_str()), 0);
}

void ShellTest::WriteSettings(const std::string& text) {
    QDir().mkpath(folder_.path() + "/config/fenx");
    QFile file(folder_.path() + "/config/fenx/fenx.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

std::string ShellTest::SettingsText() const {
    return ReadFile(folder_.path() + "/config/fenx/fenx.ini");
}

std::string ShellTest::HistoryText() const {
    return ReadFile(folder_.path() + "/fenx.log");
}

bool ShellTest::HistoryExists() const {
    return QFile::exists(folder_.path() + "/fenx.log");
}

GameShell& ShellTest::StartShell() {
    // The same paths the program itself uses, inside the sandbox.
    shell_ =
        std::make_unique<GameShell>(Sheet(), ShellPaths{DefaultSettingsFilePath(), "fenx.log"});
    shell_->Start();
    // Let the window come up and the application become active before the
    // test starts feeding it events.
    EXPECT_TRUE(QTest::qWaitForWindowActive(&shell_->window()));
    return *shell_;
}

void ShellTest::Choose(int id) {
    QAction* action = Action(id);
    ASSERT_NE(action, nullptr) << id;
    action->trigger();
}

void ShellTest::Click(int x, int y) {
    QTest::mouseClick(&shell_->window().surface(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void ShellTest::StartStageByClick() {
    Click(20, 20);
    // 32 frames at least 10 ms apart: well under a second.
    Wait(1000);
}

void ShellTest::Wait(int ms) {
    QTest::qWait(ms);
}

} // namespace fenx
