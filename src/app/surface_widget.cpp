#include "app/surface_widget.h"

#include <QList>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace fenx {
namespace {

// Client pixel under the event, rounded down, so a point just left of or
// above the window gives -1 and not 0.
QPoint ClientPixel(const QMouseEvent& event) {
    const QPointF at = event.position();
    return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
}

} // namespace

SurfaceWidget::SurfaceWidget(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    // Moves without a button held must reach the game too: they end a drag
    // whose button was let go outside the window.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetClientSize(game_.ClientSize());
}

void SurfaceWidget::SetClientSize(PixelSize size) {
    setFixedSize(size.width, size.height);
    WrapSurface();
    update();
}

void SurfaceWidget::WrapSurface() {
    const OffscreenSurface& surface = game_.Surface();
    image_ = QImage(surface.pixels(), surface.width(), surface.height(), surface.stride(),
                    QImage::Format_Indexed8);
    const ColourTable& colours = game_.Colours();
    image_.setColorTable(QList<QRgb>(colours.begin(), colours.end()));
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    const OffscreenSurface& surface = game_.Surface();
    if (image_.width() != surface.width() || image_.height() != surface.height()) {
        WrapSurface();
    }
    QPainter painter(this);
    // On a scaled screen each surface pixel becomes a sharp square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect();
    painter.drawImage(area, image_, area);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = ClientPixel(*event);
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
    const QPoint at = ClientPixel(*event);
    game_.OnMouseMove(at.x(), at.y(), event->buttons().testFlag(Qt::LeftButton),
                      event->buttons().testFlag(Qt::RightButton));
}

} // namespace fenx
