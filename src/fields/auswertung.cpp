#include "fields/auswertung.h"

#include <cmath>
#include <numbers>

#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/number_text.h"

namespace {

constexpr long double kGrad = 180 / std::numbers::pi_v<long double>;

QString F(long double x) { return Formatiere_Festkomma(x); }
QString P(long double x) { return Setze_Vorsatz(Formatiere_Wert(x)); }

// A column of text rows in the panel font, each one line height below the previous.
class TSpalte {
 public:
  TSpalte(Canvas& canvas, int x, int groesse) : canvas_(canvas), x_(x) {
    canvas.Font.Name = "System";
    canvas.Font.Pitch = TFontPitch::fpFixed;
    canvas.Font.Bold = false;
    canvas.Font.Italic = false;
    canvas.Font.Underline = false;
    canvas.Font.SetSize(groesse);
    h_ = canvas.TextHeight("M");
  }

  int h() const { return h_; }
  void Setze_y(int y) { y_ = y; }
  void Vorschub(int pixel) { y_ += pixel; }
  // Writes the row at the current height and moves one line down.
  void Zeile(const QString& text, const QColor& farbe) {
    Schreibe_Text(canvas_, x_, y_, text, farbe);
    y_ += h_;
  }

 private:
  Canvas& canvas_;
  int x_;
  int y_ = 0;
  int h_ = 0;
};

}  // namespace

void Zeige_Auswertung_E(Canvas& canvas, const TBahn_E& b) {
  const TFeldwerte& f = Feld;
  TSpalte s(canvas, Layout.W / 2 - 40, 8);
  s.Setze_y(5);
  s.Zeile("Auswertung:", Farben.Text);
  s.Setze_y(20);
  const long double phi = f.phi / kGrad, vs = f.v * std::cos(phi), E = f.Uc * 100 / f.d;
  const bool aus = !b.Treffer;
  s.Zeile("Beschl.spannung   Ub = " + F(f.Ub) + " V", Farben.Widerstand);
  s.Zeile("Elektronengeschw. Ve = " + F(f.v) + " m/s", Farben.Widerstand);
  s.Zeile("Eintrittswinkel  Phi = " + F(f.phi) + " Grad", Farben.Widerstand);
  s.Zeile("Ablenkspannung    Uc = " + F(f.Uc) + " V", Farben.Impedanz);
  s.Zeile("Plattenabstand    d  = " + F(f.d) + " cm", Farben.Impedanz);
  s.Zeile(QStringLiteral("Plattenlänge      l  = ") + F(f.l) + " cm", Farben.Impedanz);
  s.Zeile("Feldstärke in C   E  = " + F(E) + " V/m", Farben.Impedanz);
  s.Zeile("Abst. zum Schirm  a  = " + F(f.a - f.l) + " cm", Farben.Kondensator);
  if (aus) {
    s.Zeile("Ablenk. im Kond.  y1 = " + F(100 * b.z1) + " cm", Farben.Spule);
    s.Zeile(QStringLiteral("Ablenk. außerh.C: y2 = ") + F(100 * b.z2) + " cm", Farben.Spule);
    s.Zeile("Gesamtablenkung   y  = " + F(100 * (b.z1 + b.z2)) + " cm", Farben.Spule);
  }
  s.Zeile("Elektrische Kraft Fe = " + F(E * f.e_strich * 1e19L) + " E-19 N", Farben.Kondensator);
  s.Zeile("Senkr. Geschw.    vs = " + F(vs) + " m/s", Farben.Kondensator);
  s.Zeile("Parall.Geschw.    vp = " + F(std::fabs(f.v * std::sin(phi))) + " m/s", Farben.Kondensator);
  if (aus) {
    s.Zeile("Zeit im Kondens.  T1 = " + P(f.l * 0.01L / vs) + "s", Farben.Kondensator);
    s.Zeile("Zeit zum Schirm   T2 = " + P((f.a - f.l) * 0.01L / vs) + "s", Farben.Kondensator);
  }
}

void Zeige_Ergebnisse_B(Canvas& canvas, const TBahn_B& b) {
  const TFeldwerte& f = Feld;
  TSpalte s(canvas, Layout.W / 2, 10);
  s.Setze_y(5);
  s.Zeile("Ergebnisse:", Farben.Text);
  const long double phi = f.phi / kGrad, vs = f.v * std::cos(phi);
  s.Zeile(QStringLiteral("Feldstärke        B = ") + P(f.B) + "T", Farben.Spule);
  s.Zeile(QStringLiteral("Einschußwinkel    ß = ") + F(f.phi) + " Grad", Farben.Widerstand);
  s.Zeile("Geschwindigkeit  Ve = " + F(f.v) + " m/s", Farben.Widerstand);
  s.Zeile("Senkrechte Ge.   Vs = " + F(vs) + " m/s", Farben.Widerstand);
  s.Zeile("ParallelKompo.   Vp = " + F(f.v * std::sin(phi)) + " m/s", Farben.Widerstand);
  s.Zeile("Kreisradius       R = " + F(100 * b.r) + " cm ", Farben.Impedanz);
  s.Zeile("Umlaufzeit        T = " + P(b.T) + "s", Farben.Impedanz);
  s.Zeile(QStringLiteral("Steighöhe         H = ") + F(100 * b.h) + " cm", Farben.Impedanz);
  s.Zeile("Beschl. Spannung Ub = " + F(f.Ub) + " V", Farben.Impedanz);
  s.Zeile("Lorentzkraft     Fl = " + F(f.e * vs * f.B * 1e19L) + " E-19 N", Farben.Impedanz);
}

void Zeige_Auswertung_EB(Canvas& canvas, const TBahn_EB& b) {
  const TFeldwerte& f = Feld;
  const TBahn_E& k = b.Kondensator;
  TSpalte s(canvas, Layout.W / 2, 10);
  s.Setze_y(5);
  s.Zeile("Auswertung und Ergebnisse:", Farben.Text);
  const bool aus = !k.Treffer;
  s.Zeile("Elektr. Feld  E = " + F(f.Uc / (f.d * 0.01L)) + " V/m", Farben.Impedanz);
  s.Zeile(QStringLiteral("Kondens.länge l = ") + F(f.l) + " cm", Farben.Impedanz);
  s.Zeile("Plattenabst.  d = " + F(f.d) + " cm", Farben.Impedanz);
  s.Zeile("Eintr.geschw. Vo= " + F(f.v) + " m/s", Farben.Impedanz);
  s.Zeile(QStringLiteral("Eintr.Winkel  ß = ") + F(f.phi) + " Grad", Farben.Impedanz);
  s.Zeile("hor, Komp.   Vs = " + F(k.vy) + " m/s", Farben.Impedanz);
  s.Zeile("vert.Komp.   Vp = " + F(k.vz) + " m/s", Farben.Impedanz);
  if (aus) {
    s.Zeile("Austrittsge. Vy =" + F(k.vz1) + " m/s", Farben.Impedanz);
    s.Zeile("Abl.Kond:    y1 =" + F(100 * k.z1) + " cm", Farben.Impedanz);
  }
  s.Zeile("MagnetFeld B = " + F(1000 * f.B) + " mT", Farben.Spule);
  s.Vorschub(s.h());
  if (aus) {
    s.Zeile("Eintritts. v = " + F(b.v1) + " m/s", Farben.Spule);
    s.Zeile("Eintr.Winkel = " + F(b.Winkel * kGrad) + " Grad", Farben.Spule);
    s.Zeile("hor.Komp.Vox = " + F(k.vy) + " m/s", Farben.Spule);
    s.Zeile("ver.Komp.Voy = " + F(k.vz1) + " m/s", Farben.Spule);
    // An electron leaving downwards turns on a negative radius; the panel shows its size.
    s.Zeile("Bahnradius r = " + F(std::fabs(100 * b.r)) + " cm", Farben.Spule);
    s.Zeile("Umlaufzeit T = " + P(b.T) + "s", Farben.Spule);
    s.Zeile(QStringLiteral("Ganghöhe   h = ") + F(100 * b.h) + " cm", Farben.Spule);
    s.Zeile("SchirmPunktx = " + F(b.Landung_x) + " cm", Farben.Kondensator);
    s.Zeile("SchirmPunkty = " + F(f.a) + " cm", Farben.Kondensator);
    s.Zeile("SchirmPunktz = " + F(b.Landung_z) + " cm", Farben.Kondensator);
  }
  s.Zeile("Schirmabst.a =" + F(f.a - f.l) + " cm", Farben.Kondensator);
}

void Zeige_Auswertung_gekreuzt(Canvas& canvas, const TBahn_gekreuzt& b) {
  const TFeldwerte& f = Feld;
  TSpalte s(canvas, Layout.W / 2 + 20, 10);
  s.Setze_y(5);
  canvas.Font.Underline = true;
  s.Zeile("Auswertung und Ergebnisse:", Farben.Text);
  canvas.Font.Underline = false;
  s.Vorschub(s.h() / 2);
  s.Zeile("Elektr. Feld  E = " + F(f.Uc / (f.d * 0.01L)) + " V/m", Farben.Impedanz);
  s.Zeile("Kond.Spannung U = " + F(f.Uc) + " V", Farben.Impedanz);
  s.Zeile(QStringLiteral("Kondens.länge l = ") + F(f.l) + " cm", Farben.Impedanz);
  s.Zeile("Plattenabst.  d = " + F(f.d) + " cm", Farben.Impedanz);
  s.Zeile("Eintr.geschw. Vo= " + F(f.v) + " m/s", Farben.Impedanz);
  // Exit values exist only when the electron left the plates at their end (not after a hit,
  // nor when the circle turned back).
  if (b.Austritt) {
    s.Zeile("Austrittswinkel = " + F(b.Winkel * kGrad) + " Grad", Farben.Impedanz);
    s.Zeile("Austrittsge. Vz =" + F(b.vz) + " m/s", Farben.Impedanz);
  }
  s.Vorschub(s.h());
  s.Zeile("MagnetFeld B = " + F(1000 * f.B) + " mT", Farben.Spule);
  if (!b.Parabel) {
    s.Zeile("Bahnradius r = " + F(100 * b.R) + " cm", Farben.Spule);
    s.Zeile("Umlaufzeit T = " + P(b.T) + "s", Farben.Spule);
  }
}
