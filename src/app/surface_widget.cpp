#include "app/surface_widget.h"

#include <cstddef>
#include <cstdint>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace fenx {

SurfaceWidget::SurfaceWidget(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    // Moves without a button held must reach the game too: they end a drag
    // whose button was let go outside the window.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetClientSize(game_.ClientSize());
}

void SurfaceWidget::SetClientSize(PixelSize size) {
    surfaceSize_ = size;
    setFixedSize(Scale().ClientSize(size));
    FollowSurfaceSize();
    update();
}

void SurfaceWidget::SetZoom(int zoom) {
    zoom_ = zoom;
    SetClientSize(surfaceSize_);
}

ZoomScale SurfaceWidget::Scale() const {
    return ZoomScale(zoom_, devicePixelRatioF());
}

void SurfaceWidget::UpdateSurfaceArea(SurfaceRect area) {
    const ZoomScale scale = Scale();
    if (scale.isIdentity()) {
        update(area.x, area.y, area.width, area.height);
    } else {
        update(scale.ClientArea(area));
    }
}

void SurfaceWidget::FollowSurfaceSize() {
    const OffscreenSurface& surface = game_.Surface();
    screen_ = QImage(surface.width(), surface.height(), QImage::Format_RGB32);
}

QRect SurfaceWidget::ConvertArea(const QRect& wanted) {
    // The painter would convert a large 8-bit image on helper threads of
    // its own and wait for them; where no thread can start (a low process
    // limit) it would wait for ever with the window frozen. The area is
    // looked up here, on the window's thread, instead.
    const QRect area = wanted.intersected(screen_.rect());
    if (area.isEmpty()) {
        return area;
    }
    const OffscreenSurface& surface = game_.Surface();
    const ColourTable& colours = game_.Colours();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uint8_t* from = surface.pixels() + static_cast<std::ptrdiff_t>(y) * surface.stride();
        QRgb* to = reinterpret_cast<QRgb*>(screen_.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            to[x] = colours[from[x]] | 0xff000000u;
        }
    }
    return area;
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    const OffscreenSurface& surface = game_.Surface();
    if (screen_.width() != surface.width() || screen_.height() != surface.height()) {
        FollowSurfaceSize();
    }
    QPainter painter(this);
    // On a scaled screen each surface pixel becomes a sharp square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const ZoomScale scale = Scale();
    if (scale.isIdentity()) {
        const QRect area = ConvertArea(event->rect());
        painter.drawImage(area, screen_, area);
        return;
    }
    // Rounding the client size up may leave a sliver past the picture.
    painter.fillRect(event->rect(), Qt::black);
    const SurfaceRect wanted = scale.SurfaceArea(event->rect());
    const QRect source = ConvertArea(QRect(wanted.x, wanted.y, wanted.width, wanted.height));
    const double side = scale.logicalPerSurfacePixel();
    const QRectF target(source.x() * side, source.y() * side, source.width() * side,
                        source.height() * side);
    painter.drawImage(target, screen_, source);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = Scale().SurfacePixel(event->position());
    if (event->button() == Qt::LeftButton) {
        game_.OnLeftButtonDown(at.x(), at.y());
    } else if (event->button() == Qt::RightButton) {
        game_.OnRightButtonDown(at.x(), at.y());
    }
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        game_.OnLeftButtonUp();
    } else if (event->button() == Qt::RightButton) {
        game_.OnRightButtonUp();
    }
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click does nothing; its release still
    // arrives as an ordinary release.
    event->accept();
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = Scale().SurfacePixel(event->position());
    game_.OnMouseMove(at.x(), at.y(), event->buttons().testFlag(Qt::LeftButton),
                      event->buttons().testFlag(Qt::RightButton));
}

} // namespace fenx
