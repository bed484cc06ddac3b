// The play timer of the running window stands still while a menu is open or
// another application is active, and goes on once that is over.
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

#include <cstring>
#include <vector>

#include "shell_fixture.h"

namespace fenx {
namespace {

std::vector<uint8_t> Snapshot(GameShell& shell) {
    const OffscreenSurface& surface = shell.game().Surface();
    const uint8_t* bytes = surface.pixels();
    return {bytes, bytes + static_cast<std::size_t>(surface.width()) * surface.height()};
}

using PlayGateTest = ShellTest;

TEST_F(PlayGateTest, AnOpenMenuOrSubmenuFreezesTheFlyIn) {
    GameShell& shell = StartShell();
    QMenu* game = shell.window().menuBar()->actions()[0]->menu();
    QMenu* drag = game->actions()[10]->menu();
    EXPECT_TRUE(shell.PlayTimerMayRun());
    emit game->aboutToShow();
    emit drag->aboutToShow();
    Click(20, 20);
    const std::vector<uint8_t> first = Snapshot(shell);
    Wait(400);
    EXPECT_FALSE(shell.PlayTimerMayRun());
    EXPECT_TRUE(Snapshot(shell) == first);
    emit drag->aboutToHide(); // the game menu is still open
    Wait(300);
    EXPECT_TRUE(Snapshot(shell) == first);
    emit game->aboutToHide();
    EXPECT_TRUE(shell.PlayTimerMayRun());
    Wait(1000);
    EXPECT_TRUE(Snapshot(shell) != first);
    // The fly-in is over: commands work again.
    Choose(102);
    EXPECT_EQ(shell.window().surface().size(), QSize(224, 160));
}

TEST_F(PlayGateTest, AnInactiveApplicationFreezesTheFlyIn) {
    GameShell& shell = StartShell();
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    Click(20, 20);
    const std::vector<uint8_t> first = Snapshot(shell);
    Wait(400);
    EXPECT_TRUE(Snapshot(shell) == first);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    Wait(1000);
    const std::vector<uint8_t> landed = Snapshot(shell);
    EXPECT_TRUE(landed != first);
    // With the blocks in place and nothing held, nothing changes any more.
    Wait(300);
    EXPECT_TRUE(Snapshot(shell) == landed);
}

} // namespace
} // namespace fenx
