#include "platform/bevel.h"

#include <QPainter>

namespace platform {

Bevel::Bevel(QWidget* parent, TBevelShape shape, TBevelStyle style) : QWidget(parent), shape_(shape), style_(style) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::SetShape(TBevelShape shape) {
  shape_ = shape;
  update();
}

void Bevel::SetStyle(TBevelStyle style) {
  style_ = style;
  update();
}

void Bevel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor light = palette().color(QPalette::Light);
  const QColor first = style_ == TBevelStyle::bsLowered ? shadow : light;  // top and left
  const QColor second = style_ == TBevelStyle::bsLowered ? light : shadow;
  const int r = width() - 1;
  const int b = height() - 1;
  auto box = [&](int x0, int y0, int x1, int y1, const QColor& tl, const QColor& br) {
    p.setPen(tl);
    p.drawLine(x0, y0, x1, y0);
    p.drawLine(x0, y0, x0, y1);
    p.setPen(br);
    p.drawLine(x1, y0, x1, y1);
    p.drawLine(x0, y1, x1, y1);
  };
  switch (shape_) {
    case TBevelShape::bsBox:
      box(0, 0, r, b, first, second);
      break;
    case TBevelShape::bsFrame:
      box(0, 0, r - 1, b - 1, first, first);
      box(1, 1, r, b, second, second);
      break;
    case TBevelShape::bsTopLine:
      p.setPen(first);
      p.drawLine(0, 0, r, 0);
      p.setPen(second);
      p.drawLine(0, 1, r, 1);
      break;
    case TBevelShape::bsBottomLine:
      p.setPen(first);
      p.drawLine(0, b - 1, r, b - 1);
      p.setPen(second);
      p.drawLine(0, b, r, b);
      break;
    case TBevelShape::bsLeftLine:
      p.setPen(first);
      p.drawLine(0, 0, 0, b);
      p.setPen(second);
      p.drawLine(1, 0, 1, b);
      break;
    case TBevelShape::bsRightLine:
      p.setPen(first);
      p.drawLine(r - 1, 0, r - 1, b);
      p.setPen(second);
      p.drawLine(r, 0, r, b);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}

}  // namespace platform
