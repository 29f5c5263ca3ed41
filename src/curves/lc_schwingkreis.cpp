#include "curves/lc_schwingkreis.h"

#include <cmath>
#include <vector>

#include "curves/kurvenhilfe.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

TLC_Werte Berechne_LC_Schwingkreis(long double U, long double R, long double C, long double L) {
  TLC_Werte w;
  w.d = 1 / (L * C) - R * R / (4 * L * L);
  w.schwingend = w.d > 0;
  if (w.schwingend) {
    w.omega = std::sqrt(static_cast<long double>(w.d));
    w.f_res = w.omega / Zwei_Pi;
    w.Ts = 1 / w.f_res;
    w.t_max = 5 * w.Ts;
  }
  w.I0 = U * std::sqrt(C / L);
  w.delta = R / (2 * L);
  w.Tau = 2 * L / R;
  w.Rap = 2 * std::sqrt(L / C);
  return w;
}

void Startwerte_LC_Schwingkreis() {
  Schaltung.Ug = 10;
  Schaltung.R = 5;
  Schaltung.C = 1e-6L;
  Schaltung.C_min = 1e-9L;
  Schaltung.C_max = 0.001L;
  Schaltung.L = 0.001L;
  Schaltung.L_min = 1e-5L;
  Schaltung.L_max = 1;
}

namespace {

struct TGraph {
  int x0, top, right, bottom, axis;
};

TGraph Zeichne_Achsen(Canvas& canvas, int top, int right, int bottom) {
  const TGraph g{6, top, right, bottom, (top + bottom) / 2};
  canvas.MoveTo(g.x0, g.bottom);
  canvas.LineTo(g.x0, g.top);
  canvas.MoveTo(g.x0, g.axis);
  canvas.LineTo(g.right, g.axis);
  return g;
}

// Dotted envelopes +-A exp(-delta t) around the axis, then the oscillation itself, 2 pixels wide.
// The envelopes are one polyline each so the dots run on from pixel to pixel.
template <typename Schwingung>
void Zeichne_Kurven(Canvas& canvas, const TGraph& g, const TLC_Werte& w, long double A, const QColor& farbe,
                    int start_y, Schwingung schwingung) {
  if (g.right <= g.x0) return;
  const long double skala = (g.axis - g.top) / A;
  const int n = g.right - g.x0 + 1;
  std::vector<QPoint> oben{{g.x0, g.top}}, unten{{g.x0, g.bottom}};
  std::vector<real48> t(n), huelle(n);
  oben.reserve(n + 1);
  unten.reserve(n + 1);
  for (int i = 0; i < n; ++i) {
    const int x = g.x0 + i;
    t[i] = w.t_max * (x - g.x0) / (g.right - g.x0);
    huelle[i] = A * std::exp(-w.delta * t[i]);
    oben.emplace_back(x, g.axis - Pixel(huelle[i] * skala));
    unten.emplace_back(x, g.axis + Pixel(huelle[i] * skala));
  }
  canvas.Pen.Color = farbe;
  canvas.Pen.Style = TPenStyle::psDot;
  canvas.Polyline(oben);
  canvas.Polyline(unten);
  canvas.Pen.Width = 2;
  canvas.Pen.Style = TPenStyle::psSolid;
  std::vector<QPoint> kurve{{g.x0, start_y}};
  kurve.reserve(n + 1);
  for (int i = 0; i < n; ++i) {
    const long double wert = huelle[i] * schwingung(w.omega * t[i]);
    kurve.emplace_back(g.x0 + i, g.axis - Pixel(wert * skala));
  }
  canvas.Polyline(Ohne_Zwischenpunkte(kurve));
}

}  // namespace

void Zeichne_LC_Schwingkreis(Canvas& canvas) {
  const int CW = Layout.W, CH = Layout.H, SB = Layout.H - Layout.Kurven_Hoehe;
  const TLC_Werte w = Berechne_LC_Schwingkreis(Schaltung.Ug, Schaltung.R, Schaltung.C, Schaltung.L);

  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Color = Farben.Text;
  canvas.Pen.Width = 1;
  canvas.Font.Name = "Arial";
  canvas.Font.SetSize(10);
  canvas.Font.Bold = true;
  canvas.Font.Color = Farben.Widerstand;
  canvas.Brush.Color = Textfarbe_weiss() ? Farben.Rahmengrau : QColor(0xFF, 0xFF, 0xFF);
  const int rechts = CW / 2 - 10;
  canvas.Rectangle(2, 2, rechts, CH / 2);
  canvas.Rectangle(2, CH / 2 + 2, rechts, CH - SB - 2);

  const int w_T = canvas.TextWidth("T(T)");
  const int h_T = canvas.TextHeight("T(T)");
  Schreibe_Text(canvas, rechts - w_T - 10, CH / 2 - h_T - 10, "I(t)", Farben.Widerstand);
  const QString gezeichnet = "gezeichnet: 0 <= t <= 5 Ts";
  Schreibe_Text(canvas, rechts - canvas.TextWidth(gezeichnet) - 4, 17, gezeichnet, Farben.Text);

  const TGraph strom = Zeichne_Achsen(canvas, 6, CW / 2 - 13, CH / 2 - 4);
  // The capacitor starts charged and the coil lets no current jump: the current starts at
  // 0 and the voltage at U, a quarter period ahead of it.
  if (w.schwingend)
    Zeichne_Kurven(canvas, strom, w, w.I0, Farben.Widerstand, strom.axis, [](long double x) { return std::sin(x); });

  canvas.Pen.Color = Farben.Text;
  canvas.Pen.Width = 1;
  Schreibe_Text(canvas, rechts - w_T - 10, CH - SB - 2 - h_T - 10, "U(t)", Farben.Kondensator);
  const TGraph spannung = Zeichne_Achsen(canvas, CH / 2 + 6, CW / 2 - 13, CH - SB - 6);
  if (w.schwingend)
    Zeichne_Kurven(canvas, spannung, w, Schaltung.Ug, Farben.Kondensator, spannung.top,
                   [](long double x) { return std::cos(x); });

  // Panel.
  canvas.Brush.Color = Farben.Hintergrund;
  canvas.Pen.Color = Farben.Text;
  canvas.Pen.Width = 1;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Rectangle(CW / 2, 2, CW - 5, CH / 2 + 100);
  const int hM = canvas.TextHeight("M");
  canvas.Font.Name = "System";
  canvas.Font.SetSize(10);
  const int x = CW / 2 + 10;
  int y = 7;
  Schreibe_unterstrichen(canvas, x, y, "Schwingkreis aus Spule und Kondensator:", Farben.Text);
  const int indent = canvas.TextWidth("Kondensator:   ");
  auto zeile = [&](int vorschub, int spalte, const QString& text, const QColor& farbe) {
    y += vorschub * hM;
    Schreibe_Text(canvas, spalte, y, text, farbe);
  };
  auto technisch = [](long double v) { return Setze_Vorsatz(Formatiere_Wert(v)); };
  zeile(2, x, "Kondensator:", Farben.Kondensator);
  zeile(0, x + indent, "C    = " + Formatiere_Festkomma(Schaltung.C * 1e6L) + " uF", Farben.Kondensator);
  zeile(1, x + indent, "Uc   = " + Formatiere_Festkomma(Schaltung.Ug) + " V", Farben.Kondensator);
  zeile(1, x, "Spule:", Farben.Spule);
  zeile(0, x + indent, "L    = " + Formatiere_Festkomma(Schaltung.L * 1000) + " mH", Farben.Spule);
  zeile(1, x + indent, "Imax = " + technisch(w.I0) + "A", Farben.Spule);
  zeile(1, x, "Widerstand:    R    = " + Formatiere_Festkomma(Schaltung.R) + " Ohm", Farben.Spule);
  if (w.schwingend) {
    zeile(2, x, "Resonanzfreq.  fres = " + Formatiere_Festkomma(w.f_res) + " Hz", Farben.Impedanz);
    zeile(1, x, "Schwingungsd.  Ts   = " + technisch(w.Ts) + "s", Farben.Impedanz);
    zeile(1, x, "Zeitkonstante Tau   = " + technisch(w.Tau) + "s", Farben.Impedanz);
  } else {
    zeile(2, x, "Zeitkonstante Tau   = " + technisch(w.Tau) + "s", Farben.Impedanz);
  }
  zeile(2, x, "aperiod. Grenzfall bei Rap = " + Formatiere_Festkomma(w.Rap) + " Ohm", Farben.Impedanz);
  zeile(2, x, "Amplitudenverlauf:", Farben.Text);
  zeile(1, x, "   ILo(t) = Imax* exp(-R/2L * t)", Farben.Widerstand);
  zeile(1, x, "   Uco(t) = R*ILo(t)+Imax*R*exp(-R/2L * t)/2", Farben.Kondensator);
  zeile(1, x, "          = R*ILo(t)/2", Farben.Kondensator);
  zeile(1, x, "Zusammenhang zwischen Strom und Spannung:", Farben.Text);
  zeile(1, x, QStringLiteral("  Uc(t) = - R*Q´(t) - L*Q´´(t)"), Farben.Kondensator);
  zeile(1, x, QStringLiteral("        = - R*I(t) - L*I´(t)"), Farben.Kondensator);
}
