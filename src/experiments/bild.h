#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "toolkit/grundelemente.h"

namespace platform {
class Recorder;
}

namespace experiments {

// A dialog's picture that its owner draws through a canvas into the picture's own image.
// Neu_zeichnen only asks for a repaint; the drawing runs when the picture is painted.
class TBild : public QWidget {
  Q_OBJECT
 public:
  TBild(QWidget* parent, const QString& name, int x, int y, int w, int h);

  std::function<void(Canvas&)> OnPaint;

  void Neu_zeichnen();
  int Neuzeichnen_Anfragen() const { return anfragen_; }
  // Draws into the image now, logging into recorder when given.
  const QImage& Zeichne(platform::Recorder* recorder = nullptr);
  const QImage& Bild() const { return bild_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage bild_;
  bool veraltet_ = true;
  int anfragen_ = 0;
};

}  // namespace experiments
