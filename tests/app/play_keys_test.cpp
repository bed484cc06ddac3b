// The keys of play reach the game from the main window, and none of them
// reaches the menu; Alt with a letter still opens it.
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "core/step_rule.h"
#include "shell_fixture.h"
#include "support/game_probe.h"

namespace fenx {
namespace {

class PlayKeysTest : public ShellTest {
  protected:
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&shell().window(), key, modifiers);
        Wait(10);
    }
    const BuiltStage& Stage() { return GameProbe::Stage(shell().game()); }
    std::vector<Cell> Anchors() {
        std::vector<Cell> anchors;
        for (int i = 0; i < Stage().blocks.count; ++i) {
            anchors.push_back({Stage().blocks[i].column, Stage().blocks[i].row});
        }
        return anchors;
    }
};

struct Direction {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int dx;
    int dy;
};

TEST_F(PlayKeysTest, TheKeysCarryUndoRedoAndRestartWithoutTouchingTheMenu) {
    StartShell();
    QSignalSpy commands(&shell().window().menu(), &GameMenu::commandChosen);
    StartStageByClick();
    ASSERT_EQ(shell().game().Phase(), PhasePlaying);
    const std::vector<Cell> start = Anchors();

    // A block with a step that fits, and the key (arrow, diagonal or keypad
    // digit) for that step.
    const Direction directions[] = {{Qt::Key_Up, Qt::NoModifier, 0, -1},
                                    {Qt::Key_Home, Qt::NoModifier, -1, -1},
                                    {Qt::Key_9, Qt::KeypadModifier, 1, -1},
                                    {Qt::Key_Left, Qt::NoModifier, -1, 0},
                                    {Qt::Key_Right, Qt::NoModifier, 1, 0}};
    std::optional<std::pair<Cell, Direction>> found;
    for (int i = 0; i < Stage().blocks.count && !found; ++i) {
        for (const Direction& d : directions) {
            if (StepFits(Stage().board, Stage().blocks[i], i, d.dx, d.dy)) {
                found = {{Stage().blocks[i].column, Stage().blocks[i].row}, d};
                break;
            }
        }
    }
    ASSERT_TRUE(found.has_value());
    const auto [cell, direction] = *found;
    for (int row = 7; row > cell.row; --row) {
        Key(Qt::Key_Up);
    }
    for (int column = 0; column < cell.column; ++column) {
        Key(Qt::Key_Right);
    }
    Key(Qt::Key_7); // the top row's 7 is no key of play
    Key(Qt::Key_Space);
    Key(direction.key, direction.modifiers);
    Key(Qt::Key_Return);
    std::vector<Cell> moved = start;
    const int block = Stage().board.at(cell.column + direction.dx, cell.row + direction.dy);
    ASSERT_GE(block, 0);
    moved[static_cast<std::size_t>(block)] = {cell.column + direction.dx, cell.row + direction.dy};
    EXPECT_EQ(Anchors(), moved);

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Anchors(), start);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Anchors(), moved);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Anchors(), moved);
    Key(Qt::Key_F5);
    EXPECT_EQ(Anchors(), start);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Anchors(), moved);

    EXPECT_EQ(commands.count(), 0);
    EXPECT_FALSE(shell().window().menu().AnyOpen());
}

TEST_F(PlayKeysTest, AltWithALetterStillOpensTheMenu) {
    StartShell();
    StartStageByClick();
    QMenu* game = shell().window().menuBar()->actions()[0]->menu();
    ASSERT_NE(game, nullptr);
    Key(Qt::Key_G, Qt::AltModifier);
    Wait(50);
    EXPECT_TRUE(game->isVisible());
    EXPECT_TRUE(shell().window().menu().AnyOpen());
    // With the popup open the keys are the menu's: Escape closes it and
    // does not reach the game.
    QTest::keyClick(game, Qt::Key_Escape);
    Wait(50);
    EXPECT_FALSE(game->isVisible());
    EXPECT_FALSE(GameProbe::PlayOf(shell().game()).keyCursor().shown);
}

} // namespace
} // namespace fenx
