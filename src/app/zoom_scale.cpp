#include "app/zoom_scale.h"

#include <algorithm>
#include <cmath>

namespace fenx {

ZoomScale::ZoomScale(int zoom, double devicePixelRatio)
    : zoom_(zoom), ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      devicePixels_(std::max(1, static_cast<int>(std::lround(zoom * ratio_)))) {}

QSize ZoomScale::ClientSize(PixelSize surface) const {
    const double scale = logicalPerSurfacePixel();
    return {static_cast<int>(std::ceil(surface.width * scale - 1e-9)),
            static_cast<int>(std::ceil(surface.height * scale - 1e-9))};
}

QPoint ZoomScale::SurfacePixel(QPointF logical) const {
    const double scale = logicalPerSurfacePixel();
    return {static_cast<int>(std::floor(logical.x() / scale)),
            static_cast<int>(std::floor(logical.y() / scale))};
}

QRect ZoomScale::ClientArea(SurfaceRect area) const {
    const double scale = logicalPerSurfacePixel();
    const int left = static_cast<int>(std::floor(area.x * scale));
    const int top = static_cast<int>(std::floor(area.y * scale));
    const int right = static_cast<int>(std::ceil((area.x + area.width) * scale));
    const int bottom = static_cast<int>(std::ceil((area.y + area.height) * scale));
    return {left, top, right - left, bottom - top};
}

SurfaceRect ZoomScale::SurfaceArea(QRect logical) const {
    const double scale = logicalPerSurfacePixel();
    const int left = static_cast<int>(std::floor(logical.x() / scale));
    const int top = static_cast<int>(std::floor(logical.y() / scale));
    const int right = static_cast<int>(std::ceil((logical.x() + logical.width()) / scale));
    const int bottom = static_cast<int>(std::ceil((logical.y() + logical.height()) / scale));
    return {left, top, right - left, bottom - top};
}

int FittingZoom(int wanted, PixelSize surface, QSize frame, QSize available) {
    int zoom = std::max(1, wanted);
    while (zoom > 1 && (surface.width * zoom + frame.width() > available.width() ||
                        surface.height * zoom + frame.height() > available.height())) {
        --zoom;
    }
    return zoom;
}

} // namespace fenx
