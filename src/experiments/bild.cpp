#include "experiments/bild.h"

#include <QPainter>

#include "platform/safe_call.h"

namespace experiments {

TBild::TBild(QWidget* parent, const QString& name, int x, int y, int w, int h)
    : QWidget(parent), bild_(platform::make_image(w, h)) {
  setObjectName(name);
  setGeometry(x, y, w, h);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBild::Neu_zeichnen() {
  ++anfragen_;
  veraltet_ = true;
  update();
}

const QImage& TBild::Zeichne(platform::Recorder* recorder) {
  veraltet_ = false;
  Canvas canvas(&bild_);
  canvas.SetRecorder(recorder);
  if (OnPaint) OnPaint(canvas);
  return bild_;
}

void TBild::paintEvent(QPaintEvent*) {
  if (veraltet_) platform::guarded([this] { Zeichne(); });
  QPainter painter(this);
  painter.drawImage(0, 0, bild_);
}

}  // namespace experiments
