// How the game's surface is laid onto the screen at a zoom: every surface
// pixel becomes a square of a whole number of device pixels, so the picture
// stays crisp even where the desktop's own scale (the device pixel ratio) is
// not a whole number. The window works in logical pixels, the screen in
// device pixels, the game in surface pixels.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

#include "core/geometry.h"

namespace fenx {

class ZoomScale {
  public:
    // zoom 1..4; devicePixelRatio as the window's screen reports it.
    ZoomScale(int zoom, double devicePixelRatio);

    int zoom() const { return zoom_; }
    // The side of one surface pixel in device pixels: zoom x ratio, rounded
    // to the nearest whole number, at least 1.
    int devicePixels() const { return devicePixels_; }
    // Logical pixels per surface pixel (1.0 at zoom 1 on an unscaled or
    // whole-number scaled screen, where the picture is drawn as it is).
    double logicalPerSurfacePixel() const { return devicePixels_ / ratio_; }
    bool isIdentity() const { return logicalPerSurfacePixel() == 1.0; }

    // The client area for a surface, in logical pixels, rounded up.
    QSize ClientSize(PixelSize surface) const;
    // The surface pixel under a logical position, rounded down, so a point
    // just left of or above the picture gives -1.
    QPoint SurfacePixel(QPointF logical) const;
    // The logical rectangle that covers a surface rectangle.
    QRect ClientArea(SurfaceRect area) const;
    // The surface rectangle that covers a logical rectangle.
    SurfaceRect SurfaceArea(QRect logical) const;

  private:
    int zoom_;
    double ratio_;
    int devicePixels_;
};

// The largest zoom, at most `wanted` and at least 1, at which a window of
// client size `surface` x zoom plus `frame` (menu bar and decorations) fits
// into `available`.
int FittingZoom(int wanted, PixelSize surface, QSize frame, QSize available);

} // namespace fenx
