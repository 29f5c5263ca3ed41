#include "fourier/fouriersynthese.h"

#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"

TFourierwerte Fourierwerte;

namespace {

using M = TZeichenmodus;

constexpr bool M::*kSignalflaggen[kAnzahlSignale] = {
    &M::Rechteck,
    &M::Dreieck,
    &M::Saegezahn_steigend,
    &M::Saegezahn_fallend,
    &M::Nadelimpuls_negativ,
    &M::Impulse_pos_neg,
    &M::Zweiweg_Gleichrichtung,
};

void Setze_Schrift(Canvas& canvas, bool unterstrichen) {
  canvas.Font.Name = "Arial";
  canvas.Font.SetSize(10);
  canvas.Font.Bold = true;
  canvas.Font.Underline = unterstrichen;
}

}  // namespace

bool TZeichenmodus::*Signalflagge(Fouriersignal signal) { return kSignalflaggen[static_cast<int>(signal)]; }

std::optional<Fouriersignal> Gewaehltes_Signal() {
  for (int i = 0; i < kAnzahlSignale; ++i)
    if (Zeichenmodus.*kSignalflaggen[i]) return static_cast<Fouriersignal>(i);
  return std::nullopt;
}

void Waehle_Signal(int index) {
  for (int i = 0; i < kAnzahlSignale; ++i) Zeichenmodus.*kSignalflaggen[i] = i == index;
}

void Startwerte_Fourier1() {
  Fourierwerte.N = 0;
  Waehle_Signal(0);
}

void Startwerte_Fourier2() { Fourierwerte.K = TKoeffizienten{}; }

TFourierrahmen Zeichne_Fourierrahmen(Canvas& canvas) {
  const TFourierrahmen r = Berechne_Fourierrahmen(Layout.W, Layout.H);
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Farben.Text == QColor(0xFF, 0xFF, 0xFF) ? QColor(144, 144, 160) : QColor(0xFF, 0xFF, 0xFF);
  canvas.Pen.Color = Farben.Text;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
  canvas.Rectangle(r.Left, r.Bottom + 2, r.Right, 2 * r.Bottom - 10);
  canvas.MoveTo(r.X0, r.Ymid + r.Amp);
  canvas.LineTo(r.X0, r.Ymid - r.Amp);
  canvas.MoveTo(r.X0, r.Ymid);
  canvas.LineTo(r.X0 + r.W, r.Ymid);
  return r;
}

void Zeichne_Fourier1(Canvas& canvas) {
  const TFourierrahmen r = Zeichne_Fourierrahmen(canvas);
  const std::optional<Fouriersignal> signal = Gewaehltes_Signal();
  // Too narrow a window draws the frame only.
  if (!signal || r.Ohne_Breite()) return;
  const TSignaldaten& f = Signalform(*signal);

  const int h = canvas.TextHeight("M");
  Setze_Schrift(canvas, false);
  const int x = r.Left + 2;
  int y = r.Bottom + 4;
  Schreibe_Text(canvas, x, y, "Fouriersynthese: ", Farben.Text);
  y += h;
  Schreibe_Text(canvas, x, y, "  " + f.Titel, Farben.Text);
  y += 2 * h;
  Schreibe_Text(canvas, x, y, QString("Grundschwingung mit %1 Oberwellen").arg(Fourierwerte.N), Farben.Impedanz);
  y += 2 * h;
  Schreibe_Text(canvas, x, y, "Analytische Funktion: ", Farben.Kondensator);
  y += h;
  Schreibe_Text(canvas, x, y, f.Formel, Farben.Kondensator);

  // Each curve is one polyline: 128 harmonics make some 46 000 segments.
  const TFourier1_Kurven kurven = Berechne_Fourier1(*signal, Fourierwerte.N, r);
  canvas.Pen.Color = Farben.Text;
  canvas.Pen.Width = 1;
  for (const auto& glied : kurven.Glieder) canvas.Polyline(glied);
  canvas.Pen.Color = Farben.Impedanz;
  canvas.Pen.Width = 2;
  canvas.Polyline(kurven.Summe);
}

void Zeichne_Fourier2(Canvas& canvas) {
  const TFourierrahmen r = Zeichne_Fourierrahmen(canvas);
  if (r.Ohne_Breite()) return;
  const TKoeffizienten& K = Fourierwerte.K;

  canvas.Pen.Color = Farben.Kondensator;
  canvas.Pen.Width = 1;
  for (const auto& stueck : Berechne_Fourier2(K, r)) canvas.Polyline(stueck);

  const int x1 = r.Left + 3;
  const int x2 = (r.Left + r.Right) / 2;
  Setze_Schrift(canvas, true);
  const int h = canvas.TextHeight("M");
  Schreibe_Text(canvas, x1, r.Bottom + 10, "Fourierkoeffizienten:", Farben.Text);
  int y = r.Bottom + 10 + 2 * h;
  Setze_Schrift(canvas, false);
  Schreibe_Text(canvas, x1, y, Koeffiziententext(0, K[0]), Farben.Impedanz);
  y += h + 5;
  Schreibe_Text(canvas, x1, y, "Sinus-Koeff.:", Farben.Kondensator);
  Schreibe_Text(canvas, x2, y, "Cosinus-Koeff.:", Farben.Spule);
  y += h + 2;
  for (int k = 1; k <= 8; ++k) {
    Schreibe_Text(canvas, x1, y, Koeffiziententext(k, K[k]), Farben.Kondensator);
    Schreibe_Text(canvas, x2, y, Koeffiziententext(8 + k, K[8 + k]), Farben.Spule);
    y += h;
  }
}
