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
