#include "phasors/reihenzeiger.h"

#include <cmath>

#include <optional>

#include "phasors/reihen_berechnung.h"
#include "phasors/zeigerumlauf.h"
#include "phasors/zeigerwerte.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/layout.h"
#include "toolkit/real48.h"
#include "toolkit/schaltung.h"

namespace {

// The phasors of one series circuit; a component that is not in the circuit stays empty.
struct TReihenbild {
  std::optional<TUmlaufzeiger> UR, UL, Uc;
  TUmlaufzeiger Ug;
};

int Laenge(long double spannung, long double bezug) { return static_cast<int>(Trunc(spannung * Layout.r0 / bezug)); }

// UR in phase with the current, UL a quarter turn ahead, Uc a quarter turn behind; lengths
// relative to the voltage that fills the radius.
TReihenbild Reihenbild(bool mit_R, bool mit_L, bool mit_C, long double bezug, long double Ug_Versatz) {
  const TZeigerwerte& w = Zeigerwerte;
  TReihenbild b;
  if (mit_R) b.UR = TUmlaufzeiger{Laenge(w.UR, bezug), 0, Farben.Widerstand};
  if (mit_L) b.UL = TUmlaufzeiger{Laenge(w.UL, bezug), -Pi_halbe, Farben.Spule};
  if (mit_C) b.Uc = TUmlaufzeiger{Laenge(w.Uc, bezug), Pi_halbe, Farben.Kondensator};
  b.Ug = TUmlaufzeiger{Laenge(Schaltung.Ug, bezug), Ug_Versatz, Farben.Impedanz};
  return b;
}

void Zeichne_Reihenbild(Canvas& canvas, const TReihenbild& b) {
  std::vector<TUmlaufzeiger> zeiger;
  for (const auto* z : {&b.UR, &b.UL, &b.Uc}) {
    if (*z) zeiger.push_back(**z);
  }
  zeiger.push_back(b.Ug);
  Zeigerumlauf(canvas, zeiger, false);

  canvas.Pen.Width = 2;
  Zeichne_Endzeiger(canvas, b.Ug, "Ueff");
  if (b.UL) Zeichne_Endzeiger(canvas, *b.UL, "UL");
  if (b.Uc) Zeichne_Endzeiger(canvas, *b.Uc, "Uc");
  if (b.UR) Zeichne_Endzeiger(canvas, *b.UR, "Ur");
  canvas.Pen.Width = 1;
}

// Time-axis labels: two rows (10 and 23 pixels above the circle's top) left and right of
// the axis; an empty text is left out.
void Achsenlabels(Canvas& canvas, const QString& links_unten, const QColor& farbe_lu, const QString& links_oben,
                  const QColor& farbe_lo, const QString& rechts_unten, const QColor& farbe_ru,
                  const QString& rechts_oben, const QColor& farbe_ro) {
  const int unten = Layout.cy - Layout.r0 - 10;
  const int oben = Layout.cy - Layout.r0 - 23;
  const int links = Layout.x0 - 15;
  const int rechts = Layout.x0 + 3;
  Schreibe_Text(canvas, links, unten, links_unten, farbe_lu);
  if (!links_oben.isEmpty()) Schreibe_Text(canvas, links, oben, links_oben, farbe_lo);
  Schreibe_Text(canvas, rechts, unten, rechts_unten, farbe_ru);
  Schreibe_Text(canvas, rechts, oben, rechts_oben, farbe_ro);
}

long double Grad(long double phi) { return phi * 180 * (1 / Pi); }

}  // namespace

void Zeichne_RC_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  const TZeigerwerte& w = Zeigerwerte;
  const TFarben& F = Farben;
  Zeichne_Reihenbild(canvas, Reihenbild(true, false, true, s.Ug, s.phi));
  Achsenlabels(canvas, "Ug", F.Impedanz, {}, {}, "Uc", F.Kondensator, "Ur", F.Widerstand);

  const long double Xc = Berechne_Xc(s.C, s.f);
  TTextblock t(canvas);
  t.Zeile(0, "Kondensator und Widerstand", F.Text);
  t.Zeile(1, "in Reihe", F.Text);
  t.Zeile(2, Wertzeile("Ug  = ", s.Ug, " V"), F.Impedanz);
  t.Zeile(3, Wertzeile("R   = ", s.R_Zeiger, " Ohm"), F.Widerstand);
  t.Zeile(4, Wertzeile("C   = ", s.C * 1e6L, " uF"), F.Kondensator);
  t.Zeile(5, Wertzeile("f   = ", s.f, " Hz"), F.Impedanz);
  t.Zeile(7, Wertzeile("Xc  = ", Xc, " V/A"), F.Kondensator);
  t.Zeile(8, Wertzeile("Uc  = ", w.Uc, " V"), F.Kondensator);
  t.Zeile(9, Wertzeile("Ic  = ", w.Uc / Xc, " A"), F.Kondensator);
  t.Zeile(10, Wertzeile("Ir  = ", w.UR / s.R_Zeiger, " A"), F.Widerstand);
  t.Zeile(11, Wertzeile("Ur  = ", w.UR, " V"), F.Widerstand);
  t.Zeile(12, Wertzeile("Phi= ", Grad(s.phi), " Grad"), F.Impedanz);
  t.Schreibe();
}

void Zeichne_RL_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  const TZeigerwerte& w = Zeigerwerte;
  const TFarben& F = Farben;
  Zeichne_Reihenbild(canvas, Reihenbild(true, true, false, s.Ug, s.phi));
  Achsenlabels(canvas, "Ug", F.Impedanz, {}, {}, "Ul", F.Spule, "Ur", F.Widerstand);

  const long double XL = Berechne_XL(s.L, s.f);
  TTextblock t(canvas);
  t.Zeile(0, "Spule und Widerstand", F.Text);
  t.Zeile(1, "in Reihe", F.Text);
  t.Zeile(2, Wertzeile("Ug  = ", s.Ug, " V"), F.Impedanz);
  t.Zeile(3, Wertzeile("R   = ", s.R_Zeiger, " Ohm"), F.Widerstand);
  t.Zeile(4, Wertzeile("L   = ", s.L * 1000, " mH"), F.Spule);
  t.Zeile(5, Wertzeile("f   = ", s.f, " Hz"), F.Impedanz);
  t.Zeile(7, Wertzeile("Xl  = ", XL, " V/A"), F.Spule);
  t.Zeile(8, Wertzeile("Ul  = ", w.UL, " V"), F.Spule);
  t.Zeile(9, Wertzeile("Il  = ", w.UL / XL, " A"), F.Spule);
  t.Zeile(10, Wertzeile("Ir  = ", w.UR / s.R_Zeiger, " A"), F.Widerstand);
  t.Zeile(11, Wertzeile("Ur  = ", w.UR, " V"), F.Widerstand);
  t.Zeile(12, Wertzeile("Phi = ", Grad(s.phi), " Grad"), F.Impedanz);
  t.Schreibe();
}

void Zeichne_RCL_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  const TZeigerwerte& w = Zeigerwerte;
  const TFarben& F = Farben;
  Zeichne_Reihenbild(canvas, Reihenbild(true, true, true, s.Ug, s.phi));
  Achsenlabels(canvas, "Ug", F.Impedanz, "Uc", F.Kondensator, "Ul", F.Spule, "Ur", F.Widerstand);

  const long double Xc = Berechne_Xc(s.C, s.f);
  const long double XL = Berechne_XL(s.L, s.f);
  TTextblock t(canvas);
  t.Zeile(0, "Spule, Kondensator und", F.Text);
  t.Zeile(1, "Widerstand in Reihe", F.Text);
  t.Zeile(2, Wertzeile("Ug  = ", s.Ug, " V"), F.Impedanz);
  t.Zeile(3, Wertzeile("R   = ", s.R_Zeiger, " Ohm"), F.Widerstand);
  t.Zeile(4, Wertzeile("L   = ", s.L * 1000, " mH"), F.Spule);
  t.Zeile(5, Wertzeile("C   = ", s.C * 1e6L, " uF"), F.Kondensator);
  t.Zeile(6, Wertzeile("f   = ", s.f, " Hz"), F.Impedanz);
  t.Zeile(8, Wertzeile("Ur  = ", w.UR, " V"), F.Widerstand);
  t.Zeile(9, Wertzeile("Ir  = ", w.UR / s.R_Zeiger, " A"), F.Widerstand);
  t.Zeile(10, Wertzeile("Xc  = ", Xc, " V/A"), F.Kondensator);
  t.Zeile(11, Wertzeile("Uc  = ", w.Uc, " V"), F.Kondensator);
  t.Zeile(12, Wertzeile("Ic  = ", w.Uc / Xc, " A"), F.Kondensator);
  t.Zeile(13, Wertzeile("Xl  = ", XL, " V/A"), F.Spule);
  t.Zeile(14, Wertzeile("Ul  = ", w.UL, " V"), F.Spule);
  t.Zeile(15, Wertzeile("Il  = ", w.UL / XL, " A"), F.Spule);
  t.Zeile(16, Wertzeile("Phi = ", Grad(s.phi), " Grad"), F.Impedanz);
  t.Schreibe();
}

void Zeichne_CL_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  const TZeigerwerte& w = Zeigerwerte;
  const TFarben& F = Farben;
  // The larger partial voltage fills the radius. The supply is the sum of the partial
  // voltages: the coil resistance and the two reactances set its angle to the current.
  const long double M = w.Uc < w.UL ? w.UL : w.Uc;
  Zeichne_Reihenbild(canvas, Reihenbild(true, true, true, M, std::atan2(s.Xc - s.XL, s.RL)));
  Achsenlabels(canvas, "Ur", F.Widerstand, "Uc", F.Kondensator, "Ul", F.Spule, "Ug", F.Impedanz);

  Berechne_CL_Reihe();
  TTextblock t(canvas);
  t.Zeile(0, "Kondensator und Spule", F.Text);
  t.Zeile(1, "im Wechselstromkreis", F.Text);
  t.Zeile(2, Wertzeile("Ug  = ", s.Ug, " V"), F.Impedanz);
  t.Zeile(3, Wertzeile("C   = ", s.C * 1e6L, " uF"), F.Kondensator);
  t.Zeile(4, Wertzeile("Xc  = ", s.Xc, " V/A"), F.Kondensator);
  t.Zeile(5, Wertzeile("Ic  = ", s.Ieff, " A"), F.Kondensator);
  t.Zeile(6, Wertzeile("Uc  = ", w.Uc, " V"), F.Kondensator);
  t.Zeile(8, Wertzeile("L  = ", s.L * 1000, " mH"), F.Spule);
  t.Zeile(9, Wertzeile("XL = ", s.XL, " V/A"), F.Spule);
  t.Zeile(10, Wertzeile("Il = ", s.Ieff, " A"), F.Spule);
  t.Zeile(11, Wertzeile("Ul = ", w.UL, " V"), F.Spule);
  t.Zeile(13, Wertzeile("f  = ", s.f, " Hz"), F.Impedanz);
  t.Zeile(14, Wertzeile("fres  = ", s.fr, " Hz"), F.Impedanz);
  t.Zeile(15, Wertzeile("RSpule = ", s.RL, " Ohm"), F.Widerstand);
  t.Zeile(16, Wertzeile("Z  = ", s.Z, " Ohm"), F.Impedanz);
  t.Schreibe();
}
