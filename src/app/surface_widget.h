// The main window's client area: shows the game's 8-bit surface pixel for
// pixel, or each pixel as a square at a zoom, and hands the mouse to the
// game in surface pixels. Presenting a frame copies nothing: the paint
// looks up the screen colours of the damaged rectangle only.
#pragma once

#include <QImage>
#include <QWidget>

#include "app/zoom_scale.h"
#include "stage/game.h"

namespace fenx {

class SurfaceWidget : public QWidget {
    Q_OBJECT
  public:
    explicit SurfaceWidget(Game& game, QWidget* parent = nullptr);

    // Follows a change of the game's surface size.
    void SetClientSize(PixelSize size);
    // Shows each surface pixel as a zoom x zoom square (1..4).
    void SetZoom(int zoom);
    int zoom() const { return zoom_; }
    // Schedules a repaint of a changed part of the surface.
    void UpdateSurfaceArea(SurfaceRect area);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Makes room for the surface in screen colours.
    void FollowSurfaceSize();
    // Looks up the screen colours of the part of `wanted` inside the
    // surface, and returns that part.
    QRect ConvertArea(const QRect& wanted);
    ZoomScale Scale() const;

    Game& game_;
    QImage screen_; // the surface in screen colours, as far as painted
    PixelSize surfaceSize_{0, 0};
    int zoom_ = 1;
};

} // namespace fenx
