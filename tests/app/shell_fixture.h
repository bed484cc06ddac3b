// A GameShell in a sandbox: its own configuration folder (XDG_CONFIG_HOME)
// and working folder, so no test reads or writes the user's fenx.ini or
// fenx.log, and a few helpers to look at what the window shows.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>

#include "app/game_shell.h"

namespace fenx {

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Must come before StartShell to have an effect.
    void WriteSettings(const std::string& text);
    std::string SettingsText() const;
    std::string HistoryText() const;
    bool HistoryExists() const;

    GameShell& StartShell();
    GameShell& shell() { return *shell_; }
    QAction* Action(int id) { return shell_->window().menu().Action(id); }
    void Choose(int id);

    // Clicks the title screen and waits for the fly-in to end.
    void StartStageByClick();
    void Click(int x, int y);
    // Processes events for this long.
    static void Wait(int ms);

    QString sandbox() const { return folder_.path(); }

  private:
    QTemporaryDir folder_;
    std::string oldFolder_;
    std::optional<std::string> oldConfigHome_;
    std::unique_ptr<GameShell> shell_;
};

} // namespace fenx
