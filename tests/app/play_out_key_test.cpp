// Shift+H in the window plays the solution out, and the first key or click
// then only stops it; the pick-up key held down picks up once.
#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <vector>

#include "shell_fixture.h"
#include "support/game_probe.h"

namespace fenx {
namespace {

class PlayOutKeyTest : public ShellTest {
  protected:
    const testing::GameView& View() {
        if (!view_) {
            view_ = std::make_unique<testing::GameView>(shell().game());
        }
        return *view_;
    }
    std::vector<Cell> Anchors() {
        std::vector<Cell> anchors;
        for (int i = 0; i < View().blocks.count; ++i) {
            anchors.push_back({View().blocks[i].column, View().blocks[i].row});
        }
        return anchors;
    }
    // A press as the window system gives it, auto-repeated or not.
    void SendKey(Qt::Key key, bool autoRepeat) {
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
        QApplication::sendEvent(&shell().window(), &press);
    }
    // Shift+H, then the event loop until the play-out has moved a block.
    void PlayOutUntilABlockMoved() {
        const std::vector<Cell> before = Anchors();
        QTest::keyClick(&shell().window(), Qt::Key_H, Qt::ShiftModifier);
        for (int i = 0; i < 300 && Anchors() == before; ++i) {
            Wait(10);
        }
        ASSERT_NE(Anchors(), before);
        ASSERT_TRUE(shell().game().PlayingOut());
    }

  private:
    std::unique_ptr<testing::GameView> view_;
};

TEST_F(PlayOutKeyTest, ShiftHPlaysOutAndTheFirstKeyOrClickOnlyStopsIt) {
    StartShell();
    QSignalSpy commands(&shell().window().menu(), &GameMenu::commandChosen);
    StartStageByClick();
    ASSERT_EQ(shell().game().Phase(), PhasePlaying);

    // A key of play stops it and is not also acted on: the keyboard
    // cursor, which any such key shows, stays hidden.
    PlayOutUntilABlockMoved();
    QTest::keyClick(&shell().window(), Qt::Key_Left);
    EXPECT_FALSE(shell().game().PlayingOut());
    EXPECT_FALSE(View().keyCursor().shown);
    std::vector<Cell> stopped = Anchors();
    Wait(400);
    EXPECT_EQ(Anchors(), stopped);

    // The H key stops it without showing a next move.
    PlayOutUntilABlockMoved();
    QTest::keyClick(&shell().window(), Qt::Key_H);
    Wait(50);
    EXPECT_FALSE(shell().game().PlayingOut());
    EXPECT_FALSE(shell().game().NextMoveShowing());

    // A click on a block stops it and picks nothing up.
    PlayOutUntilABlockMoved();
    const Block& b = View().blocks[View().drag.block];
    QTest::mousePress(&shell().window().surface(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(CellCentrePixel(b.column), CellCentrePixel(b.row)));
    EXPECT_FALSE(shell().game().PlayingOut());
    EXPECT_FALSE(View().holding());
    stopped = Anchors();
    QTest::mouseRelease(&shell().window().surface(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(CellCentrePixel(b.column), CellCentrePixel(b.row)));
    Wait(400);
    EXPECT_EQ(Anchors(), stopped);
    // The moves played are the history's: undo takes the last one back.
    QTest::keyClick(&shell().window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(Anchors(), stopped);
    EXPECT_EQ(commands.count(), 0);
}

TEST_F(PlayOutKeyTest, HoldingThePickUpKeyDownPicksUpOnceWhileTheArrowsRepeat) {
    StartShell();
    StartStageByClick();
    ASSERT_EQ(shell().game().Phase(), PhasePlaying);
    const Block& target = View().blocks[0];
    const Cell& cursor = View().keyCursor().cell;
    SendKey(Qt::Key_Up, false); // shows the cursor and moves it
    for (int i = 0; i < 20 && cursor.row != target.row; ++i) {
        SendKey(cursor.row > target.row ? Qt::Key_Up : Qt::Key_Down, true);
    }
    for (int i = 0; i < 40 && cursor.column != target.column; ++i) {
        SendKey(cursor.column < target.column ? Qt::Key_Right : Qt::Key_Left, true);
    }
    ASSERT_EQ(cursor, (Cell{target.column, target.row}));

    SendKey(Qt::Key_Space, false);
    ASSERT_TRUE(View().carryingByKeys());
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Space, Qt::Key_Return}) {
        SendKey(key, true);
        EXPECT_TRUE(View().carryingByKeys()) << "after a repeat of " << key;
    }
    SendKey(Qt::Key_Return, false);
    EXPECT_FALSE(View().carryingByKeys());
}

} // namespace
} // namespace fenx
