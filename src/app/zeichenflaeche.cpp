#include "app/zeichenflaeche.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/safe_call.h"

TZeichenflaeche::TZeichenflaeche(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

Canvas& TZeichenflaeche::canvas_for(int width, int height, bool in_use, qreal zoom) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  // The zoom goes the same way as the screen's pixel ratio: the drawing keeps its layout in
  // drawing pixels and the painter renders it at full resolution.
  const qreal dpr = devicePixelRatioF() * zoom;
  const QSize wanted(qRound(width * dpr), qRound(height * dpr));
  if (!canvas_ || (!in_use && (image_.size() != wanted || image_.devicePixelRatio() != dpr))) {
    canvas_.reset();
    zoom_ = zoom;
    image_ = QImage(wanted, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    image_.fill(Qt::white);
    canvas_ = std::make_unique<Canvas>(&image_, [this] {
      const QRegion region = canvas_->TakeDirtyRegion();
      if (region.isEmpty()) return;
      if (zoom_ == 1.0) {
        repaint(region);
        return;
      }
      QRegion on_widget;
      for (const QRect& r : region)
        on_widget += QRectF(r.x() * zoom_, r.y() * zoom_, r.width() * zoom_, r.height() * zoom_)
                         .toAlignedRect()
                         .adjusted(-1, -1, 1, 1);
      repaint(on_widget);
    });
  }
  return *canvas_;
}

void TZeichenflaeche::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (image_.isNull()) {
    p.fillRect(event->rect(), palette().window());
    return;
  }
  // One image pixel per device pixel, also when the image is zoomed.
  const qreal dpr = devicePixelRatioF();
  p.drawImage(QRectF(0, 0, image_.width() / dpr, image_.height() / dpr), image_);
}

void TZeichenflaeche::mousePressEvent(QMouseEvent* event) {
  if (on_mouse_press) platform::guarded([&] { on_mouse_press(event); });
}

void TZeichenflaeche::mouseMoveEvent(QMouseEvent* event) {
  if (on_mouse_move) platform::guarded([&] { on_mouse_move(event); });
}

void TZeichenflaeche::mouseReleaseEvent(QMouseEvent* event) {
  if (on_mouse_release) platform::guarded([&] { on_mouse_release(event); });
}

void TZeichenflaeche::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (on_resize) platform::guarded([&] { on_resize(); });
}
