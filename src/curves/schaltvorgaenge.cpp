#include "curves/schaltvorgaenge.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "curves/kurvenhilfe.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

real48 Tau_Achse_RC = 0.001L;
real48 Tau_Achse_RL = 0.001L;

void Startwerte_Kondensator_Schaltvorgang() {
  Schaltung.Ug = 10;
  Schaltung.R = 1000;
  Schaltung.C = 1e-6L;
  Tau_Achse_RC = Schaltung.R * Schaltung.C;
}

void Startwerte_Spule_Schaltvorgang() {
  Schaltung.Ug = 10;
  Schaltung.R = 10;
  Schaltung.L = 0.01L;
  Tau_Achse_RL = Schaltung.L / Schaltung.R;
}

long double Abklingfaktor(int n, int nt, bool konstante_Achse, long double Tau_Achse, long double Tau) {
  if (konstante_Achse) return std::exp(-5.0L * n / nt);
  return std::exp(-(5 * Tau_Achse / Tau) * n / nt);
}

QString Tau_Zeile(real48 Tau) {
  if (Tau < 0.001L) return "Tau = " + Formatiere_Festkomma(Tau * 1e6L) + " us";
  return "Tau = " + Formatiere_Festkomma(Tau * 1000) + " ms";
}

QString Achsenlaenge(long double Tau_Achse) {
  const long double T = static_cast<long double>(Round(5 * Tau_Achse * 100000)) * 1e-5L;
  if (T > 0) return Formatiere_Allgemein(T);
  // An axis shorter than 5 us keeps its own length instead of reading "0", cut to the 11
  // significant digits a stored real holds so that its rounding noise does not show.
  char buf[32];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, static_cast<double>(5 * Tau_Achse), std::chars_format::scientific, 10);
  double kurz = 0;
  std::from_chars(buf, r.ptr, kurz);
  return Formatiere_Allgemein(kurz);
}

namespace {

enum class TKurve { steigend, fallend_ab_70, fallend };

struct TSchaltbild {
  int W, Hd, nt;
  int y_b1, y_t1, y_b2, y_t2;
  std::vector<real48> e;  // decay factor of step n = 0 .. nt
};

// Frames, axes and labels of both graphs; the decay factors of the time axis.
TSchaltbild Zeichne_Graphen(Canvas& canvas, const QString& unten_links, const QString& titel_oben,
                            const QString& titel_unten, bool konstant, long double Tau_Achse, long double Tau) {
  TSchaltbild s;
  s.W = Layout.Kurven_Breite;
  s.Hd = Layout.Kurven_Hoehe;
  canvas.SetTextTransparent(true);
  canvas.Font.Name = "Arial";
  canvas.Font.Bold = true;
  canvas.Font.SetSize(10);
  canvas.Pen.Color = Farben.Text;

  s.y_b1 = s.Hd / 2 - 7;
  s.y_t1 = 7;
  canvas.Rectangle(2, 2, s.W / 2 - 5, s.Hd / 2 - 2);
  canvas.MoveTo(7, s.y_b1);
  canvas.LineTo(s.W / 2 - 10, s.y_b1);
  canvas.MoveTo(7, s.y_b1);
  canvas.LineTo(7, 7);

  s.y_b2 = s.Hd - 10;
  s.y_t2 = s.Hd / 2 + 7;
  canvas.Rectangle(2, s.Hd / 2 + 2, s.W / 2 - 5, s.Hd - 5);
  canvas.MoveTo(7, s.y_b2);
  canvas.LineTo(s.W / 2 - 10, s.y_b2);
  canvas.MoveTo(7, s.y_b2);
  canvas.LineTo(7, s.y_t2);

  Schreibe_Text(canvas, 10, s.y_t1, "U", Farben.Impedanz);
  Schreibe_Text(canvas, 27, s.y_t1, "I", Farben.Widerstand);
  Schreibe_Text(canvas, 57, s.y_t1, titel_oben, Farben.Text);
  Schreibe_Text(canvas, 10, s.y_t2, unten_links, Farben.Impedanz);
  Schreibe_Text(canvas, 57, s.y_t2, titel_unten, Farben.Text);

  s.nt = s.W / 2 - 17;
  if (s.nt > 0) {
    s.e.resize(s.nt + 1);
    for (int n = 0; n <= s.nt; ++n) s.e[n] = Abklingfaktor(n, s.nt, konstant, Tau_Achse, Tau);
  }
  return s;
}

void Zeichne_Kurve(Canvas& canvas, const TSchaltbild& s, TKurve art, int y_b, int y_t, const QColor& farbe) {
  if (s.e.empty()) return;
  const long double hoehe = y_b - y_t;
  std::vector<QPoint> punkte;
  punkte.reserve(s.e.size() + 1);
  switch (art) {
    case TKurve::steigend:
      punkte.emplace_back(7, y_b);
      break;
    case TKurve::fallend_ab_70:
      punkte.emplace_back(7, static_cast<int>(Trunc(y_b - 0.7L * hoehe)));
      break;
    case TKurve::fallend:
      punkte.emplace_back(7, y_t);
      break;
  }
  for (int n = 0; n <= s.nt; ++n) {
    const long double e = s.e[n];
    long long y = 0;
    switch (art) {
      case TKurve::steigend:
        y = Trunc(y_t + e * hoehe + 0.5L);
        break;
      case TKurve::fallend_ab_70:
        y = Trunc(y_b - 0.7L * e * hoehe);
        break;
      case TKurve::fallend:
        y = Trunc(y_b - e * hoehe);
        break;
    }
    punkte.emplace_back(7 + n, static_cast<int>(y));
  }
  canvas.Pen.Color = farbe;
  canvas.Pen.Width = 2;
  canvas.Polyline(Ohne_Zwischenpunkte(punkte));
}

// Panel frame; returns the text position of row r.
struct TTafel {
  int x, hM;
  int y(int r) const { return 12 + r * hM; }
};

TTafel Beginne_Tafel(Canvas& canvas, const TSchaltbild& s, const QString& zeile0, const QString& zeile1) {
  canvas.Pen.Color = Farben.Text;
  canvas.Pen.Width = 1;
  canvas.Rectangle(s.W / 2, 2, s.W - 5, s.Hd - 5);
  const TTafel t{s.W / 2 + 5, canvas.TextHeight("M")};
  canvas.Font.Underline = true;
  Schreibe_Text(canvas, t.x, t.y(0), zeile0, Farben.Text);
  Schreibe_Text(canvas, t.x, t.y(1), zeile1, Farben.Text);
  canvas.Font.Underline = false;
  return t;
}

}  // namespace

void Zeichne_Kondensator_Schaltvorgang(Canvas& canvas, long double U, long double R, long double C) {
  const bool konstant = Zeichenmodus.Konstante_Achse_RC;
  const real48 Tau = R * C;
  const TSchaltbild s = Zeichne_Graphen(canvas, "U", "Aufladevorgang", "Entladevorgang", konstant, Tau_Achse_RC, Tau);
  Zeichne_Kurve(canvas, s, TKurve::steigend, s.y_b1, s.y_t1, Farben.Impedanz);
  Zeichne_Kurve(canvas, s, TKurve::fallend_ab_70, s.y_b1, s.y_t1, Farben.Widerstand);
  Zeichne_Kurve(canvas, s, TKurve::fallend, s.y_b2, s.y_t2, Farben.Impedanz);

  const TTafel t = Beginne_Tafel(canvas, s, "Auf - und Entladevorgang", "beim Kondensator:");
  Schreibe_Text(canvas, t.x, t.y(3), "Uo = " + Formatiere_Festkomma(U) + " V", Farben.Impedanz);
  Schreibe_Text(canvas, t.x, t.y(4), "R  = " + Formatiere_Festkomma(R) + " Ohm", Farben.Impedanz);
  Schreibe_Text(canvas, t.x, t.y(5), "C  = " + Formatiere_Festkomma(C * 1e6L) + " uF", Farben.Impedanz);
  Schreibe_Text(canvas, t.x, t.y(7), "Zeitkonstante:", Farben.Kondensator);
  Schreibe_Text(canvas, t.x, t.y(8), Tau_Zeile(Tau), Farben.Kondensator);
  Schreibe_Text(
      canvas, t.x, t.y(10),
      konstant ? QString("Zeitachse: tmax = 5 * Tau") : "Zeitachse: tmax = " + Achsenlaenge(Tau_Achse_RC) + " s",
      Farben.Spule);
  Schreibe_Text(canvas, t.x, t.y(12), QStringLiteral("--- Ladestrom (nicht maßstabstreu)"), Farben.Widerstand);
  Schreibe_Text(canvas, t.x, t.y(14), "Spannungen beim Aufladevorgang:", Farben.Kondensator);
  for (int n = 1; n <= 5; ++n)
    Schreibe_Text(canvas, t.x, t.y(14 + n),
                  QString("  U(%1 Tau) = ").arg(n) + Formatiere_Festkomma(U * (1 - std::exp(-1.0L * n))) + " V",
                  Farben.Kondensator);
}

void Zeichne_Spule_Schaltvorgang(Canvas& canvas, long double U, long double R, long double L) {
  const bool konstant = Zeichenmodus.Konstante_Achse_RL;
  const real48 Tau = L / R;
  const TSchaltbild s =
      Zeichne_Graphen(canvas, "I", "Einschaltvorgang", "Ausschaltvorgang", konstant, Tau_Achse_RL, Tau);
  Zeichne_Kurve(canvas, s, TKurve::steigend, s.y_b1, s.y_t1, Farben.Widerstand);
  Zeichne_Kurve(canvas, s, TKurve::fallend_ab_70, s.y_b1, s.y_t1, Farben.Impedanz);
  Zeichne_Kurve(canvas, s, TKurve::fallend, s.y_b2, s.y_t2, Farben.Widerstand);

  const TTafel t = Beginne_Tafel(canvas, s, "Ein - und Ausschaltvorgang", "bei der Spule:");
  Schreibe_Text(canvas, t.x, t.y(3), "Uo = " + Formatiere_Festkomma(U) + " V", Farben.Impedanz);
  Schreibe_Text(canvas, t.x, t.y(4), "R  = " + Formatiere_Festkomma(R) + " Ohm", Farben.Impedanz);
  Schreibe_Text(canvas, t.x, t.y(5), "L  = " + Formatiere_Festkomma(L * 1000) + " mH", Farben.Impedanz);
  Schreibe_Text(canvas, t.x, t.y(7), "Zeitkonstante:", Farben.Kondensator);
  Schreibe_Text(canvas, t.x, t.y(8), Tau_Zeile(Tau), Farben.Kondensator);
  Schreibe_Text(
      canvas, t.x, t.y(10),
      konstant ? QString("gezeichnet wurden 5 * Tau") : "Zeitachse: tmax = " + Achsenlaenge(Tau_Achse_RL) + " s",
      Farben.Spule);
  Schreibe_Text(canvas, t.x, t.y(12), QStringLiteral("--- Selbstinduktionsspannung (nicht maßstabstreu)"),
                Farben.Impedanz);
  Schreibe_Text(canvas, t.x, t.y(14), QStringLiteral("Ströme beim Einschaltvorgang:"), Farben.Kondensator);
  for (int n = 1; n <= 5; ++n)
    Schreibe_Text(canvas, t.x, t.y(14 + n),
                  QString("  I(%1 Tau) = ").arg(n) + Formatiere_Festkomma(U / R * (1 - std::exp(-1.0L * n))) + " A",
                  Farben.Kondensator);
  Schreibe_Text(canvas, t.x, t.y(20), "  Imax = " + Formatiere_Festkomma(U / R) + " A", Farben.Widerstand);
  Schreibe_Text(canvas, t.x, t.y(21), "  Stromanstieg beim Einschalten I/t = " + Formatiere_Festkomma(U / L) + " A/s",
                Farben.Spule);
}
