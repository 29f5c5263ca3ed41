#include "curves/kurvenhilfe.h"

#include <algorithm>
#include <cmath>

#include "toolkit/farben.h"
#include "toolkit/real48.h"

int Pixel(long double v) {
  constexpr long double kGrenze = 1000000.0L;
  if (std::isnan(v)) return 0;
  return static_cast<int>(Trunc(std::clamp(v, -kGrenze, kGrenze)));
}

bool Textfarbe_weiss() { return Farben.Text == QColor(0xFF, 0xFF, 0xFF); }

void Schreibe_unterstrichen(Canvas& canvas, int x, int y, const QString& text, const QColor& colour) {
  canvas.Font.Underline = true;
  Schreibe_Text(canvas, x, y, text, colour);
  canvas.Font.Underline = false;
}

std::vector<QPoint> Ohne_Zwischenpunkte(std::vector<QPoint> punkte) {
  std::size_t n = 0;  // points kept so far, at the front
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    if (n >= 1 && i + 1 < punkte.size()) {
      const QPoint a = punkte[i] - punkte[n - 1], b = punkte[i + 1] - punkte[i];
      const long long kreuz = 1LL * a.x() * b.y() - 1LL * a.y() * b.x();
      const long long skalar = 1LL * a.x() * b.x() + 1LL * a.y() * b.y();
      if (kreuz == 0 && skalar > 0) continue;
    }
    punkte[n++] = punkte[i];
  }
  punkte.resize(n);
  return punkte;
}

void Setze_Kurve_fort(Canvas& canvas, QPoint& letzter, int x, int y, const QColor& farbe) {
  canvas.Pen.Color = farbe;
  canvas.MoveTo(letzter.x(), letzter.y());
  canvas.LineTo(x, y);
  letzter = QPoint(x, y);
}
