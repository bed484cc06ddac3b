// The window's zoom: each surface pixel becomes a whole number of device
// pixels, the keys step through 1x..4x as far as the screen has room, the
// picture is the surface blown up square by square, the mouse reaches the
// game in surface pixels, and the choice is kept in fenx.ini.
#include <QCursor>
#include <QImage>
#include <QTest>

#include "app/window_zoom.h"
#include "app/zoom_scale.h"
#include "shell_fixture.h"
#include "support/game_probe.h"

namespace fenx {
namespace {

TEST(CorrectStoredZoom, OneToFourStandAnythingElseIsOne) {
    EXPECT_EQ(CorrectStoredZoom(std::nullopt), 1);
    EXPECT_EQ(CorrectStoredZoom(""), 1);
    EXPECT_EQ(CorrectStoredZoom("1"), 1);
    EXPECT_EQ(CorrectStoredZoom("2"), 2);
    EXPECT_EQ(CorrectStoredZoom(" 3"), 3);
    EXPECT_EQ(CorrectStoredZoom("4"), 4);
    EXPECT_EQ(CorrectStoredZoom("5"), 1);
    EXPECT_EQ(CorrectStoredZoom("0"), 1);
    EXPECT_EQ(CorrectStoredZoom("-2"), 1);
    EXPECT_EQ(CorrectStoredZoom("big"), 1);
    EXPECT_EQ(CorrectStoredZoom("4294967298"), 2); // wraps like every stored integer
}

TEST(ZoomScale, WholeDevicePixelsPerSurfacePixel) {
    // Zoom 1 on an unscaled or twice-scaled screen: the picture as it is.
    EXPECT_TRUE(ZoomScale(1, 1.0).isIdentity());
    EXPECT_TRUE(ZoomScale(1, 2.0).isIdentity());
    EXPECT_EQ(ZoomScale(1, 1.0).ClientSize({144, 160}), QSize(144, 160));
    EXPECT_EQ(ZoomScale(3, 1.0).ClientSize({144, 160}), QSize(432, 480));
    EXPECT_EQ(ZoomScale(4, 1.0).ClientSize({640, 352}), QSize(2560, 1408));
    // 1.5 device pixels would make uneven lines: 2 it is, 1.25 rounds to 1.
    EXPECT_EQ(ZoomScale(1, 1.5).devicePixels(), 2);
    EXPECT_EQ(ZoomScale(1, 1.5).ClientSize({144, 160}), QSize(192, 214));
    EXPECT_EQ(ZoomScale(1, 1.25).devicePixels(), 1);
    EXPECT_EQ(ZoomScale(1, 1.25).ClientSize({144, 160}), QSize(116, 128));
    EXPECT_EQ(ZoomScale(3, 1.5).devicePixels(), 5); // 4.5 rounds away from zero
    EXPECT_EQ(ZoomScale(2, 0.0).devicePixels(), 2); // no ratio reported: 1
}

TEST(ZoomScale, MapsPositionsAndAreasBothWays) {
    const ZoomScale three(3, 1.0);
    EXPECT_EQ(three.SurfacePixel({0.0, 2.9}), QPoint(0, 0));
    EXPECT_EQ(three.SurfacePixel({3.0, 431.0}), QPoint(1, 143));
    EXPECT_EQ(three.SurfacePixel({-0.5, -3.0}), QPoint(-1, -1));
    EXPECT_EQ(three.ClientArea({16, 32, 16, 16}), QRect(48, 96, 48, 48));
    const SurfaceRect covering = three.SurfaceArea(QRect(4, 4, 4, 4));
    EXPECT_EQ(covering, (SurfaceRect{1, 1, 2, 2}));
    const ZoomScale odd(1, 1.5); // 2 device pixels, 4/3 logical per surface pixel
    EXPECT_EQ(odd.SurfacePixel({1.3, 1.4}), QPoint(0, 1));
    EXPECT_EQ(odd.ClientArea({3, 0, 3, 3}), QRect(4, 0, 4, 4));
}

TEST(FittingZoom, LargestThatFitsTheScreen) {
    const QSize frame(0, 30);
    EXPECT_EQ(FittingZoom(4, {144, 160}, frame, {1280, 1024}), 4);
    EXPECT_EQ(FittingZoom(4, {640, 352}, frame, {1280, 1024}), 2);
    EXPECT_EQ(FittingZoom(3, {640, 352}, frame, {1920, 1080}), 2); // 1086 rows is too many
    EXPECT_EQ(FittingZoom(4, {640, 352}, frame, {600, 300}), 1);   // never below 1
    EXPECT_EQ(FittingZoom(2, {144, 160}, frame, {288, 350}), 2);   // exactly fits
}

class ZoomTest : public ShellTest {
  protected:
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&shell().window(), static_cast<Qt::Key>(key), modifiers);
        Wait(20);
    }
    QSize Client() { return shell().window().surface().size(); }
};

TEST_F(ZoomTest, KeysStepTheZoomAndKeepItInTheSettings) {
    StartShell();
    ASSERT_EQ(Client(), QSize(144, 160));
    Press(Qt::Key_Minus); // already at 1x: nothing, and nothing written
    EXPECT_EQ(SettingsText(), "[FENX]\nx_size=7\ny_size=4\n");
    Press(Qt::Key_Plus);
    EXPECT_EQ(Client(), QSize(288, 320));
    Press(Qt::Key_Equal);
    EXPECT_EQ(Client(), QSize(432, 480));
    EXPECT_EQ(shell().window().zoom(), 3);
    EXPECT_EQ(SettingsText(), "[FENX]\nx_size=7\ny_size=4\nzoom=3\n");
    Press(Qt::Key_Minus);
    EXPECT_EQ(Client(), QSize(288, 320));
    Press(Qt::Key_0);
    EXPECT_EQ(Client(), QSize(144, 160));
    EXPECT_EQ(SettingsText(), "[FENX]\nx_size=7\ny_size=4\nzoom=1\n");
    // Without Ctrl the keys are not the zoom's.
    Press(Qt::Key_Plus, Qt::NoModifier);
    EXPECT_EQ(Client(), QSize(144, 160));
}

TEST_F(ZoomTest, StopsAtFourOrWhereTheScreenEnds) {
    StartShell();
    for (int i = 0; i < 6; ++i) {
        Press(Qt::Key_Plus);
    }
    const int zoom = shell().window().zoom();
    EXPECT_GE(zoom, 1);
    EXPECT_LE(zoom, 4);
    EXPECT_EQ(Client(), QSize(144 * zoom, 160 * zoom));
    EXPECT_TRUE(shell().window().ZoomFits(zoom));
    EXPECT_TRUE(zoom == 4 || !shell().window().ZoomFits(zoom + 1));
}

TEST_F(ZoomTest, StoredZoomIsAppliedAtStartAndFollowsSizeChanges) {
    WriteSettings("[FENX]\nzoom=2\n");
    StartShell();
    EXPECT_EQ(Client(), QSize(288, 320));
    Choose(102); // 12 x 4
    Wait(50);
    EXPECT_EQ(Client(), QSize(448, 320));
}

TEST_F(ZoomTest, OutOfRangeStoredZoomReadsAsOne) {
    WriteSettings("[FENX]\nzoom=9\n");
    StartShell();
    EXPECT_EQ(Client(), QSize(144, 160));
    EXPECT_EQ(SettingsText(), "[FENX]\nzoom=9\nx_size=7\ny_size=4\n"); // left alone
}

TEST_F(ZoomTest, EachSurfacePixelIsAUniformSquare) {
    WriteSettings("[FENX]\nzoom=3\n");
    StartShell();
    Wait(50);
    const OffscreenSurface& surface = shell().game().Surface();
    const ColourTable& colours = shell().game().Colours();
    const QImage shown =
        shell().window().surface().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(surface.width(), surface.height()) * 3);
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb wanted = colours[surface.At(x / 3, y / 3)] | 0xff000000u;
            wrong += shown.pixel(x, y) != wanted ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

// Drags the topmost block right and a little down in small moves, with the mouse
// positions of a window at `zoom`, and returns where every block ended.
std::vector<std::pair<int, int>> DragTopBlock(GameShell& shell, int zoom) {
    Game& game = shell.game();
    GameProbe::StartStage(game, 4242);
    QTest::qWait(1000); // the fly-in
    const testing::GameView view(game);
    EXPECT_EQ(view.state.gamePhase, PhasePlaying);
    QPoint at(-1, -1);
    for (int row = 0; row < view.board.rows && at.x() < 0; ++row) {
        for (int column = 0; column < view.board.width; ++column) {
            if (view.board.at(column, row) >= 0) {
                at = QPoint(CellPixel(column) + 8, CellPixel(row) + 8);
                break;
            }
        }
    }
    // Each surface pixel (x, y) is reached at (zoom x + 1, zoom y + 1).
    const auto onScreen = [zoom](QPoint p) { return p * zoom + QPoint(1, 1); };
    QWidget& surface = shell.window().surface();
    // The play timer ends a drag when the pointer is outside the window: it
    // waits in the middle of the window (moving it later would be a move
    // without the button).
    QCursor::setPos(shell.window().frameGeometry().center());
    QTest::qWait(20);
    QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, onScreen(at));
    for (int step = 1; step <= 8; ++step) {
        QTest::mouseMove(&surface, onScreen(at + QPoint(6 * step, 2 * step)));
        QTest::qWait(15);
    }
    QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, onScreen(at + QPoint(48, 16)));
    QTest::qWait(20);
    std::vector<std::pair<int, int>> places;
    for (int i = 0; i < view.blocks.count; ++i) {
        places.emplace_back(view.blocks[i].column, view.blocks[i].row);
    }
    return places;
}

TEST_F(ZoomTest, ADragAtZoomThreeMovesTheBlockAsAtZoomOne) {
    GameShell& shell = StartShell();
    GameProbe::StartStage(shell.game(), 4242);
    QTest::qWait(1000);
    const testing::GameView view(shell.game());
    std::vector<std::pair<int, int>> before;
    for (int i = 0; i < view.blocks.count; ++i) {
        before.emplace_back(view.blocks[i].column, view.blocks[i].row);
    }
    const auto atOne = DragTopBlock(shell, 1);
    ASSERT_NE(atOne, before); // the drag did move a block
    Press(Qt::Key_Plus);
    Press(Qt::Key_Plus);
    ASSERT_EQ(shell.window().zoom(), 3);
    EXPECT_EQ(DragTopBlock(shell, 3), atOne);
}

} // namespace
} // namespace fenx
