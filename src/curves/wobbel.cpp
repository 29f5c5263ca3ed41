#include "curves/wobbel.h"

#include <cmath>

#include "curves/kurvenhilfe.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"
#include "toolkit/real48.h"
#include "toolkit/schaltung.h"

namespace {

using Impedanz = long double (*)(long double R, long double C, long double L, long double f);

void Startwerte(long double zoom) {
  Schaltung.Ueff = 10;
  Schaltung.R = 2;
  Schaltung.C = 1e-5L;
  Schaltung.L = 1.6e-4L;
  Schaltung.fs = 1000;
  Schaltung.Zoom = zoom;
}

// Geometry of the sweep and the values at resonance, for the panels.
struct TWobbel {
  int x0, x_end;
  real48 fr, Xc_res, XL_res, Iges;
};

// The sweep: axes, envelope and trace column by column, fr mark, frequency labels.
TWobbel Zeichne_Wobbel(Canvas& canvas, int fs, long double R, long double C, long double L, Impedanz Z) {
  canvas.SetTextTransparent(true);
  canvas.Font.Name = "Arial";
  canvas.Font.Bold = true;
  canvas.Font.Pitch = TFontPitch::fpDefault;
  TWobbel w;
  w.x0 = 10;
  w.x_end = Layout.Kurven_Breite - 10;
  const int b = Layout.Kurven_Hoehe / 2;
  Zeichne_Wobbelachsen(canvas, w.x0, b, w.x_end, Layout.Kurven_Hoehe / 3);

  const long double U = Schaltung.Ueff, zoom = Schaltung.Zoom;
  w.fr = Berechne_fr(L, C);
  const int Nw = w.x_end - w.x0;
  // A window no wider than its margins has no column to sweep (the step would divide by
  // zero): axes, labels and panel only.
  if (Nw > 0) {
    const real48 k = std::log(30.0L) / Nw;
    // Pixel clamps an amplitude that a tiny impedance would drive past any coordinate.
    auto amplitude = [&](long double f) { return Pixel(U * zoom / Z(R, C, L, f)); };
    // Both circuits advance the trace's phase with f / fs: a fixed 2 pi f 0.001 (the same at
    // fs = 1000) would sample the sine too coarsely above a few kHz and draw noise.
    auto spur = [&](long double f, int P) { return b - Pixel(std::sin(Zwei_Pi * f / fs) * P); };
    int P = amplitude(fs);
    QPoint huelle(w.x0, b - P), kurve(w.x0, spur(fs, P));
    for (int n = 0; n <= Nw; ++n) {
      const real48 f = fs * std::exp(k * n);
      P = amplitude(f);
      Setze_Kurve_fort(canvas, huelle, w.x0 + n, b - P, Farben.Widerstand);
      Setze_Kurve_fort(canvas, kurve, w.x0 + n, spur(f, P), Farben.Impedanz);
    }
    const int x_fr = Pixel(std::log(w.fr / fs) / k) + 10;
    canvas.Pen.Color = Farben.Text;
    canvas.MoveTo(x_fr, b - 5);
    canvas.LineTo(x_fr, b + 5);
    Schreibe_Text(canvas, x_fr, b + 2, "fr", Farben.Text);
  }
  Schreibe_Text(canvas, 10, b + 20, QString::number(fs) + " Hz", Farben.Text);
  const QString ende = QString::number(30LL * fs) + " Hz";
  Schreibe_Text(canvas, w.x_end - canvas.TextWidth(ende), b + 20, ende, Farben.Text);

  w.Xc_res = Berechne_Xc(C, w.fr);
  w.XL_res = Berechne_XL(L, w.fr);
  w.Iges = U / Z(R, C, L, w.fr);
  return w;
}

// Panel rows at y = r hM + 5.
struct TTafel {
  Canvas& canvas;
  int hM;
  void Zeile(int x, int r, const QString& text, const QColor& farbe) {
    Schreibe_Text(canvas, x, r * hM + 5, text, farbe);
  }
};

QString Zahl(long double v) { return Formatiere_Festkomma(v); }

}  // namespace

void Startwerte_Siebkette() { Startwerte(20); }

void Startwerte_Sperrkreis() { Startwerte(10); }

void Zeichne_Wobbelachsen(Canvas& canvas, int x0, int y0, int x_end, int half_height) {
  canvas.Pen.Color = Farben.Text;
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x_end, y0);
  canvas.MoveTo(x0, y0 - half_height);
  canvas.LineTo(x0, y0 + half_height);
  Schreibe_Text(canvas, x0 + 2, y0 - half_height, "I", Farben.Widerstand);
}

void Zeichne_Siebkette(Canvas& canvas, int fs, long double R, long double C, long double L) {
  const TWobbel w = Zeichne_Wobbel(canvas, fs, R, C, L, Berechne_Z_RCL_Reihe);
  TTafel t{canvas, canvas.TextHeight("M")};
  const int a = 20, b = (w.x_end - w.x0) / 2;
  Schreibe_unterstrichen(canvas, a, 5, "Wobbelgenerator an Siebkette:", Farben.Text);
  t.Zeile(a, 1, "  Ur = " + Zahl(w.Iges * R) + " V", Farben.Impedanz);
  t.Zeile(a, 2, "   R = " + Zahl(R) + " Ohm", Farben.Widerstand);
  t.Zeile(a, 3, "   C = " + Zahl(C * 1e6L) + " uF", Farben.Kondensator);
  t.Zeile(a, 4, "   L = " + Zahl(L * 1000) + " mH", Farben.Spule);
  t.Zeile(b, 0, "Bei Resonanzfrequenz fr:", Farben.Text);
  t.Zeile(b, 1, "  fr = " + Zahl(w.fr) + " Hz", Farben.Text);
  t.Zeile(b, 2, "  Uc = " + Zahl(w.Iges * w.Xc_res) + " V", Farben.Kondensator);
  t.Zeile(b, 3, "  UL = " + Zahl(w.Iges * w.XL_res) + " V", Farben.Spule);
  t.Zeile(b, 4, "  Iges = " + Zahl(w.Iges) + " A", Farben.Impedanz);
  t.Zeile(b, 5, "  Uges = " + Zahl(Schaltung.Ueff) + " V", Farben.Impedanz);
  t.Zeile(b, 6, "  XCres = " + Zahl(w.Xc_res) + " V/A", Farben.Kondensator);
  t.Zeile(b, 7, "  XLres = " + Zahl(w.XL_res) + " V/A", Farben.Spule);
}

void Zeichne_Sperrkreis(Canvas& canvas, int fs, long double R, long double C, long double L) {
  const TWobbel w = Zeichne_Wobbel(canvas, fs, R, C, L, Berechne_Z_RCL_parallel);
  const long double U = Schaltung.Ueff;
  TTafel t{canvas, canvas.TextHeight("M")};
  const int a = Layout.Kurven_Breite / 2, b = 20;
  Schreibe_unterstrichen(canvas, a, 5, "Wobbelgenerator an Sperrkreis:", Farben.Text);
  t.Zeile(a, 1, "  Uges = " + Zahl(U) + " V", Farben.Impedanz);
  t.Zeile(a, 2, "  R = " + Zahl(R) + " Ohm", Farben.Widerstand);
  t.Zeile(a, 3, "  C = " + Zahl(C * 1e6L) + " uF", Farben.Kondensator);
  t.Zeile(a, 4, "  L = " + Zahl(L * 1000) + " mH", Farben.Spule);
  t.Zeile(b, 0, "Bei Resonanzfrequenz fr:", Farben.Text);
  t.Zeile(b, 1, "  fr = " + Zahl(w.fr) + " Hz", Farben.Text);
  t.Zeile(b, 2, "  Ir = " + Zahl(U / R) + " A", Farben.Widerstand);
  t.Zeile(b, 3, "  Ic = " + Zahl(U / w.Xc_res) + " A", Farben.Kondensator);
  t.Zeile(b, 4, "  IL = " + Zahl(U / w.XL_res) + " A", Farben.Spule);
  t.Zeile(b, 5, "  Iges = " + Zahl(U / R) + " A", Farben.Widerstand);
  t.Zeile(b, 6, "  XCres = " + Zahl(w.Xc_res) + " V/A", Farben.Kondensator);
  t.Zeile(b, 8, "  XLres = " + Zahl(w.XL_res) + " V/A", Farben.Spule);
}
