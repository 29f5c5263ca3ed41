#include "phasors/einzelzeiger.h"

#include "phasors/zeigerumlauf.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/layout.h"
#include "toolkit/real48.h"
#include "toolkit/schaltung.h"

namespace {

struct TEinzelbild {
  TUmlaufzeiger Spannung;
  TUmlaufzeiger Strom;    // colour during the turn
  QColor Strom_Endfarbe;  // colour of the final phasor and its label
  QString Spannung_Label, Strom_Label;
  int Strom_Label_dx = 0;
  int Achse_Laenge = 0;  // the time-axis labels sit 10 pixels above this height
  QString Achse_links, Achse_rechts;
  QColor Farbe_links, Farbe_rechts;
};

void Zeichne_Einzelbild(Canvas& canvas, const TEinzelbild& b) {
  Zeigerumlauf(canvas, {b.Spannung, b.Strom}, true);
  canvas.Pen.Width = 2;
  Zeichne_Endzeiger(canvas, b.Spannung, b.Spannung_Label);
  Zeichne_Endzeiger(canvas, {b.Strom.Laenge, b.Strom.Versatz, b.Strom_Endfarbe}, b.Strom_Label, b.Strom_Label_dx);
  canvas.Pen.Width = 1;
  const int y = Layout.cy - b.Achse_Laenge - 10;
  Schreibe_Text(canvas, Layout.x0 - 15, y, b.Achse_links, b.Farbe_links);
  Schreibe_Text(canvas, Layout.x0 + 3, y, b.Achse_rechts, b.Farbe_rechts);
}

}  // namespace

int Stromzeiger_R() {
  const TSchaltung& s = Schaltung;
  return static_cast<int>(Trunc((Layout.r0 - 1) * s.Ug / ((s.Imax - s.Imin) * s.R_Zeiger) * 1.5L + 0.5L));
}

int Stromzeiger_C() {
  const TSchaltung& s = Schaltung;
  return static_cast<int>(Trunc(s.Ug * Layout.r0 / (Berechne_Xc(s.C, s.f) * s.Imax) + 0.5L));
}

int Stromzeiger_L() {
  const TSchaltung& s = Schaltung;
  return static_cast<int>(Trunc(s.Ug * Layout.r0 / (Berechne_XL(s.L, s.f) * s.Imax) + 0.5L));
}

void Zeichne_R_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  TEinzelbild b;
  b.Spannung = {Layout.r0 - 1, 0, Farben.Impedanz};
  b.Strom = {Stromzeiger_R(), 0, Farben.Widerstand};
  b.Strom_Endfarbe = Farben.Widerstandsstrom;
  b.Spannung_Label = "Ueff";
  b.Strom_Label = "Ieff";
  b.Achse_Laenge = Layout.r0 - 1;
  b.Achse_links = "Ur";
  b.Farbe_links = Farben.Impedanz;
  b.Achse_rechts = "Ir";
  b.Farbe_rechts = Farben.Widerstandsstrom;
  Zeichne_Einzelbild(canvas, b);

  TTextblock t(canvas);
  t.Zeile(0, "Strom und Spannung", Farben.Text);
  t.Zeile(1, "am ohmschen Widerstand", Farben.Text);
  t.Zeile(2, Wertzeile("Ur = ", s.Ug, " V"), Farben.Impedanz);
  t.Zeile(3, Wertzeile("R  = ", s.R_Zeiger, " Ohm"), Farben.Impedanz);
  t.Zeile(4, Wertzeile("Ir = ", s.Ug / s.R_Zeiger, " A"), Farben.Widerstandsstrom);
  t.Schreibe();
}

namespace {

// Capacitor or coil: the current a quarter turn ahead of (capacitor) or behind (coil) the voltage.
struct TBlindbauteil {
  QString U, I, X;  // names of voltage, current and reactance: "Uc", "Ic", "Xc"
  int Stromzeiger;
  long double Versatz;
  QColor Farbe;
  int Label_dx;
  QString Zeile1;
  long double X_Wert;
  QString Bauteilzeile;  // "C  = 500 uF"
};

void Zeichne_Blindbauteil(Canvas& canvas, const TBlindbauteil& t) {
  const TSchaltung& s = Schaltung;
  TEinzelbild b;
  b.Spannung = {Layout.r0, 0, Farben.Impedanz};
  b.Strom = {t.Stromzeiger, t.Versatz, t.Farbe};
  b.Strom_Endfarbe = t.Farbe;
  b.Spannung_Label = t.U;
  b.Strom_Label = t.I;
  b.Strom_Label_dx = t.Label_dx;
  b.Achse_Laenge = Layout.r0;
  b.Achse_links = t.I;
  b.Farbe_links = t.Farbe;
  b.Achse_rechts = t.U;
  b.Farbe_rechts = Farben.Impedanz;
  Zeichne_Einzelbild(canvas, b);

  TTextblock text(canvas);
  text.Zeile(0, "Strom und Spannung", Farben.Text);
  text.Zeile(1, t.Zeile1, Farben.Text);
  text.Zeile(2, Wertzeile(t.U + " = ", s.Ug, " V"), Farben.Impedanz);
  text.Zeile(3, Wertzeile(t.X + " = ", t.X_Wert, " V/A"), t.Farbe);
  text.Zeile(4, Wertzeile(t.I + " = ", s.Ug / t.X_Wert, " A"), t.Farbe);
  text.Zeile(5, t.Bauteilzeile, t.Farbe);
  text.Zeile(6, Wertzeile("f  = ", s.f, " Hz"), t.Farbe);
  text.Zeile(7, "Phi= 90 Grad", t.Farbe);
  text.Schreibe();
}

}  // namespace

void Zeichne_C_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  Zeichne_Blindbauteil(
      canvas, {"Uc", "Ic", "Xc", Stromzeiger_C(), -Pi_halbe, Farben.Kondensator, 0, "am kapazitiven Widerstand",
               Berechne_Xc(s.C, s.f), Wertzeile("C  = ", s.C * 1e6L, " uF")});
}

void Zeichne_L_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  Zeichne_Blindbauteil(canvas,
                       {"Ul", "Il", "Xl", Stromzeiger_L(), Pi_halbe, Farben.Spule, 2, "am induktiven Widerstand",
                        Berechne_XL(s.L, s.f), Wertzeile("L  = ", s.L * 1000, " mH")});
}
