#include "app/zeichenflaeche.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/safe_call.h"

TZeichenflaeche::TZeichenflaeche(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

Canvas& TZeichenflaeche::canvas_for(int width, int height, bool in_use) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  const qreal dpr = devicePixelRatioF();
  const QSize wanted(qRound(width * dpr), qRound(height * dpr));
  if (!canvas_ || (!in_use && image_.size() != wanted)) {
    canvas_.reset();
    image_ = QImage(wanted, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    image_.fill(Qt::white);
    canvas_ = std::make_unique<Canvas>(&image_, [this] {
      const QRegion region = canvas_->TakeDirtyRegion();
      if (!region.isEmpty()) repaint(region);
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
  p.drawImage(QPoint(0, 0), image_);
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
