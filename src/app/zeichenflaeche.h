#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "toolkit/grundelemente.h"

// The drawing area of the main window: a backing image that the dispatcher draws into
// outside of paint events; paintEvent only copies it to the screen.
class TZeichenflaeche : public QWidget {
  Q_OBJECT
 public:
  explicit TZeichenflaeche(QWidget* parent = nullptr);

  // The canvas over the backing image, sized to width x height drawing pixels, each shown as
  // zoom x zoom screen pixels at full resolution. The image is only replaced when no drawing
  // runs on it (nested redraws share one canvas).
  Canvas& canvas_for(int width, int height, bool in_use, qreal zoom = 1.0);
  const QImage& image() const { return image_; }

  std::function<void(QMouseEvent*)> on_mouse_press;
  std::function<void(QMouseEvent*)> on_mouse_move;
  std::function<void(QMouseEvent*)> on_mouse_release;
  std::function<void()> on_resize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  qreal zoom_ = 1.0;  // drawing pixels to widget pixels
  std::unique_ptr<Canvas> canvas_;
};
