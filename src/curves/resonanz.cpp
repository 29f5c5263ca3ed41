#include "curves/resonanz.h"

#include <cmath>
#include <cstdlib>

#include "curves/kurvenhilfe.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

namespace {

TResonanzkurven Frequenzpunkte(long double L, long double C, int N) {
  TResonanzkurven k;
  k.fr = Berechne_fr(L, C);
  k.x_fr = static_cast<int>(Trunc(N * 0.5L + 10));
  k.punkte.resize(N > 0 ? N + 1 : 1);
  for (int i = 1; i <= N; ++i) {
    TResonanzpunkt& p = k.punkte[i];
    p.x = 10 + i;
    p.f = k.fr * 2 * i / N;
    p.Xc = Berechne_Xc(C, p.f);
    p.XL = Berechne_XL(L, p.f);
  }
  return k;
}

void Schaltungswerte(long double U, long double R, long double Rmin, long double Rmax) {
  Schaltung.Ueff = U;
  Schaltung.R = R;
  Schaltung.R_min = Rmin;
  Schaltung.R_max = Rmax;
  Schaltung.C = 1e-6L;
  Schaltung.C_min = 1e-9L;
  Schaltung.C_max = 0.001L;
  Schaltung.L_min = 1e-4L;
  Schaltung.L_max = 1;
}

// Geometry shared by both drawings.
struct TBaender {
  int h, right, H, T, N, B;
};

TBaender Beginne_Zeichnung(Canvas& canvas, const QColor& rahmen_weiss) {
  canvas.SetTextTransparent(true);
  canvas.Font.Name = "Arial";
  canvas.Font.Bold = true;
  canvas.Font.Pitch = TFontPitch::fpFixed;
  TBaender b;
  b.h = Layout.Kurven_Breite / 2;
  b.right = 2 * b.h - 1;
  b.H = Layout.Kurven_Hoehe - 2;
  b.T = b.H / 3;
  canvas.Rectangle(b.h + 40, 5, b.right, b.H);
  canvas.Brush.Color = Textfarbe_weiss() ? rahmen_weiss : QColor(0xFF, 0xFF, 0xFF);
  b.N = b.h;
  b.B = static_cast<int>(Trunc((b.T - 20) * 0.5L));
  return b;
}

int Hoehe(long double v) { return Pixel(v + 0.5L); }

// The phase graph, the same for both circuits: +-90 degrees reach +-B pixels.
void Zeichne_Phasengraph(Canvas& canvas, const TBaender& b, const TResonanzkurven& k, int axis_3) {
  canvas.Pen.Color = Farben.Text;
  Zeichne_Resonanzrahmen(canvas, 5, 2 * b.T, b.h + 15, b.H, axis_3, k.x_fr);
  Schreibe_Text(canvas, 13, 2 * b.T + 10, "Phi", Farben.Text);
  if (b.N < 1) return;
  auto y = [&](int i) { return Hoehe(k.punkte[i].phi * 360.0L * (b.B / 90.0L) / Zwei_Pi); };
  canvas.Pen.Color = Farben.Text;
  canvas.MoveTo(k.punkte[1].x, axis_3 - y(1));
  for (int i = 1; i <= b.N; ++i) canvas.LineTo(k.punkte[i].x, axis_3 - y(i));
}

// First point (from 1) whose value lies within the limit; N + 1 when none does.
template <typename Wert>
int Erster_im_Band(const TResonanzkurven& k, Wert wert, long double grenze) {
  int i = 1;
  while (i <= k.N() && wert(k.punkte[i]) > grenze) ++i;
  return i;
}

// Text panel of the right half: title, then rows of the text height of "M" from y1.
struct TTafel {
  int x0, hM, indent, indent2, y1;
  int zeile(int row) const { return y1 + row * hM; }
};

TTafel Beginne_Tafel(Canvas& canvas, const TBaender& b, int abstand, const QString& titel) {
  const int hM = canvas.TextHeight("M");
  const TTafel t{b.h + 50, hM, canvas.TextWidth("Feste Werte: "), canvas.TextWidth("Bei Resonanz: "), abstand + 2 * hM};
  Schreibe_unterstrichen(canvas, t.x0, 5, titel, Farben.Text);
  return t;
}

void Schreibe_feste_Werte(Canvas& canvas, const TTafel& t, long double U, long double R, long double C, long double L,
                          const QColor& farbe_R, const QColor& farbe_C, const QColor& farbe_L) {
  const int x = t.x0 + t.indent;
  Schreibe_Text(canvas, t.x0, t.zeile(0), "Feste Werte:", Farben.Text);
  Schreibe_Text(canvas, x, t.zeile(0), "  Ueff = " + Formatiere_Festkomma(U) + " V", Farben.Text);
  Schreibe_Text(canvas, x, t.zeile(1), "  R = " + Formatiere_Festkomma(R) + " Ohm", farbe_R);
  Schreibe_Text(canvas, x, t.zeile(2), "  C = " + Formatiere_Festkomma(C * 1e6L) + " uF", farbe_C);
  Schreibe_Text(canvas, x, t.zeile(3), "  L = " + Formatiere_Festkomma(L * 1000) + " mH", farbe_L);
  Schreibe_Text(canvas, t.x0, t.zeile(5), "Scheinwiderstand Z:", Farben.Impedanz);
}

}  // namespace

TResonanzkurven Berechne_Serienschwingkreis(long double R, long double C, long double L, long double U, int N) {
  TResonanzkurven k = Frequenzpunkte(L, C, N);
  k.Imax = 0;
  for (int i = 1; i <= N; ++i) {
    TResonanzpunkt& p = k.punkte[i];
    p.Z = std::sqrt(R * R + (p.Xc - p.XL) * (p.Xc - p.XL));
    p.I = U / p.Z;
    if (p.I > k.Imax) k.Imax = p.I;
    p.phi = std::atan((p.XL - p.Xc) / R);
  }
  return k;
}

TResonanzkurven Berechne_Parallelschwingkreis(long double R, long double C, long double L, long double U, int N) {
  TResonanzkurven k = Frequenzpunkte(L, C, N);
  const long double Ir = U / R;
  for (int i = 1; i <= N; ++i) {
    TResonanzpunkt& p = k.punkte[i];
    const long double b = 1 / p.Xc - 1 / p.XL;
    p.Z = 1 / std::sqrt(b * b + 1 / (R * R));
    p.I = U / p.Z;
    p.Ic = U / p.Xc;
    p.IL = U / p.XL;
    p.phi = std::atan((p.Ic - p.IL) / Ir);
  }
  return k;
}

void Startwerte_Serienschwingkreis() {
  Schaltungswerte(10, 10, 1, 1000);
  Schaltung.L = 0.01L;
}

void Startwerte_Parallelschwingkreis() {
  Schaltungswerte(10, 600, 1, 1000);
  Schaltung.L = 0.001L;
}

void Zeichne_Resonanzrahmen(Canvas& canvas, int x1, int y1, int x2, int y2, int axis_y, int x_fr) {
  canvas.Rectangle(x1, y1, x2, y2);
  canvas.MoveTo(x1 + 5, axis_y);
  canvas.LineTo(x2 - 5, axis_y);
  canvas.MoveTo(x2 - 5, axis_y - 2);
  canvas.LineTo(x2 - 5, axis_y + 2);
  canvas.MoveTo(x1 + 5, y1 + 5);
  canvas.LineTo(x1 + 5, y2 - 10);
  canvas.MoveTo(x_fr, axis_y - 3);
  canvas.LineTo(x_fr, axis_y + 3);
  Schreibe_Text(canvas, x_fr, axis_y, "fr", Farben.Text);
  Schreibe_Text(canvas, x2 - 25, axis_y, "2fr", Farben.Text);
}

void Zeichne_Serienschwingkreis(Canvas& canvas, long double R, long double C, long double L, long double U) {
  const TBaender b = Beginne_Zeichnung(canvas, QColor(0x80, 0x80, 0x80));
  const TResonanzkurven k = Berechne_Serienschwingkreis(R, C, L, U, b.N);
  const auto& p = k.punkte;
  const long double grenze = R * b.B;

  // Graph 1: impedance above, Xc below (negative reactance), XL above the axis.
  const int axis_1 = b.T / 2;
  Zeichne_Resonanzrahmen(canvas, 5, 5, b.h + 15, b.T + 1, axis_1, k.x_fr);
  Schreibe_Text(canvas, 13, 10, "Z", Farben.Impedanz);
  if (b.N >= 1) {
    canvas.Pen.Color = Farben.Impedanz;
    const int k0 = Erster_im_Band(
        k, [](const TResonanzpunkt& q) { return q.Z; }, grenze);
    const int start = k0 > 1 ? k0 - 1 : 1;
    canvas.MoveTo(p[start].x, axis_1 - Hoehe(p[start].Z / R));
    for (int i = start; i <= b.N; ++i) {
      if (p[i].Z > grenze) continue;
      const int y = Hoehe(p[i].Z / R);
      if (std::abs(y) <= b.B) canvas.LineTo(p[i].x, axis_1 - y);
      canvas.MoveTo(p[i].x, axis_1 - y);
    }

    canvas.Pen.Color = Farben.Kondensator;
    const int c0 = Erster_im_Band(
        k, [](const TResonanzpunkt& q) { return q.Xc; }, grenze);
    const int c_start = c0 > 1 ? c0 - 1 : 1;
    canvas.MoveTo(p[c_start].x, axis_1 + Hoehe(p[c_start].Xc / R));
    for (int i = c_start; i <= b.N; ++i) {
      const int y = Hoehe(p[i].Xc / R);
      if (p[i].Xc < grenze && std::abs(y) <= b.B) canvas.LineTo(p[i].x, axis_1 + y);
    }

    canvas.Pen.Color = Farben.Spule;
    canvas.MoveTo(p[1].x, axis_1 - Hoehe(p[1].XL / R));
    for (int i = 1; i <= b.N; ++i) {
      const int y = Hoehe(p[i].XL / R);
      if (p[i].XL < grenze && std::abs(y) <= b.B) canvas.LineTo(p[i].x, axis_1 - y);
    }
  }

  // Graph 2: current, Imax reaching 2B pixels.
  const int axis_2 = 2 * b.T - 10;
  canvas.Pen.Color = Farben.Text;
  Zeichne_Resonanzrahmen(canvas, 5, b.T, b.h + 15, 2 * b.T + 1, axis_2, k.x_fr);
  Schreibe_Text(canvas, 13, b.T + 10, "I", Farben.Widerstand);
  if (b.N >= 1) {
    canvas.Pen.Color = Farben.Widerstand;
    auto y = [&](int i) { return Hoehe(p[i].I * 2 * b.B / k.Imax); };
    canvas.MoveTo(p[1].x, axis_2 - y(1));
    for (int i = 1; i <= b.N; ++i) canvas.LineTo(p[i].x, axis_2 - y(i));
  }

  // Graph 3: phase.
  const int axis_3 = (2 * b.T + b.H) / 2;
  Zeichne_Phasengraph(canvas, b, k, axis_3);

  // Text panel.
  const TTafel t = Beginne_Tafel(canvas, b, 5, "Serienschwingkreis mit R,C und L in Reihe:");
  const int x0 = t.x0, indent2 = t.indent2;
  auto zeile = [&](int row) { return t.zeile(row); };
  const long double Xc_fr = Berechne_Xc(C, k.fr);
  const long double XL_fr = Berechne_XL(L, k.fr);
  Schreibe_feste_Werte(canvas, t, U, R, C, L, Farben.Text, Farben.Text, Farben.Text);
  Schreibe_Text(canvas, x0, zeile(6), "Zmin = R = " + Formatiere_Festkomma(R) + " Ohm", Farben.Impedanz);
  Schreibe_Text(canvas, x0, zeile(8), "-- Xc (wg. Phasenverschiebung)", Farben.Kondensator);
  Schreibe_Text(canvas, x0, zeile(9), "-- XL", Farben.Spule);
  Schreibe_Text(canvas, x0, zeile(11), "Bei Resonanz:", Farben.Text);
  Schreibe_Text(canvas, x0 + indent2, zeile(11), "  Xc = " + Formatiere_Festkomma(Xc_fr) + " V/A", Farben.Kondensator);
  Schreibe_Text(canvas, x0 + indent2, zeile(12), "  XL = " + Formatiere_Festkomma(XL_fr) + " V/A", Farben.Spule);
  Schreibe_Text(canvas, x0 + indent2, zeile(13), "  Uc = " + Formatiere_Festkomma(U / R * Xc_fr) + " V",
                Farben.Kondensator);
  Schreibe_Text(canvas, x0 + indent2, zeile(14), "  UL = " + Formatiere_Festkomma(U / R * XL_fr) + " V", Farben.Spule);
  Schreibe_Text(canvas, x0 + indent2, zeile(15), "  Ur = " + Formatiere_Festkomma(U) + " V", Farben.Widerstand);
  Schreibe_Text(canvas, x0, zeile(17), "Gesamtstrom Iges:", Farben.Widerstand);
  Schreibe_Text(canvas, x0, zeile(18), "Imax = " + Formatiere_Festkomma(U / R) + " A", Farben.Widerstand);
  Schreibe_Text(canvas, x0, axis_3, "Phasenverschiebung Phi:", Farben.Text);
  Schreibe_Text(canvas, x0, axis_3 + 20, "Resonanzfrequenz fr = " + Formatiere_Festkomma(k.fr) + " Hz", Farben.Text);
}

void Zeichne_Parallelschwingkreis(Canvas& canvas, long double R, long double C, long double L, long double U) {
  const TBaender b = Beginne_Zeichnung(canvas, Farben.Rahmengrau);
  const TResonanzkurven k = Berechne_Parallelschwingkreis(R, C, L, U, b.N);
  const auto& p = k.punkte;

  // Graph 1: impedance from the bottom of the band, Z = R reaching 2B pixels.
  const int axis_1 = b.T - 10;
  Zeichne_Resonanzrahmen(canvas, 5, 5, b.h + 15, b.T + 1, axis_1, k.x_fr);
  Schreibe_Text(canvas, 13, 10, "Z", Farben.Impedanz);
  if (b.N >= 1) {
    canvas.Pen.Color = Farben.Impedanz;
    auto y = [&](int i) { return Hoehe(p[i].Z * 2 * b.B / R); };
    canvas.MoveTo(p[1].x, axis_1 - y(1));
    for (int i = 1; i <= b.N; ++i) {
      if (std::abs(y(i)) <= 2 * b.B) canvas.LineTo(p[i].x, axis_1 - y(i));
      canvas.MoveTo(p[i].x, axis_1 - y(i));
    }
  }

  // Graph 2: currents, one pixel per Ir; total current and Ic above, IL below the axis.
  const int axis_2 = (3 * b.T) / 2;
  canvas.Pen.Color = Farben.Text;
  Zeichne_Resonanzrahmen(canvas, 5, b.T, b.h + 15, 2 * b.T + 1, axis_2, k.x_fr);
  Schreibe_Text(canvas, 13, b.T + 10, "I", Farben.Widerstand);
  if (b.N >= 1) {
    const long double skala = R / U;
    auto y = [&](real48 TResonanzpunkt::*wert, int i) { return Hoehe(p[i].*wert * skala); };
    auto erster = [&](real48 TResonanzpunkt::*wert) {
      return Erster_im_Band(
          k, [&](const TResonanzpunkt& q) { return q.*wert * skala; }, b.B);
    };

    canvas.Pen.Color = Farben.Widerstand;
    const int i0 = erster(&TResonanzpunkt::I);
    if (i0 <= b.N) {
      canvas.MoveTo(p[i0].x, axis_2 - y(&TResonanzpunkt::I, i0));
      for (int i = i0; i <= b.N; ++i) {
        const int yi = y(&TResonanzpunkt::I, i);
        if (std::abs(yi) < b.B) canvas.LineTo(p[i].x, axis_2 - yi);
      }
    }

    canvas.Pen.Color = Farben.Kondensator;
    canvas.MoveTo(p[1].x, axis_2 - y(&TResonanzpunkt::Ic, 1));
    for (int i = 1; i <= b.N; ++i) {
      const int yi = y(&TResonanzpunkt::Ic, i);
      if (std::abs(yi) < b.B) canvas.LineTo(p[i].x, axis_2 - yi);
      canvas.MoveTo(p[i].x, axis_2 - yi);
    }

    canvas.Pen.Color = Farben.Spule;
    const int l0 = erster(&TResonanzpunkt::IL);
    if (l0 <= b.N) {
      canvas.MoveTo(p[l0].x, axis_2 + y(&TResonanzpunkt::IL, l0));
      for (int i = l0; i <= b.N; ++i) {
        const int yi = y(&TResonanzpunkt::IL, i);
        if (std::abs(yi) < b.B) canvas.LineTo(p[i].x, axis_2 + yi);
        canvas.MoveTo(p[i].x, axis_2 + yi);
      }
    }
  }

  const int axis_3 = (2 * b.T + b.H) / 2;
  Zeichne_Phasengraph(canvas, b, k, axis_3);

  const TTafel t = Beginne_Tafel(canvas, b, 20, "Parallelschwingkreis mit R,C und L:");
  const int x0 = t.x0, indent2 = t.indent2;
  auto zeile = [&](int row) { return t.zeile(row); };
  const long double Xc_fr = Berechne_Xc(C, k.fr);
  const long double XL_fr = Berechne_XL(L, k.fr);
  Schreibe_feste_Werte(canvas, t, U, R, C, L, Farben.Widerstand, Farben.Kondensator, Farben.Spule);
  Schreibe_Text(canvas, x0, zeile(6), "Zmax = R = " + Formatiere_Festkomma(R) + " Ohm", Farben.Impedanz);
  Schreibe_Text(canvas, x0, zeile(8), "Bei Resonanz:", Farben.Text);
  Schreibe_Text(canvas, x0 + indent2, zeile(8), "  Xc = " + Formatiere_Festkomma(Xc_fr) + " V/A", Farben.Kondensator);
  Schreibe_Text(canvas, x0 + indent2, zeile(9), "  XL = " + Formatiere_Festkomma(XL_fr) + " V/A", Farben.Spule);
  Schreibe_Text(canvas, x0 + indent2, zeile(10), "  Ic = " + Formatiere_Festkomma(U / Xc_fr) + " A",
                Farben.Kondensator);
  Schreibe_Text(canvas, x0 + indent2, zeile(11), "  IL = " + Formatiere_Festkomma(U / XL_fr) + " A", Farben.Spule);
  Schreibe_Text(canvas, x0 + indent2, zeile(12), "  Ir = " + Formatiere_Festkomma(U / R) + " A", Farben.Widerstand);
  Schreibe_Text(canvas, x0, zeile(14), "Gesamtstrom Iges:  Imin = " + Formatiere_Festkomma(U / R) + " A",
                Farben.Widerstand);
  Schreibe_Text(canvas, x0, zeile(16), "  - Ic", Farben.Kondensator);
  Schreibe_Text(canvas, x0, zeile(17), "  - IL (wg. Phasenverschiebung)", Farben.Spule);
  Schreibe_Text(canvas, x0, axis_3, "Phasenverschiebung Phi:", Farben.Text);
  Schreibe_Text(canvas, x0, axis_3 + 2 * t.hM, "Resonanzfrequenz fr = " + Formatiere_Festkomma(k.fr) + " Hz",
                Farben.Text);
}
