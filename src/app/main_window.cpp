#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

#include "app/play_keys.h"

namespace fenx {

MainWindow::MainWindow(Game& game, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      game_(game), surface_(new SurfaceWidget(game, this)), menu_(new GameMenu(*menuBar(), this)) {
    setCentralWidget(surface_);
    // The window takes exactly the size of the menu bar plus the surface,
    // and the window manager is told it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::ResizeClientArea(PixelSize size) {
    const QPoint topLeft = pos();
    surface_->SetClientSize(size);
    ApplyZoom();
    adjustSize();
    MoveInsideScreen(topLeft);
}

void MainWindow::SetZoom(int zoom) {
    wantedZoom_ = zoom;
    const QPoint topLeft = pos();
    ApplyZoom();
    adjustSize();
    MoveInsideScreen(topLeft);
}

bool MainWindow::ZoomFits(int zoom) const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return zoom == 1;
    }
    // What the window adds to its client area: the menu bar and the
    // decorations (none known before the window is first shown).
    const QSize decorations = frameGeometry().size() - geometry().size();
    const QSize frame = decorations + QSize(0, menuBar()->sizeHint().height());
    const PixelSize picture = game_.ClientSize();
    return FittingZoom(zoom, picture, frame, screen->availableGeometry().size()) == zoom;
}

void MainWindow::ApplyZoom() {
    int zoom = wantedZoom_;
    while (zoom > 1 && !ZoomFits(zoom)) {
        --zoom;
    }
    if (zoom != surface_->zoom()) {
        surface_->SetZoom(zoom);
    }
}

void MainWindow::MoveInsideScreen(QPoint topLeft) {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen && surface_->zoom() > 1) {
        const QRect area = screen->availableGeometry();
        const QSize outer = frameGeometry().size();
        topLeft.setX(
            std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - outer.width())));
        topLeft.setY(
            std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - outer.height())));
    }
    move(topLeft);
}

void MainWindow::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    adjustSize();
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<PlayKey> key = PlayKeyOf(event->key(), event->modifiers())) {
        game_.OnKey(*key, event->isAutoRepeat());
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    QMainWindow::closeEvent(event);
}

} // namespace fenx
