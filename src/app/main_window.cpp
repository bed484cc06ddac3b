#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace fenx {

MainWindow::MainWindow(Game& game, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      surface_(new SurfaceWidget(game, this)), menu_(new GameMenu(*menuBar(), this)) {
    setCentralWidget(surface_);
    // The window takes exactly the size of the menu bar plus the surface,
    // and the window manager is told it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::ResizeClientArea(PixelSize size) {
    const QPoint topLeft = pos();
    surface_->SetClientSize(size);
    adjustSize();
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

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    QMainWindow::closeEvent(event);
}

} // namespace fenx
