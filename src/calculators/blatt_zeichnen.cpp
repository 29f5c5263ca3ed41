#include "calculators/blatt_zeichnen.h"

#include "toolkit/farben.h"
#include "toolkit/schaltung.h"

namespace calculators {

namespace {

const QColor& Farbe(Farbrolle rolle) {
  switch (rolle) {
    case Farbrolle::Text:
      return Farben.Text;
    case Farbrolle::Widerstand:
      return Farben.Widerstand;
    case Farbrolle::Kondensator:
      return Farben.Kondensator;
    case Farbrolle::Spule:
      return Farben.Spule;
    case Farbrolle::Impedanz:
      return Farben.Impedanz;
  }
  return Farben.Text;
}

Kreiswerte Gemeinsame_Werte() {
  Kreiswerte w;
  for (Groesse g :
       {Groesse::R, Groesse::C, Groesse::Xc, Groesse::L, Groesse::XL, Groesse::f, Groesse::Ueff, Groesse::Ieff})
    w[g] = Gemeinsamer_Wert(g);
  return w;
}

}  // namespace

void Zeichne_Blatt(Canvas& canvas, const Blatt& blatt, bool pinsel_fest) {
  canvas.Font.Name = "Arial";
  canvas.Font.Bold = true;
  canvas.Font.Italic = false;
  canvas.Font.Underline = false;
  const int h = canvas.TextHeight("M");
  Schreibe_Text(canvas, 10, 10, QString::fromStdString(blatt.titel), Farben.Text);
  const int rechts = 10 + canvas.TextWidth(QString::fromStdString(blatt.bezug)) + 5;
  canvas.MoveTo(5, 10 + h);
  canvas.LineTo(rechts, 10 + h);
  int y = 10 + 2 * h;
  for (const Blattzeile& zeile : blatt.zeilen) {
    if (!zeile.leer()) Schreibe_Text(canvas, 10, y, Zeilentext(zeile), Farbe(zeile.farbe));
    y += h;
  }
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Rectangle(5, 5, rechts, y + 5);
  if (pinsel_fest) canvas.Brush.Style = TBrushStyle::bsSolid;
}

void Zeichne_Rechenblatt(Canvas& canvas, Blattmodus blatt) {
  const Kreiswerte w = Gemeinsame_Werte();
  using Z = TZeichenmodus;
  if (blatt == &Z::Blatt_Widerstand) return Zeichne_Blatt(canvas, Blatt_Widerstand(w));
  if (blatt == &Z::Blatt_Kondensator) return Zeichne_Blatt(canvas, Blatt_Kondensator(w));
  if (blatt == &Z::Blatt_Spule) return Zeichne_Blatt(canvas, Blatt_Spule(w));
  if (blatt == &Z::Blatt_RC_Reihe) return Zeichne_Blatt(canvas, Blatt_RC_Reihe(w));
  if (blatt == &Z::Blatt_RL_Reihe) return Zeichne_Blatt(canvas, Blatt_RL_Reihe(w, Schaltung.R_Zeiger));
  if (blatt == &Z::Blatt_RCL_Reihe) return Zeichne_Blatt(canvas, Blatt_RCL_Reihe(w, Schaltung.R_Zeiger));
  if (blatt == &Z::Blatt_CL_Reihe) return Zeichne_Blatt(canvas, Blatt_CL_Reihe(w));
  if (blatt == &Z::Blatt_RC_parallel) return Zeichne_Blatt(canvas, Blatt_RC_parallel(w), true);
  if (blatt == &Z::Blatt_RL_parallel) return Zeichne_Blatt(canvas, Blatt_RL_parallel(w), true);
  if (blatt == &Z::Blatt_CL_parallel) return Zeichne_Blatt(canvas, Blatt_CL_parallel(w), true);
  if (blatt == &Z::Blatt_RCL_parallel) return Zeichne_Blatt(canvas, Blatt_RCL_parallel(w), true);
  if (blatt == &Z::Blatt_Hoch_Tiefpass) return Zeichne_Blatt(canvas, Blatt_Hoch_Tiefpass(w.R, w.C));
  if (blatt == &Z::Blatt_Kapazitaet) {
    Kondensator_Bauform k = Kondensator_Geometrie;
    k.C = Schaltung.C;
    return Zeichne_Blatt(canvas, Blatt_Kapazitaet(k));
  }
  if (blatt == &Z::Blatt_Induktivitaet) {
    Spulen_Bauform s = Spulen_Geometrie;
    s.L = Schaltung.L;
    return Zeichne_Blatt(canvas, Blatt_Induktivitaet(s));
  }
}

}  // namespace calculators
