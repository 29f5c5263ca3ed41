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
}

void Zeichne_C_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  TEinzelbild b;
  b.Spannung = {Layout.r0, 0, Farben.Impedanz};
  b.Strom = {Stromzeiger_C(), -Pi_halbe, Farben.Kondensator};
  b.Strom_Endfarbe = Farben.Kondensator;
  b.Spannung_Label = "Uc";
  b.Strom_Label = "Ic";
  b.Achse_Laenge = Layout.r0;
  b.Achse_links = "Ic";
  b.Farbe_links = Farben.Kondensator;
  b.Achse_rechts = "Uc";
  b.Farbe_rechts = Farben.Impedanz;
  Zeichne_Einzelbild(canvas, b);

  const long double Xc = Berechne_Xc(s.C, s.f);
  const QColor& farbe = Farben.Kondensator;
  TTextblock t(canvas);
  t.Zeile(0, "Strom und Spannung", Farben.Text);
  t.Zeile(1, "am kapazitiven Widerstand", Farben.Text);
  t.Zeile(2, Wertzeile("Uc = ", s.Ug, " V"), Farben.Impedanz);
  t.Zeile(3, Wertzeile("Xc = ", Xc, " V/A"), farbe);
  t.Zeile(4, Wertzeile("Ic = ", s.Ug / Xc, " A"), farbe);
  t.Zeile(5, Wertzeile("C  = ", s.C * 1e6L, " uF"), farbe);
  t.Zeile(6, Wertzeile("f  = ", s.f, " Hz"), farbe);
  t.Zeile(7, "Phi= 90 Grad", farbe);
}

void Zeichne_L_Zeiger(Canvas& canvas) {
  const TSchaltung& s = Schaltung;
  TEinzelbild b;
  b.Spannung = {Layout.r0, 0, Farben.Impedanz};
  b.Strom = {Stromzeiger_L(), Pi_halbe, Farben.Spule};
  b.Strom_Endfarbe = Farben.Spule;
  b.Spannung_Label = "Ul";
  b.Strom_Label = "Il";
  b.Strom_Label_dx = 2;
  b.Achse_Laenge = Layout.r0;
  b.Achse_links = "Il";
  b.Farbe_links = Farben.Spule;
  b.Achse_rechts = "Ul";
  b.Farbe_rechts = Farben.Impedanz;
  Zeichne_Einzelbild(canvas, b);

  const long double XL = Berechne_XL(s.L, s.f);
  const QColor& farbe = Farben.Spule;
  TTextblock t(canvas);
  t.Zeile(0, "Strom und Spannung", Farben.Text);
  t.Zeile(1, "am induktiven Widerstand", Farben.Text);
  t.Zeile(2, Wertzeile("Ul = ", s.Ug, " V"), Farben.Impedanz);
  t.Zeile(3, Wertzeile("Xl = ", XL, " V/A"), farbe);
  t.Zeile(4, Wertzeile("Il = ", s.Ug / XL, " A"), farbe);
  t.Zeile(5, Wertzeile("L  = ", s.L * 1000, " mH"), farbe);
  t.Zeile(6, Wertzeile("f  = ", s.f, " Hz"), farbe);
  t.Zeile(7, "Phi= 90 Grad", farbe);
}
