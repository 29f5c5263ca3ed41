#include "experiments/zeige_balken.h"

#include "toolkit/farben.h"
#include "toolkit/real48.h"

namespace experiments {

void Loesche_Balkenbild(Canvas& canvas, int w, int h) {
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Farben.Hintergrund;
  canvas.Rectangle(0, 0, w, h);
  canvas.Font.Name = QStringLiteral("Arial");
  canvas.Font.Bold = true;
}

void Zeige_Balken(Canvas& canvas, int H, long double max, const TBalken& balken) {
  const int h = static_cast<int>(Trunc(balken.wert / max * H));
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = balken.farbe;
  canvas.Rectangle(balken.x, H, balken.x + 15, H - h);
  canvas.Font.Color = balken.farbe;
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.SetTextTransparent(true);
  int x = balken.x;
  int y = H - h - canvas.TextHeight(QStringLiteral("M"));
  // Above a bar of (nearly) full height the name would leave the picture: it goes beside the
  // bar's top instead, where no other bar stands.
  if (y < 0) {
    x += 16;
    y = 0;
  }
  canvas.TextOut(x, y, balken.name);
}

}  // namespace experiments
