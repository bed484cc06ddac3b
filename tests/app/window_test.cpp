// The main window: its size follows the stage size, it shows the game's
// surface pixel for pixel, its title follows the game, menu commands wait
// for the fly-in to end, and Exit ends the program the ordinary way.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <cstring>
#include <vector>

#include "shell_fixture.h"

namespace fenx {
namespace {

struct SizeCase {
    const char* settings;
    int width;
    int height;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << '"' << c.settings << '"';
}

class ClientSize : public ShellTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(ClientSize, FollowsTheStoredStageSize) {
    WriteSettings(GetParam().settings);
    GameShell& shell = StartShell();
    const QSize expected(GetParam().width, GetParam().height);
    EXPECT_EQ(shell.window().surface().size(), expected);
    EXPECT_EQ(shell.window().centralWidget()->geometry().size(), expected);
    // Fixed: the window cannot be resized by the user.
    EXPECT_EQ(shell.window().minimumSize(), shell.window().maximumSize());
    EXPECT_EQ(shell.window().size().width(), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ClientSize,
                         ::testing::Values(SizeCase{"", 144, 160},
                                           SizeCase{"[FENX]\nx_size=12\ny_size=4\n", 224, 160},
                                           SizeCase{"[FENX]\nx_size=7\ny_size=8\n", 144, 288},
                                           SizeCase{"[FENX]\nx_size=38\ny_size=10\n", 640, 352},
                                           SizeCase{"[FENX]\nx_size=100\ny_size=1\n", 144, 160}),
                         [](const ::testing::TestParamInfo<SizeCase>& test) {
                             return "Client" + std::to_string(test.param.width) + "x" +
                                    std::to_string(test.param.height) + "_" +
                                    std::to_string(test.index);
                         });

using WindowTest = ShellTest;

TEST_F(WindowTest, StartsOnTheTitleScreenAndWritesTheSize) {
    GameShell& shell = StartShell();
    EXPECT_EQ(shell.window().windowTitle(), QStringLiteral("ＤＯＤＩ"));
    EXPECT_TRUE(shell.window().isVisible());
    EXPECT_EQ(SettingsText(), "[FENX]\nx_size=7\ny_size=4\n");
    // Not maximisable, not resizable; minimisable and closable.
    const Qt::WindowFlags flags = shell.window().windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    // The icon comes from whatever sizes the build found.
    EXPECT_EQ(shell.window().windowIcon().isNull(), QDir(QStringLiteral(":/icons")).isEmpty());
}

// Pixels of the window's client area, as the screen shows them, that are
// not the colour of the game's surface pixel under them; -1 when the sizes
// differ.
int DifferingPixels(GameShell& shell) {
    const QImage shown = shell.window().surface().grab().toImage();
    const OffscreenSurface& surface = shell.game().Surface();
    if (shown.size() != QSize(surface.width(), surface.height())) {
        return -1;
    }
    const ColourTable& colours = shell.game().Colours();
    int differing = 0;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if ((shown.pixel(x, y) & 0xFFFFFF) != (colours[surface.At(x, y)] & 0xFFFFFF)) {
                ++differing;
            }
        }
    }
    return differing;
}

TEST_F(WindowTest, ShowsTheSurfaceInPlaceAndPixelForPixel) {
    GameShell& shell = StartShell();
    Wait(50);
    EXPECT_EQ(DifferingPixels(shell), 0);
}

TEST_F(WindowTest, AClickStartsANumberedStage) {
    GameShell& shell = StartShell();
    Click(70, 80);
    const QRegularExpression title(QStringLiteral("^ (\\d+) 面$"));
    const auto match = title.match(shell.window().windowTitle());
    ASSERT_TRUE(match.hasMatch()) << shell.window().windowTitle().toStdString();
    EXPECT_LE(match.captured(1).toInt(), 65535);
}

TEST_F(WindowTest, TheSecondPressOfADoubleClickIsNoPress) {
    GameShell& shell = StartShell();
    // A double click arrives as press, release, double-click, release; the
    // double-click event alone must not act like a press on the title.
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(70, 80), QPointF(70, 80),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&shell.window().surface(), &doubleClick);
    EXPECT_EQ(shell.window().windowTitle(), QStringLiteral("ＤＯＤＩ"));
    Click(70, 80);
    EXPECT_NE(shell.window().windowTitle(), QStringLiteral("ＤＯＤＩ"));
}

TEST_F(WindowTest, MenuCommandsDuringTheFlyInDoNothing) {
    GameShell& shell = StartShell();
    Click(20, 20);
    const QString title = shell.window().windowTitle();
    const std::string settings = SettingsText();
    for (int id : {102, 103, 104, 108, 116, 107, 111}) {
        Choose(id);
    }
    EXPECT_EQ(shell.window().windowTitle(), title);
    EXPECT_EQ(shell.window().surface().size(), QSize(144, 160));
    EXPECT_TRUE(Action(101)->isChecked());
    EXPECT_TRUE(Action(108)->isChecked());
    EXPECT_TRUE(Action(115)->isChecked());
    EXPECT_FALSE(Action(116)->isChecked());
    EXPECT_EQ(SettingsText(), settings);
    EXPECT_EQ(shell.helpWindow(), nullptr);
    Wait(100); // a posted close would be carried out now
    EXPECT_TRUE(shell.window().isVisible());
}

TEST_F(WindowTest, SizeCommandResizesKeepingTheTopLeftCorner) {
    GameShell& shell = StartShell();
    StartStageByClick();
    const QPoint corner = shell.window().pos();
    const QString title = shell.window().windowTitle();
    Choose(102);
    EXPECT_EQ(shell.window().surface().size(), QSize(224, 160));
    EXPECT_EQ(shell.window().pos(), corner);
    EXPECT_EQ(SettingsText(), "[FENX]\nx_size=12\ny_size=4\n");
    EXPECT_TRUE(Action(102)->isChecked());
    EXPECT_FALSE(Action(101)->isChecked());
    Wait(50);
    EXPECT_EQ(DifferingPixels(shell), 0); // the new size's picture, whole
    Wait(1000);
    Choose(103);
    EXPECT_EQ(shell.window().surface().size(), QSize(144, 288));
    EXPECT_EQ(shell.window().pos(), corner);
}

TEST_F(WindowTest, ExitClosesTheWindowAndShutDownWritesTheStageOnce) {
    GameShell& shell = StartShell();
    StartStageByClick();
    const QString title = shell.window().windowTitle();
    Choose(111);
    Wait(50);
    EXPECT_FALSE(shell.window().isVisible());
    EXPECT_FALSE(HistoryExists()); // written on the way out, not at close
    shell.ShutDown();
    shell.ShutDown();
    const std::string history = HistoryText();
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), 1) << history;
    // "status date time W H N": the stage in the title, 7 x 4, not solved.
    const QString number = title.trimmed().section(QLatin1Char(' '), 0, 0);
    const QString line = QString::fromStdString(history).trimmed();
    EXPECT_TRUE(line.startsWith(QStringLiteral("0 "))) << history;
    EXPECT_TRUE(line.endsWith(QStringLiteral(" 7 4 ") + number)) << history;
}

TEST_F(WindowTest, ClosingBeforeAnyStageWritesNoHistory) {
    GameShell& shell = StartShell();
    shell.RequestQuit();
    shell.ShutDown();
    EXPECT_FALSE(shell.window().isVisible());
    EXPECT_FALSE(HistoryExists());
}

TEST_F(WindowTest, HelpOpensOurPageAndClosesWithTheMainWindow) {
    GameShell& shell = StartShell();
    Choose(107);
    HelpWindow* help = shell.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    // Beside the game, not over it (a screen without a window manager
    // would leave it in the corner the game stands in).
    EXPECT_FALSE(help->frameGeometry().intersects(shell.window().frameGeometry()))
        << help->frameGeometry().x() << "," << help->frameGeometry().y();
    EXPECT_EQ(help->documentTitle(), QStringLiteral("FENX ヘルプ"));
    const QString text = help->toPlainText();
    for (const char* words : {"遊びかた", "斜め", "右ボタン", "fenx.ini", "fenx.log", "点線枠"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    }
    Choose(107); // a second time shows the same window
    EXPECT_EQ(shell.helpWindow(), help);
    shell.window().close();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(WindowTest, EscapeAndCtrlWCloseTheHelpWindow) {
    GameShell& shell = StartShell();
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        Choose(107);
        HelpWindow* help = shell.helpWindow();
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        // Keys go to the window, as from the keyboard.
        QTest::keyClick(help->windowHandle(), key.key(), key.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([help] { return !help->isVisible(); }));
        // The game goes on.
        EXPECT_TRUE(shell.window().isVisible());
    }
}

} // namespace
} // namespace fenx
