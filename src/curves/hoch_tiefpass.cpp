#include "curves/hoch_tiefpass.h"

#include <array>
#include <cmath>
#include <vector>

#include "curves/kurvenhilfe.h"
#include "curves/wobbel.h"
#include "toolkit/farben.h"
#include "toolkit/filter_frequencies.h"
#include "toolkit/formulas.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"
#include "toolkit/real48.h"
#include "toolkit/schaltung.h"

namespace {

struct TGraph {
  int y_top, y_bottom, axis, gh;  // gh: graph height
};

// Envelope (impedance colour) and trace (text colour) of one filter over points 0 .. nb; the
// trace starts at height 0 and its frequency rises from 0 to 34 periods over the graph.
void Zeichne_Filterkurven(Canvas& canvas, const TGraph& g, int x0, int nb, const std::vector<real48>& Ua,
                          long double Ua_max, long double (*schwingung)(long double)) {
  const real48 k = std::log(35.0L) / nb;
  QPoint huelle, spur(x0, g.axis);
  for (int n = 0; n <= nb; ++n) {
    const int x = x0 + n;
    const int e = Pixel(Ua[n] * g.gh / (2 * Ua_max) + 0.5L);
    const long double P = 100 * std::exp(k * n) - 100;
    const int t = Pixel(schwingung(P * Zwei_Pi / nb) * e + 0.5L);
    if (n == 0) huelle = QPoint(x, g.axis - e);
    Setze_Kurve_fort(canvas, huelle, x, g.axis - e, Farben.Impedanz);
    Setze_Kurve_fort(canvas, spur, x, g.axis - t, Farben.Text);
  }
}

long double Sinus(long double x) { return std::sin(x); }
long double Kosinus(long double x) { return std::cos(x); }

QString Zahl(long double v) { return Formatiere_Festkomma(v); }

}  // namespace

void Startwerte_Hoch_Tiefpass() {
  Startwerte_Sperrkreis();  // the sweep values with zoom 10, of which this drawing uses U, R and C
}

void Zeichne_Filterrahmen(Canvas& canvas, int x0, int y_top, int x_right, int y_bottom, int axis_y, int x_3dB,
                          int x_12dB, const QColor& colour) {
  canvas.Pen.Color = colour;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Textfarbe_weiss() ? Farben.Rahmengrau : QColor(0xFF, 0xFF, 0xFF);
  canvas.Rectangle(x0 - 5, y_top - 5, x_right + 5, y_bottom + 5);
  canvas.MoveTo(x0, y_bottom);
  canvas.LineTo(x0, y_top);
  canvas.MoveTo(x0 - 3, axis_y);
  canvas.LineTo(x_right, axis_y);
  // A mark beyond the graph's end (the low pass's 12 dB frequency always lies there) is left
  // out with its label instead of being written into the panel beside the graph.
  const struct {
    int x;
    const char* text;
  } marken[] = {{x_3dB, "f(3dB)"}, {x_12dB, "f(12dB)"}};
  for (const auto& m : marken) {
    if (m.x < x0 || m.x > x_right) continue;
    canvas.MoveTo(m.x, axis_y - 3);
    canvas.LineTo(m.x, axis_y + 3);
  }
  for (const auto& m : marken)
    if (m.x >= x0 && m.x <= x_right) Schreibe_Text(canvas, m.x, axis_y, m.text, Farben.Text);
  Schreibe_Text(canvas, x_right - 15, axis_y, "f", Farben.Text);
  Schreibe_Text(canvas, x0 + 3, y_top, "U", Farben.Impedanz);
}

void Zeichne_Hoch_Tiefpass(Canvas& canvas, long double U, long double R, long double C) {
  canvas.SetTextTransparent(true);
  canvas.Font.Name = "Arial";
  canvas.Font.Bold = true;
  const int W = Layout.Kurven_Breite, Hd = Layout.Kurven_Hoehe;
  const int x0 = 10, h = W / 2, x_right = h - 10, nb = h - 20, mid = Hd / 2;
  canvas.Rectangle(h, 5, W - 10, Hd - 5);

  std::array<real48, Daempfungsstufen_dB.size()> f_HP, f_LP;
  for (std::size_t i = 0; i < Daempfungsstufen_dB.size(); ++i) {
    f_HP[i] = Frequenz_Hochpass(R, C, Daempfungsstufen_dB[i]);
    f_LP[i] = Frequenz_Tiefpass(R, C, Daempfungsstufen_dB[i]);
  }
  const real48 f1 = 0.02L * f_HP[0], f2 = 2 * f_HP[0], D = f2 - f1;
  auto x_von = [&](long double f) { return x0 + Pixel((f - f1) * nb / D); };

  // Output voltages per column, as many as the graph is wide. A window too narrow for any
  // column (nb <= 0) gets frames, labels and panel only, without dividing by nb.
  std::vector<real48> UC, UR;
  real48 UCmax = 0, URmax = 0;
  for (int n = 0; nb > 0 && n <= nb; ++n) {
    const real48 f = f1 + D * n / nb;
    const long double Xc = Berechne_Xc(C, f);
    const long double I = U / std::sqrt(R * R + Xc * Xc);
    UC.push_back(I * Xc);
    UR.push_back(I * R);
    if (UC.back() > UCmax) UCmax = UC.back();
    if (UR.back() > URmax) URmax = UR.back();
  }

  const TGraph hoch{10, mid - 10, mid / 2, mid - 20};
  Zeichne_Filterrahmen(canvas, x0, hoch.y_top, x_right, hoch.y_bottom, hoch.axis, x_von(f_HP[0]), x_von(f_HP[2]),
                       Farben.Text);
  Schreibe_Text(canvas, 15, mid - 27, "Hochpass", Farben.Text);
  if (nb > 0) Zeichne_Filterkurven(canvas, hoch, x0, nb, UR, URmax, Sinus);

  const TGraph tief{mid + 10, Hd - 10, (mid + Hd) / 2, Hd - mid - 20};
  Zeichne_Filterrahmen(canvas, x0, tief.y_top, x_right, tief.y_bottom, tief.axis, x_von(f_LP[0]), x_von(f_LP[2]),
                       Farben.Text);
  Schreibe_Text(canvas, 15, Hd - 27, "Tiefpass", Farben.Text);
  if (nb > 0) Zeichne_Filterkurven(canvas, tief, x0, nb, UC, UCmax, Kosinus);

  const int x = h + 20, hM = canvas.TextHeight("M");
  auto zeile = [&](int r, const QString& text, const QColor& farbe) {
    Schreibe_Text(canvas, x, 10 + r * hM, text, farbe);
  };
  Schreibe_unterstrichen(canvas, x, 10, "Hoch - und Tiefpass Demonstration:", Farben.Text);
  zeile(1, "Feste Werte:", Farben.Text);
  zeile(2, "  R =" + Zahl(R) + " Ohm", Farben.Text);
  zeile(3, "  C =" + Zahl(C * 1e6L) + " uF", Farben.Text);
  zeile(4, "  Uo =" + Zahl(U) + " V", Farben.Impedanz);
  const char* stufen[] = {"  - 3db Frequenz=", "  - 6db Frequenz=", "  -12db Frequenz=", "  -24db Frequenz="};
  zeile(6, "Berechnungsergebnisse: (Hochpass)", Farben.Kondensator);
  for (int i = 0; i < 4; ++i) zeile(7 + i, stufen[i] + Zahl(f_HP[i]) + "Hz", Farben.Kondensator);
  zeile(12, "Berechnungsergebnisse: (Tiefpass)", Farben.Kondensator);
  for (int i = 0; i < 4; ++i) zeile(13 + i, stufen[i] + Zahl(f_LP[i]) + "Hz", Farben.Kondensator);
  zeile(18, "Diagramm:", Farben.Impedanz);
  zeile(19, "  f1 =" + Zahl(f1) + "Hz -", Farben.Impedanz);
  zeile(20, "  f2 =" + Zahl(f2) + "Hz", Farben.Impedanz);
  zeile(22, " Frequenz der Sinusspannung", Farben.Text);
  zeile(23, QStringLiteral(" nicht maßstabstreu !"), Farben.Text);
}
