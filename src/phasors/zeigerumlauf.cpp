#include "phasors/zeigerumlauf.h"

#include <algorithm>
#include <cmath>

#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"
#include "toolkit/real48.h"

long double Schrittwinkel(int k) { return (360 - k) * (Pi * (1.0L / 180)); }

QPoint Zeigerende(int laenge, long double alpha) {
  return QPoint(Layout.cx + static_cast<int>(Trunc(std::cos(alpha) * laenge)),
                Layout.cy + static_cast<int>(Trunc(std::sin(alpha) * laenge)));
}

int Zeitachse_x(int k) { return static_cast<int>(Trunc((Layout.x1 - Layout.x0) * k * (1.0L / 360) + Layout.x0)); }

namespace {

void Zeichne_Zeigerlinie(Canvas& canvas, const QPoint& ende, const QColor& farbe) {
  canvas.Pen.Width = 1;
  canvas.Pen.Color = farbe;
  Zeichne_Zeiger(canvas, ende.x(), ende.y());
}

}  // namespace

void Zeigerumlauf(Canvas& canvas, const std::vector<TUmlaufzeiger>& zeiger, bool rueckwaerts_loeschen) {
  canvas.Pen.Mode = TPenMode::pmCopy;
  canvas.Pen.Width = 1;
  const std::size_t n = zeiger.size();
  std::vector<QPoint> kurve(n), ende(n);
  for (std::size_t i = 0; i < n; ++i) {
    kurve[i] = QPoint(Layout.x0, Zeigerende(zeiger[i].Laenge, Schrittwinkel(0) + zeiger[i].Versatz).y());
  }
  // Vector targets keep every stroke: there only the curves are drawn, not the turning
  // phasors that each step paints over again.
  const bool animiert = canvas.IsRaster();
  for (int k = 0; k < 361; ++k) {
    const long double theta = Schrittwinkel(k);
    for (std::size_t i = 0; i < n; ++i) {
      ende[i] = Zeigerende(zeiger[i].Laenge, theta + zeiger[i].Versatz);
      if (animiert) Zeichne_Zeigerlinie(canvas, ende[i], zeiger[i].Farbe);
    }
    if (animiert) {
      if (!Animationsschritt(canvas)) return;  // a new drawing replaces this one
      for (std::size_t j = 0; j < n; ++j) {
        const std::size_t i = rueckwaerts_loeschen ? n - 1 - j : j;
        Zeichne_Zeigerlinie(canvas, ende[i], Farben.Hintergrund);
      }
      Zeichne_Zeigerrahmen(canvas);
    }
    const int x = Zeitachse_x(k);
    for (std::size_t i = 0; i < n; ++i) {
      canvas.Pen.Color = zeiger[i].Farbe;
      canvas.MoveTo(kurve[i].x(), kurve[i].y());
      kurve[i] = QPoint(x, ende[i].y());
      canvas.LineTo(kurve[i].x(), kurve[i].y());
    }
  }
}

void Zeichne_Endzeiger(Canvas& canvas, const TUmlaufzeiger& zeiger, const QString& label, int dx) {
  const QPoint ende = Zeigerende(zeiger.Laenge, Schrittwinkel(360) + zeiger.Versatz);
  canvas.Pen.Color = zeiger.Farbe;
  Zeichne_Zeiger(canvas, ende.x(), ende.y());
  Schreibe_Text(canvas, ende.x() + dx, ende.y(), label, zeiger.Farbe);
}

QString Wertzeile(const QString& label, long double wert, const QString& einheit) {
  return label + Formatiere_Festkomma(wert) + einheit;
}

TTextblock::TTextblock(Canvas& canvas) : canvas_(canvas), h_(canvas.TextHeight(QStringLiteral("M"))) {}

void TTextblock::Zeile(int n, const QString& text, const QColor& farbe) { zeilen_.push_back({n, text, farbe}); }

void TTextblock::Schreibe() {
  // The column moves left as far as the widest line needs to end inside the frame, but never
  // left of the start of the curves.
  int breiteste = 0;
  for (const TZeile& z : zeilen_) breiteste = std::max(breiteste, canvas_.TextWidth(z.text));
  const int spalte = std::max(std::min(Layout.Textspalte_x, Layout.W - 4 - breiteste), Layout.x0);
  const TBrush saved = canvas_.Brush;
  canvas_.Brush.Style = TBrushStyle::bsSolid;
  canvas_.Brush.Color = Farben.Hintergrund;
  for (const TZeile& z : zeilen_) {
    const int x = spalte + 2;
    const int y = z.n == 0 ? Layout.Text_oben : Layout.Text_oben + z.n * h_ + 1;
    // A curve crossing a line runs under its text only; beside it the curve stays visible.
    canvas_.FillRect(platform::Rect(x, std::max(y, 1), x + canvas_.TextWidth(z.text), y + h_ + 1));
    Schreibe_Text(canvas_, x, y, z.text, z.farbe);
  }
  canvas_.Brush = saved;
  zeilen_.clear();
}
