// The main window's client area: shows the game's 8-bit surface pixel for
// pixel and hands the mouse to the game. The image reads the surface's own
// bytes, so presenting a frame copies nothing until the paint converts the
// damaged rectangle for the screen.
#pragma once

#include <QImage>
#include <QWidget>

#include "stage/game.h"

namespace fenx {

class SurfaceWidget : public QWidget {
    Q_OBJECT
  public:
    explicit SurfaceWidget(Game& game, QWidget* parent = nullptr);

    // Follows a change of the game's surface size.
    void SetClientSize(PixelSize size);
    // The image the paint reads (shares the surface's pixels).
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void WrapSurface();

    Game& game_;
    QImage image_;
};

} // namespace fenx
